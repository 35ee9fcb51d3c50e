#pragma once

#include <QString>
#include <optional>

namespace app {

// The folders the database may live in; tests pass temporary ones.
struct DataFolders {
    QString program;  // the folder of the executable
    QString data;     // the user's data folder on this desktop
};

// The executable's folder and QStandardPaths::AppDataLocation (on Linux
// ~/.local/share/Marrowtide). Needs the application named "Marrowtide" (which can be
// set without an application object).
DataFolders StandardDataFolders();

// The exit status of both programs when the file named with --database cannot be used
// (missing, not a file, unreadable, not a person database): a file problem, not wrong
// usage.
inline constexpr int kUnusableDatabaseExitStatus = 3;

enum class DatabaseSource { CommandLine, ProgramFolder, DataFolder };

struct DatabaseLocation {
    QString path;  // absolute, with the platform's separators
    DatabaseSource source = DatabaseSource::DataFolder;
};

// Which database file to use, in this order:
//  - `requested` (the --database option) when not empty: it must be an existing,
//    readable person database; it is never created;
//  - Marrowtide.mdb in the program's folder whenever it exists (a portable copy, the
//    build tree);
//  - Marrowtide.mdb in the data folder, made there with the empty person table when
//    it does not exist yet. This is the only case that creates a database.
// Without a usable file the result is empty and `error` says why.
std::optional<DatabaseLocation> LocateDatabase(const QString& requested,
                                               const DataFolders& folders, QString& error);

}  // namespace app
