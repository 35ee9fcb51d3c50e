#pragma once

#include <string>

namespace store {

// The person table. lngID is the row id: AUTOINCREMENT keeps a deleted person's key
// from being handed out again (a stale list row may still name it), and the check
// keeps keys within the 32-bit range the program carries them in, 0 excluded.
// dtmBirth holds "YYYY-MM-DD HH:MM:SS"; its DATETIME type (numeric affinity) also
// keeps a day count stored as a number.
inline constexpr const char* kPersonTableSql =
    "CREATE TABLE tblAges (\n"
    "  lngID INTEGER PRIMARY KEY AUTOINCREMENT CHECK (lngID BETWEEN 1 AND 2147483647),\n"
    "  strName TEXT,\n"
    "  dtmBirth DATETIME,\n"
    "  strComments TEXT\n"
    ")";

// Creates the database file at `path` holding the empty person table. Refuses a path
// where anything already exists, leaving it untouched. On failure `error` says why
// and no file is left behind.
bool CreateEmptyDatabase(const std::string& path, std::string& error);

}  // namespace store
