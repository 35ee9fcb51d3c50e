#include "cli/DefaultDatabase.h"

#include <QCoreApplication>

#include "app/DataLocation.h"

namespace cli {

std::optional<std::string> DefaultDatabasePath(std::string& error) {
    // The data folder is named after the application, as for the windowed program; the
    // name can be set without an application object.
    QCoreApplication::setApplicationName(QStringLiteral("Marrowtide"));
    QString problem;
    const auto location = app::LocateDatabase(QString(), app::StandardDataFolders(), problem);
    if (!location) {
        error = problem.toStdString();
        return std::nullopt;
    }
    return location->path.toStdString();
}

}  // namespace cli
