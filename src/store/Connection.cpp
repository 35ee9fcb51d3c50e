#include "store/Connection.h"

#include <sqlite3.h>

#include "store/Statement.h"

namespace store {

namespace {
std::chrono::milliseconds g_busyTimeout{5000};
}  // namespace

void SetBusyTimeout(std::chrono::milliseconds timeout) {
    g_busyTimeout = timeout;
}
std::chrono::milliseconds BusyTimeout() {
    return g_busyTimeout;
}

Connection::~Connection() {
    Close();
}

bool Connection::Open(const std::string& path, Error& error) {
    if (db_) {
        error = ObjectOpenError();
        return false;
    }
    // Read-write only, never create: a missing file must fail here, not turn into a
    // new empty database that silently hides the user's data.
    // A connection is only ever used by the thread that opened it, so SQLite need not
    // lock it around every call; reading a large list calls it four times a column.
    sqlite3* db = nullptr;
    const int code = sqlite3_open_v2(path.c_str(), &db,
                                     SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (code != SQLITE_OK) {
        error = SqliteError(db, code, path);
        sqlite3_close_v2(db);
        return false;
    }
    db_ = db;
    path_ = path;
    sqlite3_extended_result_codes(db_, 1);
    // A double-quoted name that matches no column would otherwise silently become a
    // text literal: a misspelt column must be an error, not a query matching nothing.
    sqlite3_db_config(db_, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
    sqlite3_db_config(db_, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
    sqlite3_busy_timeout(db_, static_cast<int>(g_busyTimeout.count()));
    if (!CheckIsDatabase(error)) {
        Close();
        return false;
    }
    return true;
}

// Opening is lazy in SQLite: a text file or a damaged one only shows up at the
// first read of the header, so read it now while the caller expects failures.
bool Connection::CheckIsDatabase(Error& error) {
    // The default rollback journal keeps the database one self-contained file beside
    // the program (no -wal/-shm companions, fine on shared folders); FULL syncs the
    // journal and the file at every commit, so a save reported done survives a crash.
    const char* kSetup = "PRAGMA synchronous = FULL";
    if (sqlite3_exec(db_, kSetup, nullptr, nullptr, nullptr) != SQLITE_OK) {
        error = SqliteError(db_, sqlite3_extended_errcode(db_), path_);
        return false;
    }
    Statement check;
    if (!check.Prepare(db_, "PRAGMA schema_version", path_, error)) return false;
    return check.Run(error);
}

void Connection::Close() {
    // close_v2 defers the real close until any statement still alive is finalized.
    if (db_) sqlite3_close_v2(db_);
    db_ = nullptr;
    changes_ = 0;
}

bool Connection::Execute(std::string_view sql, const std::vector<Value>& params, Error& error) {
    if (!db_) {
        error = ConnectionUnusableError();
        return false;
    }
    Statement statement;
    if (!statement.Prepare(db_, sql, path_, error) || !statement.Bind(params, error) ||
        !statement.Run(error))
        return false;
    changes_ = sqlite3_changes(db_);
    return true;
}

std::int64_t Connection::LastInsertRowId() const {
    return db_ ? sqlite3_last_insert_rowid(db_) : 0;
}

}  // namespace store
