#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "store/Error.h"
#include "store/Value.h"

struct sqlite3;

namespace store {

// How long a connection waits for a file another program holds locked before the
// step fails. Five seconds unless changed (tests shorten it).
void SetBusyTimeout(std::chrono::milliseconds timeout);
std::chrono::milliseconds BusyTimeout();

// An open database file. It opens only a file that already exists and really is an
// SQLite database; it never creates one. Every commit is synced to disk before it
// counts as done. A connection, and everything opened on it, belongs to the thread
// that opened it: SQLite does not lock it against other threads.
class Connection {
public:
    Connection() = default;
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    bool Open(const std::string& path, Error& error);
    bool IsOpen() const { return db_ != nullptr; }
    // Closing an unopened connection is harmless; closing never fails visibly.
    void Close();

    // Runs one statement with its values bound to the `?` parameters in order.
    bool Execute(std::string_view sql, const std::vector<Value>& params, Error& error);
    // Rows inserted, changed or deleted by the last successful Execute.
    std::int64_t Changes() const { return changes_; }
    std::int64_t LastInsertRowId() const;

    sqlite3* Handle() const { return db_; }
    const std::string& Path() const { return path_; }

private:
    bool CheckIsDatabase(Error& error);

    sqlite3* db_ = nullptr;
    std::string path_;
    std::int64_t changes_ = 0;
};

}  // namespace store
