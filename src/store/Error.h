#pragma once

#include <cstdint>
#include <string>

struct sqlite3;

namespace store {

// A failed store step: a number, a description and the component that raised it.
struct Error {
    std::int32_t number = 0;
    std::string description;
    std::string source;
};

inline constexpr const char* kSqliteSource = "SQLite";
inline constexpr const char* kStoreSource = "Marrowtide store";

// Numbers of the failures the store raises itself. They keep the numbers the
// classic data-access layer used for the same situations, so they read familiar.
enum StoreErrorNumber : std::int32_t {
    kBadArguments = 3001,
    kNoCurrentRow = 3021,
    kFieldNotFound = 3265,
    kNotUpdatable = 3251,
    kValueOutOfRange = 3421,
    kObjectClosed = 3704,
    kObjectOpen = 3705,
    kConnectionUnusable = 3709,
    kRowNotLocated = -2147217864,
};

Error NoCurrentRowError();
Error ObjectClosedError();
Error ObjectOpenError();
Error ConnectionUnusableError();
Error NotUpdatableError();
Error RowNotLocatedError();
Error FieldNotFoundError(const std::string& name);
Error StoreError(StoreErrorNumber number, const std::string& description);

// SQLite's extended result code and message for a failed call on `db` (which may be
// null). The file's path is added to failures that concern the file itself.
Error SqliteError(sqlite3* db, int code, const std::string& path);

}  // namespace store
