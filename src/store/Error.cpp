#include "store/Error.h"

#include <sqlite3.h>

#include "platform/Translate.h"

namespace store {

Error StoreError(StoreErrorNumber number, const std::string& description) {
    return {number, description, kStoreSource};
}

Error NoCurrentRowError() {
    return StoreError(
        kNoCurrentRow,
        platform::Translate("store",
                            "Either BOF or EOF is True, or the current record has been deleted."));
}

Error ObjectClosedError() {
    return StoreError(
        kObjectClosed,
        platform::Translate("store", "Operation is not allowed when the object is closed."));
}

Error ObjectOpenError() {
    return StoreError(
        kObjectOpen,
        platform::Translate("store", "Operation is not allowed when the object is open."));
}

Error ConnectionUnusableError() {
    return StoreError(
        kConnectionUnusable,
        platform::Translate("store",
                            "The connection cannot be used to perform this operation. "
                            "It is either closed or invalid in this context."));
}

Error NotUpdatableError() {
    return StoreError(kNotUpdatable,
                      platform::Translate("store",
                                          "Current Recordset does not support updating. Its query "
                                          "must read the columns of one table including the "
                                          "table's integer key."));
}

Error RowNotLocatedError() {
    return StoreError(kRowNotLocated,
                      platform::Translate("store",
                                          "Row cannot be located for updating. Some values may "
                                          "have been changed since it was last read."));
}

Error FieldNotFoundError(const std::string& name) {
    return StoreError(kFieldNotFound,
                      platform::Translate("store",
                                          "Item cannot be found in the collection corresponding "
                                          "to the requested name or ordinal: ") +
                          name + ".");
}

namespace {
// Failures a user can only act on knowing which file is meant.
bool ConcernsTheFile(int code) {
    switch (code & 0xFF) {
        case SQLITE_CANTOPEN:
        case SQLITE_NOTADB:
        case SQLITE_CORRUPT:
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
        case SQLITE_READONLY:
        case SQLITE_IOERR:
        case SQLITE_FULL:
        case SQLITE_PERM:
            return true;
        default:
            return false;
    }
}
}  // namespace

Error SqliteError(sqlite3* db, int code, const std::string& path) {
    // The connection's message describes the latest failure best, but only while it
    // still belongs to the code we were handed.
    std::string message = (db && (sqlite3_extended_errcode(db) & 0xFF) == (code & 0xFF))
                              ? sqlite3_errmsg(db)
                              : sqlite3_errstr(code);
    if (!path.empty() && ConcernsTheFile(code)) message += " (" + path + ")";
    // SQLite's text blames the file, which may well be writable: what it could not do
    // was create its journal beside the file.
    if (code == SQLITE_READONLY_DIRECTORY)
        message += ". The folder that holds the database must be writable too.";
    return {static_cast<std::int32_t>(code), message, kSqliteSource};
}

}  // namespace store
