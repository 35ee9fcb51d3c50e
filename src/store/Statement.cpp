#include "store/Statement.h"

#include <sqlite3.h>

#include <utility>

namespace store {

static_assert(Statement::kRow == SQLITE_ROW && Statement::kDone == SQLITE_DONE);

Statement::~Statement() {
    Finalize();
}

Statement::Statement(Statement&& other) noexcept
    : db_(other.db_), stmt_(std::exchange(other.stmt_, nullptr)), path_(std::move(other.path_)) {}

Statement& Statement::operator=(Statement&& other) noexcept {
    if (this != &other) {
        Finalize();
        db_ = other.db_;
        stmt_ = std::exchange(other.stmt_, nullptr);
        path_ = std::move(other.path_);
    }
    return *this;
}

void Statement::Finalize() {
    if (stmt_) sqlite3_finalize(stmt_);
    stmt_ = nullptr;
}

namespace {
// True when `rest` holds another statement (not just blanks, semicolons or comments).
bool HoldsAnotherStatement(sqlite3* db, const char* rest, const char* end) {
    while (rest < end) {
        sqlite3_stmt* next = nullptr;
        const char* tail = nullptr;
        const int code = sqlite3_prepare_v2(db, rest, static_cast<int>(end - rest), &next, &tail);
        if (next) {
            sqlite3_finalize(next);
            return true;
        }
        // A text that does not even parse is certainly not blank.
        if (code != SQLITE_OK || tail == rest) return code != SQLITE_OK;
        rest = tail;
    }
    return false;
}
}  // namespace

bool Statement::Prepare(sqlite3* db, std::string_view sql, const std::string& path, Error& error) {
    Finalize();
    db_ = db;
    path_ = path;
    if (!db) {
        error = ConnectionUnusableError();
        return false;
    }
    const char* end = sql.data() + sql.size();
    const char* tail = nullptr;
    const int code =
        sqlite3_prepare_v2(db, sql.data(), static_cast<int>(sql.size()), &stmt_, &tail);
    if (code != SQLITE_OK) {
        error = SqliteError(db, code, path_);
        Finalize();
        return false;
    }
    if (!stmt_) {
        error = StoreError(kBadArguments, "The command text holds no SQL statement.");
        return false;
    }
    if (HoldsAnotherStatement(db, tail, end)) {
        Finalize();
        error = StoreError(kBadArguments,
                           "The command text holds more than one SQL statement; only one may "
                           "run at a time.");
        return false;
    }
    return true;
}

bool Statement::Bind(const std::vector<Value>& params, Error& error) {
    if (static_cast<int>(params.size()) != sqlite3_bind_parameter_count(stmt_)) {
        error = StoreError(kBadArguments,
                           "The number of values does not match the number of "
                           "parameters in the command text.");
        return false;
    }
    for (int i = 0; i < static_cast<int>(params.size()); ++i) {
        const Value& v = params[static_cast<std::size_t>(i)];
        int code = SQLITE_OK;
        if (const auto* n = std::get_if<std::int64_t>(&v)) {
            code = sqlite3_bind_int64(stmt_, i + 1, *n);
        } else if (const auto* d = std::get_if<double>(&v)) {
            code = sqlite3_bind_double(stmt_, i + 1, *d);
        } else if (const auto* s = std::get_if<std::string>(&v)) {
            code = sqlite3_bind_text64(stmt_, i + 1, s->data(), s->size(), SQLITE_TRANSIENT,
                                       SQLITE_UTF8);
        } else {
            code = sqlite3_bind_null(stmt_, i + 1);
        }
        if (code != SQLITE_OK) {
            error = SqliteError(db_, code, path_);
            return false;
        }
    }
    return true;
}

int Statement::Step() {
    return sqlite3_step(stmt_);
}

bool Statement::Run(Error& error) {
    int code = SQLITE_ROW;
    while (code == SQLITE_ROW) code = Step();
    if (code != SQLITE_DONE) {
        error = LastError(code);
        Reset();
        return false;
    }
    Reset();
    return true;
}

void Statement::Reset() {
    if (stmt_) sqlite3_reset(stmt_);
}

int Statement::ColumnCount() const {
    return sqlite3_column_count(stmt_);
}

std::string Statement::ColumnName(int index) const {
    const char* name = sqlite3_column_name(stmt_, index);
    return name ? name : "";
}

Value Statement::Column(int index) const {
    return ValueOf(ColumnView(index));
}

// The column's value is looked up once and read from there: each sqlite3_column_* call
// looks it up again, and a large list reads some millions of cells.
ValueView Statement::ColumnView(int index) const {
    sqlite3_value* value = sqlite3_column_value(stmt_, index);
    switch (sqlite3_value_type(value)) {
        case SQLITE_INTEGER:
            return static_cast<std::int64_t>(sqlite3_value_int64(value));
        case SQLITE_FLOAT:
            return sqlite3_value_double(value);
        case SQLITE_NULL:
            return std::monostate{};
        case SQLITE_TEXT: {
            // Ask for the size after the pointer: it belongs to the form last asked for.
            const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(value));
            const int bytes = sqlite3_value_bytes(value);
            return text ? std::string_view(text, static_cast<std::size_t>(bytes))
                        : std::string_view();
        }
        default: {
            const auto* blob = static_cast<const char*>(sqlite3_value_blob(value));
            const int bytes = sqlite3_value_bytes(value);
            return blob ? std::string_view(blob, static_cast<std::size_t>(bytes))
                        : std::string_view();
        }
    }
}

Error Statement::LastError(int code) const {
    return SqliteError(db_, code, path_);
}

}  // namespace store
