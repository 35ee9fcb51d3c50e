#pragma once

#include <QString>

namespace app {

inline constexpr const char* kLicence = "GPL-3.0-or-later";

// The program's version, "1.0".
QString Version();

// What the About box says: the program and its version, the open database, the licence.
QString AboutText(const QString& databasePath);

}  // namespace app
