#include "app/DataLocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "store/Connection.h"
#include "store/Database.h"
#include "store/Schema.h"
#include "platform/ExecutableFolder.h"
#include "platform/FileAccess.h"

namespace app {

namespace {

QString Native(const QString& path) {
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

QString FileIn(const QString& folder) {
    return Native(QDir(folder).filePath(QString::fromLatin1(modAgeCalc::kDatabaseFileName)));
}

// Opening reads the header, and the query names every column the program reads, so a
// file of some other kind is refused here rather than in a dialog per step later.
bool IsPersonDatabase(const QString& path, QString& error) {
    store::Connection connection;
    store::Error e;
    if (connection.Open(path.toStdString(), e) &&
        connection.Execute("SELECT lngID, strName, dtmBirth, strComments FROM tblAges LIMIT 0",
                           {}, e))
        return true;
    error = QStringLiteral("%1 is not a Marrowtide database (%2).")
                .arg(path, QString::fromStdString(e.description));
    return false;
}

std::optional<DatabaseLocation> Requested(const QString& requested, QString& error) {
    const QString path = Native(requested);
    const QFileInfo info(path);
    QFile file(path);
    if (!info.exists())
        error = QStringLiteral("%1 does not exist.").arg(path);
    else if (!info.isFile())
        error = QStringLiteral("%1 is not a file.").arg(path);
    else if (!file.open(QIODevice::ReadOnly))
        error = QStringLiteral("%1 cannot be read: %2.").arg(path, file.errorString());
    else if (IsPersonDatabase(path, error))
        return DatabaseLocation{path, DatabaseSource::CommandLine};
    return std::nullopt;
}

std::optional<DatabaseLocation> InDataFolder(const QString& folder, QString& error) {
    if (folder.isEmpty()) {
        error = QStringLiteral("This system names no folder for the program's data.");
        return std::nullopt;
    }
    // Folders made here are the user's alone, like the database in them.
    std::string reason;
    if (!platform::MakePrivateFolders(folder.toStdString(), reason)) {
        error = QStringLiteral("Cannot make the folder %1: %2.")
                    .arg(Native(folder), QString::fromStdString(reason));
        return std::nullopt;
    }
    const QString path = FileIn(folder);
    // Another copy of the program starting at the same moment may have made it first.
    if (QFileInfo::exists(path) || store::CreateEmptyDatabase(path.toStdString(), reason) ||
        QFileInfo::exists(path))
        return DatabaseLocation{path, DatabaseSource::DataFolder};
    error = QString::fromStdString(reason);
    return std::nullopt;
}

}  // namespace

DataFolders StandardDataFolders() {
    return {QString::fromStdString(platform::ExecutableFolder()),
            QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)};
}

std::optional<DatabaseLocation> LocateDatabase(const QString& requested,
                                               const DataFolders& folders, QString& error) {
    if (!requested.isEmpty()) return Requested(requested, error);
    const QString portable = FileIn(folders.program);
    if (!folders.program.isEmpty() && QFileInfo(portable).isFile())
        return DatabaseLocation{portable, DatabaseSource::ProgramFolder};
    return InDataFolder(folders.data, error);
}

}  // namespace app
