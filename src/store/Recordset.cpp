#include "store/Recordset.h"

#include <sqlite3.h>

#include <algorithm>

#include "store/Identifier.h"

namespace store {

namespace {

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
    values_.Clear();
    original_.clear();
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
    // Rows added before the read go after the table's rows, as they would have had the
    // table been read at open. Their texts stay where they are; only the cells move.
    std::vector<CellStore::Cell> added;
    added.reserve(values_.size());
    for (std::size_t i = 0; i < values_.size(); ++i) added.push_back(values_.CellAt(i));
    values_.Truncate(0);
    if (!ReadAllRows(error)) {
        values_.Truncate(0);
        for (const auto& cell : added) values_.AppendCell(cell);
        return false;
    }
    const std::size_t readRows = Rows();
    for (const auto& cell : added) values_.AppendCell(cell);
    pos_ = onAddedRow_ ? pos_ + static_cast<int>(readRows) : 0;
    posBeforeAdd_ = onAddedRowBeforeAdd_ ? posBeforeAdd_ + static_cast<int>(readRows) : 0;
    onAddedRow_ = false;
    fetched_ = true;
    select_.Finalize();
    return true;
}

// Straight from SQLite's row into the cells: no Value, no std::string on the way.
bool Recordset::ReadAllRows(Error& error) {
    const int width = static_cast<int>(Width());
    sqlite3_stmt* stmt = select_.Handle();
    int code = SQLITE_ROW;
    while ((code = select_.Step()) == SQLITE_ROW) {
        const std::size_t rowStart = values_.size();
        for (int c = 0; c < width; ++c) {
            switch (sqlite3_column_type(stmt, c)) {
                case SQLITE_INTEGER:
                    values_.AppendWhole(sqlite3_column_int64(stmt, c));
                    break;
                case SQLITE_FLOAT:
                    values_.AppendReal(sqlite3_column_double(stmt, c));
                    break;
                case SQLITE_NULL:
                    values_.AppendNull();
                    break;
                default: {  // a text, or a blob's bytes as a text
                    const void* data = sqlite3_column_type(stmt, c) == SQLITE_TEXT
                                           ? static_cast<const void*>(sqlite3_column_text(stmt, c))
                                           : sqlite3_column_blob(stmt, c);
                    // Ask for the size after the pointer: it belongs to the form last asked for.
                    const auto bytes = static_cast<std::size_t>(sqlite3_column_bytes(stmt, c));
                    values_.AppendText(data
                                           ? std::string_view(static_cast<const char*>(data), bytes)
                                           : std::string_view());
                    break;
                }
            }
        }
        if (SkipsRow(rowStart)) values_.Truncate(rowStart);
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
bool Recordset::SkipsRow(std::size_t rowStart) const {
    if (keysWrittenBeforeFetch_.empty() || keyIndex_ < 0) return false;
    const CellStore::Cell& key = values_.CellAt(rowStart + static_cast<std::size_t>(keyIndex_));
    return key.kind == CellStore::Kind::Whole &&
           std::find(keysWrittenBeforeFetch_.begin(), keysWrittenBeforeFetch_.end(), key.whole) !=
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

Value Recordset::Field(int index) {
    return ValueOf(FieldView(index));
}

ValueView Recordset::FieldView(int index) {
    MaterializeQuietly();
    if (!HasCurrentRow() || index < 0 || static_cast<std::size_t>(index) >= Width()) return {};
    return values_.View(RowStart() + static_cast<std::size_t>(index));
}

std::size_t Recordset::CurrentRow(Error& error) {
    if (!CheckOpen(error)) return kNoRow;
    if (!fetched_ && !onAddedRow_ && !Materialize(error)) return kNoRow;
    if (!HasCurrentRow()) {
        error = NoCurrentRowError();
        return kNoRow;
    }
    return RowStart();
}

// --- changing ------------------------------------------------------------------

bool Recordset::SetField(std::string_view name, Value value, Error& error) {
    const std::size_t row = CurrentRow(error);
    if (row == kNoRow) return false;
    const int index = FieldIndex(name);
    if (index < 0) {
        error = FieldNotFoundError(std::string(name));
        return false;
    }
    if (!ResolveUpdateTarget(error)) return false;
    if (edit_ == Edit::None) {
        original_.clear();
        for (std::size_t c = 0; c < Width(); ++c) original_.push_back(values_.CellAt(row + c));
        changed_.assign(Width(), false);
        edit_ = Edit::Changing;
    }
    values_.Set(row + static_cast<std::size_t>(index), ViewOf(value));
    changed_[static_cast<std::size_t>(index)] = true;
    return true;
}

bool Recordset::AddNew(Error& error) {
    if (!CheckOpen(error) || !ResolveUpdateTarget(error)) return false;
    CancelUpdate();
    posBeforeAdd_ = pos_;
    onAddedRowBeforeAdd_ = onAddedRow_;
    values_.AppendNulls(Width());
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
        return CurrentRow(error) != kNoRow;
    }
    const std::size_t row = RowStart();
    return edit_ == Edit::Adding ? InsertCurrentRow(row, error) : UpdateCurrentRow(row, error);
}

bool Recordset::InsertCurrentRow(std::size_t row, Error& error) {
    std::string columns;
    std::string marks;
    std::vector<Value> params;
    for (std::size_t c = 0; c < Width(); ++c) {
        if (!changed_[c]) continue;
        columns += (columns.empty() ? "" : ", ") + QuoteIdentifier(names_[c]);
        marks += marks.empty() ? "?" : ", ?";
        params.push_back(ValueOf(values_.View(row + c)));
    }
    const std::string sql = "INSERT INTO " + QuoteIdentifier(table_) +
                            (params.empty() ? std::string(" DEFAULT VALUES")
                                            : " (" + columns + ") VALUES (" + marks + ")");
    if (!connection_->Execute(sql, params, error)) return false;
    const std::int64_t key = connection_->LastInsertRowId();
    values_.Set(row + static_cast<std::size_t>(keyIndex_), key);
    if (!fetched_) keysWrittenBeforeFetch_.push_back(key);
    edit_ = Edit::None;
    return true;
}

bool Recordset::UpdateCurrentRow(std::size_t row, Error& error) {
    std::string assignments;
    std::vector<Value> params;
    for (std::size_t c = 0; c < Width(); ++c) {
        if (!changed_[c]) continue;
        assignments += (assignments.empty() ? "" : ", ") + QuoteIdentifier(names_[c]) + " = ?";
        params.push_back(ValueOf(values_.View(row + c)));
    }
    if (params.empty()) {
        edit_ = Edit::None;
        return true;
    }
    params.push_back(ValueOf(CellStore::ViewOf(original_[static_cast<std::size_t>(keyIndex_)])));
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
        values_.Truncate(values_.size() - Width());
        pos_ = posBeforeAdd_;
        onAddedRow_ = onAddedRowBeforeAdd_;
    } else if (edit_ == Edit::Changing && HasCurrentRow()) {
        for (std::size_t c = 0; c < original_.size(); ++c)
            values_.CellAt(RowStart() + c) = original_[c];
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
