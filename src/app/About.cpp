#include "app/About.h"

namespace app {

QString Version() {
    return QStringLiteral(MARROWTIDE_VERSION);
}

QString AboutText(const QString& databasePath) {
    return QStringLiteral(
               "Marrowtide %1\n\n"
               "Database: %2\n\n"
               "Licence: %3\n"
               "This program is free software: you can redistribute it and/or modify it under "
               "the terms of the GNU General Public License, version 3 or any later version. "
               "It comes with no warranty.")
        .arg(Version(), databasePath, QString::fromLatin1(kLicence));
}

}  // namespace app
