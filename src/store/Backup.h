#pragma once

#include <atomic>
#include <functional>
#include <string>

namespace store {

inline constexpr int kBackupsKept = 10;

enum class BackupResult { Made, AlreadyMade, Failed, Stopped };

// How a copy runs. The program leaves it as it is; a copy on a thread of its own gets
// the flag that ends it.
struct BackupControl {
    // Set from another thread to end the copy at its next chunk; the partial copy is
    // removed then.
    const std::atomic<bool>* stop = nullptr;
    // Pages copied at a time: the database is locked against writers only that long.
    int pagesPerStep = 256;
    // Called on the copying thread after each chunk (tests change the database there).
    std::function<void()> afterStep;
};

// Copies the database file at `databasePath`, once a day, into the folder "backups"
// beside it, named after the file and `day` ("YYYY-MM-DD", today): Marrowtide.mdb on
// 2026-12-07 gives backups/Marrowtide-2026-12-07.mdb. A copy made earlier that day
// is kept as it is; something else under that name (a folder, a link) is reported.
//
// The folder is made for the user only, and so is each copy. A copy is written under a
// temporary name of its own and takes the day's name only once it is whole and has
// passed SQLite's integrity check; when another program got there first, its copy
// stays and this one goes. The copy goes through SQLite's online backup in chunks, so
// it is a consistent picture of the database even while others write: a write between
// two chunks makes the copy start again. The database is only ever opened for reading.
//
// Then only the `keep` newest copies are kept. Copies are the regular SQLite files named
// like the day's copy with a real date no later than `day`; nothing else in the folder
// is counted or touched, and the day's copy is never removed. On Failed `error` says
// why; no partial copy is left behind (after a kill, the next run removes it).
BackupResult BackUpDatabase(const std::string& databasePath, const std::string& day,
                            std::string& error, int keep = kBackupsKept,
                            const BackupControl& control = {});

// The folder the copies of the database at `databasePath` go to.
std::string BackupFolder(const std::string& databasePath);

// The day as the backup names spell it: "YYYY-MM-DD".
std::string BackupDay(int year, int month, int day);

}  // namespace store
