#pragma once

#include <QString>

namespace platform {

// The folder that holds the program's executable, with the platform's separators and
// no trailing separator (except at a root such as C:\ or /). Needs a QCoreApplication.
QString ProgramFolder();

}  // namespace platform
