#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "store/Error.h"
#include "store/Value.h"

struct sqlite3;
struct sqlite3_stmt;

namespace store {

// One prepared SQL statement, finalized when it goes away. It holds exactly one
// statement: text that carries a second one is refused, so a value that slipped into
// the text could never run SQL of its own.
class Statement {
public:
    Statement() = default;
    ~Statement();
    Statement(Statement&& other) noexcept;
    Statement& operator=(Statement&& other) noexcept;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // `path` only names the file in error descriptions.
    bool Prepare(sqlite3* db, std::string_view sql, const std::string& path, Error& error);
    bool Bind(const std::vector<Value>& params, Error& error);

    // SQLite's codes for a step that gave a row and for one that reached the end.
    static constexpr int kRow = 100, kDone = 101;

    // One step: kRow, kDone or an extended error code.
    int Step();
    // Steps to the end, skipping any rows.
    bool Run(Error& error);
    void Reset();
    void Finalize();

    bool IsPrepared() const { return stmt_ != nullptr; }
    sqlite3_stmt* Handle() const { return stmt_; }
    int ColumnCount() const;
    std::string ColumnName(int index) const;
    Value Column(int index) const;
    // The same without copying a text: the view lives until the next step or reset.
    ValueView ColumnView(int index) const;
    Error LastError(int code) const;

private:
    sqlite3* db_ = nullptr;
    sqlite3_stmt* stmt_ = nullptr;
    std::string path_;
};

}  // namespace store
