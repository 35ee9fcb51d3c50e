#pragma once

#include <QString>

namespace app {

// Today's backup of the database (see store::BackUpDatabase), dated by the installed
// clock. False, with `error` saying why, when no copy could be made; the database is
// left as it was either way.
bool BackUpToday(const QString& databasePath, QString& error);

}  // namespace app
