#include "store/Recordset.h"

#include <sqlite3.h>

#include <algorithm>

#include "store/Identifier.h"

namespace store {

namespace {

const Value kNull{};

// Notes every table the statement reads while it is being prepared; an updatable
// recordset reads exactly one.
int NoteReadTables(void* tables, int action, const char* table, const char*, const char*,
                   const char*) {
    if (action == SQLITE_READ && table && std::string_view(table).rfind("sqlite_", 0) != 0) {
        auto& list = *static_cast<std::vector<std::string>*>(tables);
        if (std::find(list.begin(), list.end(), table) == list.end()) list.emplace_back(table);
    }
    return SQLITE_OK;
}

}  // namespace

bool Recordset::Open(Connection& connection, std::string_view sql, const std::vector<Value>& params,
                     Error& error, Fetch fetch) {
    if (IsOpen()) {
        error = ObjectOpenError();
        return false;
    }
    Close();
    if (!connection.IsOpen()) {
        error = ConnectionUnusableError();
        return false;
    }
    sqlite3* db = connection.Handle();
    std::vector<std::string> tables;
    sqlite3_set_authorizer(db, NoteReadTables, &tables);
    const bool prepared = select_.Prepare(db, sql, connection.Path(), error);
    sqlite3_set_authorizer(db, nullptr, nullptr);
    if (!prepared || !select_.Bind(params, error)) {
        select_.Finalize();
        return false;
    }
    connection_ = &connection;
    sourceTables_ = std::move(tables);
    for (int i = 0; i < select_.ColumnCount(); ++i) {
        names_.push_back(select_.ColumnName(i));
        // Only a plain column reference has a declared type; an expression has none.
        if (!sqlite3_column_decltype(select_.Handle(), i)) allPlainColumns_ = false;
    }
    if (fetch == Fetch::AtOpen && !Materialize(error)) {
        Close();
        return false;
    }
    return true;
}

bool Recordset::IsOpen() const {
    return connection_ != nullptr && connection_->IsOpen();
}

void Recordset::Close() {
    select_.Finalize();
    connection_ = nullptr;
    names_.clear();
    values_.clear();
    fetched_ = false;
    pos_ = 0;
    onAddedRow_ = false;
    keysWrittenBeforeFetch_.clear();
    sourceTables_.clear();
    allPlainColumns_ = true;
    targetResolved_ = false;
    table_.clear();
    keyIndex_ = -1;
    edit_ = Edit::None;
}

bool Recordset::CheckOpen(Error& error) const {
    if (IsOpen()) return true;
    error = ObjectClosedError();
    return false;
}

// --- reading -------------------------------------------------------------------

bool Recordset::Materialize(Error& error) {
    if (fetched_) return true;
    std::vector<Value> rows;
    if (!ReadAllRows(rows, error)) return false;
    const std::size_t readRows = names_.empty() ? 0 : rows.size() / Width();
    if (!values_.empty()) {
        // Rows added before the read go after the table's rows, as they would have
        // had the table been read at open.
        rows.insert(rows.end(), std::make_move_iterator(values_.begin()),
                    std::make_move_iterator(values_.end()));
    }
    values_ = std::move(rows);
    pos_ = onAddedRow_ ? pos_ + static_cast<int>(readRows) : 0;
    posBeforeAdd_ = onAddedRowBeforeAdd_ ? posBeforeAdd_ + static_cast<int>(readRows) : 0;
    onAddedRow_ = false;
    fetched_ = true;
    select_.Finalize();
    return true;
}

bool Recordset::ReadAllRows(std::vector<Value>& rows, Error& error) {
    const int width = static_cast<int>(Width());
    int code = SQLITE_ROW;
    while ((code = select_.Step()) == SQLITE_ROW) {
        const std::size_t rowStart = rows.size();
        for (int c = 0; c < width; ++c) rows.push_back(select_.Column(c));
        if (SkipsRow(rows, rowStart)) rows.resize(rowStart);
    }
    if (code != SQLITE_DONE) {
        error = select_.LastError(code);
        select_.Reset();
        return false;
    }
    return true;
}

// A row this recordset added and wrote before reading the table is already held as
// an added row; reading it again would show it twice.
bool Recordset::SkipsRow(const std::vector<Value>& rows, std::size_t rowStart) const {
    if (keysWrittenBeforeFetch_.empty() || keyIndex_ < 0) return false;
    const auto* key =
        std::get_if<std::int64_t>(&rows[rowStart + static_cast<std::size_t>(keyIndex_)]);
    return key && std::find(keysWrittenBeforeFetch_.begin(), keysWrittenBeforeFetch_.end(), *key) !=
                      keysWrittenBeforeFetch_.end();
}

void Recordset::MaterializeQuietly() {
    Error ignored;
    if (IsOpen() && !fetched_ && !onAddedRow_) Materialize(ignored);
}

bool Recordset::Bof() {
    MaterializeQuietly();
    return pos_ < 0 || Rows() == 0;
}

bool Recordset::Eof() {
    MaterializeQuietly();
    return pos_ >= 0 && static_cast<std::size_t>(pos_) >= Rows();
}

int Recordset::RecordCount() {
    Error ignored;
    if (IsOpen()) Materialize(ignored);
    return static_cast<int>(Rows());
}

bool Recordset::MoveFirst(Error& error) {
    if (!CheckOpen(error)) return false;
    CancelUpdate();
    if (!Materialize(error)) return false;
    pos_ = 0;
    return true;
}

bool Recordset::MoveLast(Error& error) {
    if (!CheckOpen(error)) return false;
    CancelUpdate();
    if (!Materialize(error)) return false;
    pos_ = Rows() == 0 ? 0 : static_cast<int>(Rows()) - 1;
    return true;
}

bool Recordset::MoveNext(Error& error) {
    if (!CheckOpen(error)) return false;
    CancelUpdate();
    if (!Materialize(error)) return false;
    if (!HasCurrentRow() && pos_ >= 0) {
        error = NoCurrentRowError();
        return false;
    }
    ++pos_;
    return true;
}

int Recordset::FieldIndex(std::string_view name) const {
    for (std::size_t i = 0; i < names_.size(); ++i)
        if (SameIdentifier(names_[i], name)) return static_cast<int>(i);
    return -1;
}

const Value& Recordset::Field(int index) {
    MaterializeQuietly();
    if (!HasCurrentRow() || index < 0 || static_cast<std::size_t>(index) >= Width()) return kNull;
    return values_[static_cast<std::size_t>(pos_) * Width() + static_cast<std::size_t>(index)];
}

Value* Recordset::CurrentRow(Error& error) {
    if (!CheckOpen(error)) return nullptr;
    if (!fetched_ && !onAddedRow_ && !Materialize(error)) return nullptr;
    if (!HasCurrentRow()) {
        error = NoCurrentRowError();
        return nullptr;
    }
    return &values_[static_cast<std::size_t>(pos_) * Width()];
}

bool Recordset::GetField(std::string_view name, Value& out, Error& error) {
    Value* row = CurrentRow(error);
    if (!row) return false;
    const int index = FieldIndex(name);
    if (index < 0) {
        error = FieldNotFoundError(std::string(name));
        return false;
    }
    out = row[index];
    return true;
}

// --- changing ------------------------------------------------------------------

bool Recordset::SetField(std::string_view name, Value value, Error& error) {
    Value* row = CurrentRow(error);
    if (!row) return false;
    const int index = FieldIndex(name);
    if (index < 0) {
        error = FieldNotFoundError(std::string(name));
        return false;
    }
    if (!ResolveUpdateTarget(error)) return false;
    if (edit_ == Edit::None) {
        original_.assign(row, row + Width());
        changed_.assign(Width(), false);
        edit_ = Edit::Changing;
    }
    row[index] = std::move(value);
    changed_[static_cast<std::size_t>(index)] = true;
    return true;
}

bool Recordset::AddNew(Error& error) {
    if (!CheckOpen(error) || !ResolveUpdateTarget(error)) return false;
    CancelUpdate();
    posBeforeAdd_ = pos_;
    onAddedRowBeforeAdd_ = onAddedRow_;
    values_.resize(values_.size() + Width());
    pos_ = static_cast<int>(Rows()) - 1;
    onAddedRow_ = !fetched_;
    changed_.assign(Width(), false);
    edit_ = Edit::Adding;
    return true;
}

bool Recordset::Update(Error& error) {
    if (!CheckOpen(error)) return false;
    if (edit_ == Edit::None) {
        // Nothing pending; without a current row there is nothing it could write.
        return CurrentRow(error) != nullptr;
    }
    Value* row = &values_[static_cast<std::size_t>(pos_) * Width()];
    return edit_ == Edit::Adding ? InsertCurrentRow(row, error) : UpdateCurrentRow(row, error);
}

bool Recordset::InsertCurrentRow(Value* row, Error& error) {
    std::string columns;
    std::string marks;
    std::vector<Value> params;
    for (std::size_t c = 0; c < Width(); ++c) {
        if (!changed_[c]) continue;
        columns += (columns.empty() ? "" : ", ") + QuoteIdentifier(names_[c]);
        marks += marks.empty() ? "?" : ", ?";
        params.push_back(row[c]);
    }
    const std::string sql = "INSERT INTO " + QuoteIdentifier(table_) +
                            (params.empty() ? std::string(" DEFAULT VALUES")
                                            : " (" + columns + ") VALUES (" + marks + ")");
    if (!connection_->Execute(sql, params, error)) return false;
    const std::int64_t key = connection_->LastInsertRowId();
    row[keyIndex_] = key;
    if (!fetched_) keysWrittenBeforeFetch_.push_back(key);
    edit_ = Edit::None;
    return true;
}

bool Recordset::UpdateCurrentRow(Value* row, Error& error) {
    std::string assignments;
    std::vector<Value> params;
    for (std::size_t c = 0; c < Width(); ++c) {
        if (!changed_[c]) continue;
        assignments += (assignments.empty() ? "" : ", ") + QuoteIdentifier(names_[c]) + " = ?";
        params.push_back(row[c]);
    }
    if (params.empty()) {
        edit_ = Edit::None;
        return true;
    }
    params.push_back(original_[static_cast<std::size_t>(keyIndex_)]);
    const std::string sql = "UPDATE " + QuoteIdentifier(table_) + " SET " + assignments +
                            " WHERE " +
                            QuoteIdentifier(names_[static_cast<std::size_t>(keyIndex_)]) + " = ?";
    if (!connection_->Execute(sql, params, error)) return false;
    if (connection_->Changes() == 0) {
        // Someone deleted the row since it was read; report it instead of pretending.
        error = RowNotLocatedError();
        return false;
    }
    edit_ = Edit::None;
    return true;
}

void Recordset::CancelUpdate() {
    if (edit_ == Edit::Adding) {
        values_.resize(values_.size() - Width());
        pos_ = posBeforeAdd_;
        onAddedRow_ = onAddedRowBeforeAdd_;
    } else if (edit_ == Edit::Changing && HasCurrentRow()) {
        std::move(original_.begin(), original_.end(),
                  values_.begin() +
                      static_cast<std::ptrdiff_t>(static_cast<std::size_t>(pos_) * Width()));
    }
    edit_ = Edit::None;
}

// Reads the names of the table's columns and of its row id column: the single
// INTEGER PRIMARY KEY column ("" when the table has none).
bool Recordset::ReadTableLayout(std::vector<std::string>& columns, std::string& key, Error& error) {
    Statement info;
    if (!info.Prepare(connection_->Handle(), "SELECT name, type, pk FROM pragma_table_info(?)",
                      connection_->Path(), error) ||
        !info.Bind({sourceTables_.front()}, error))
        return false;
    int keyColumns = 0;
    int code = SQLITE_ROW;
    while ((code = info.Step()) == SQLITE_ROW) {
        columns.push_back(std::get<std::string>(info.Column(0)));
        if (std::get<std::int64_t>(info.Column(2)) == 0) continue;
        ++keyColumns;
        const Value type = info.Column(1);
        const auto* typeName = std::get_if<std::string>(&type);
        key = typeName && SameIdentifier(*typeName, "INTEGER") ? columns.back() : "";
    }
    if (code != SQLITE_DONE) {
        error = info.LastError(code);
        return false;
    }
    if (keyColumns != 1) key.clear();
    return true;
}

// Finds the table to write to and its row id column, which must be among the
// result's columns; every result column must be a plain column of that table.
bool Recordset::ResolveUpdateTarget(Error& error) {
    if (targetResolved_) return true;
    if (sourceTables_.size() != 1 || !allPlainColumns_) {
        error = NotUpdatableError();
        return false;
    }
    std::vector<std::string> columns;
    std::string key;
    if (!ReadTableLayout(columns, key, error)) return false;
    const bool allFromTable = std::all_of(names_.begin(), names_.end(), [&](const auto& n) {
        return std::any_of(columns.begin(), columns.end(),
                           [&](const auto& c) { return SameIdentifier(c, n); });
    });
    const int keyIndex = key.empty() ? -1 : FieldIndex(key);
    if (!allFromTable || keyIndex < 0) {
        error = NotUpdatableError();
        return false;
    }
    table_ = sourceTables_.front();
    keyIndex_ = keyIndex;
    targetResolved_ = true;
    return true;
}

}  // namespace store
