#pragma once

#include <string>

namespace store {

inline constexpr int kBackupsKept = 10;

enum class BackupResult { Made, AlreadyMade, Failed };

// Copies the database file at `databasePath`, once a day, into the folder "backups"
// beside it, named after the file and `day` ("YYYY-MM-DD"): Marrowtide.mdb on
// 2026-12-07 gives backups/Marrowtide-2026-12-07.mdb. A copy made earlier that day
// is kept as it is. Only the `keep` newest copies of this file are kept; other files
// in the folder are never touched.
//
// The copy goes through SQLite's online backup, so it is a consistent picture even
// while another program writes, and the database is only ever opened for reading.
// A copy that fails its integrity check is deleted. On Failed `error` says why; no
// partial copy is left behind.
BackupResult BackUpDatabase(const std::string& databasePath, const std::string& day,
                            std::string& error, int keep = kBackupsKept);

// The day as the backup names spell it: "YYYY-MM-DD".
std::string BackupDay(int year, int month, int day);

}  // namespace store
