#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "store/CellStore.h"
#include "store/Connection.h"
#include "store/Error.h"
#include "store/Statement.h"
#include "store/Value.h"

namespace store {

// The result of one query held on the client: a static snapshot that can be walked
// (first, last, next) and, when the query reads the columns of one table including its
// integer key, extended (AddNew) and changed (SetField) and written back (Update).
// A recordset must not outlive the connection it was opened on.
class Recordset {
public:
    // When the rows are read: all at once when the recordset opens, or at the first
    // move or field read, so that a caller that only adds rows never reads the table.
    enum class Fetch { AtOpen, OnFirstUse };

    Recordset() = default;
    ~Recordset() { Close(); }
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    bool Open(Connection& connection, std::string_view sql, const std::vector<Value>& params,
              Error& error, Fetch fetch = Fetch::AtOpen);
    bool IsOpen() const;
    // Drops changes not yet written by Update and lets go of the query.
    void Close();

    // Before the first row / after the last one. Both are true for an empty result.
    // Rows that could not be read (reading on first use) count as no rows; the next
    // move reports why.
    bool Bof();
    bool Eof();
    int RecordCount();

    // Moving drops changes not yet written by Update.
    bool MoveFirst(Error& error);
    bool MoveLast(Error& error);
    bool MoveNext(Error& error);

    int FieldCount() const { return static_cast<int>(names_.size()); }
    const std::string& FieldName(int index) const {
        return names_.at(static_cast<std::size_t>(index));
    }
    // The column's position, -1 when the result has no such column. Names match
    // without regard to ASCII case, as in SQL.
    int FieldIndex(std::string_view name) const;
    // The current row's value in a column; Null without a current row or column.
    Value Field(int index);
    // The same without copying a text: the view lives until the recordset closes or
    // the field is changed, so a reader may keep it while it moves on.
    ValueView FieldView(int index);
    bool SetField(std::string_view name, Value value, Error& error);

    // Appends a row of Nulls and makes it the current row.
    bool AddNew(Error& error);
    // Writes the pending new or changed row. After a failure the changes stay pending,
    // so the call can be repeated.
    bool Update(Error& error);
    void CancelUpdate();

private:
    enum class Edit { None, Changing, Adding };

    static constexpr std::size_t kNoRow = static_cast<std::size_t>(-1);

    std::size_t Width() const { return names_.size(); }
    std::size_t Rows() const { return names_.empty() ? 0 : values_.size() / Width(); }
    bool CheckOpen(Error& error) const;
    bool Materialize(Error& error);
    void MaterializeQuietly();
    bool ReadAllRows(Error& error);
    bool SkipsRow(std::size_t rowStart) const;
    // The first cell of the current row; npos without one.
    std::size_t CurrentRow(Error& error);
    std::size_t RowStart() const { return static_cast<std::size_t>(pos_) * Width(); }
    bool HasCurrentRow() const { return pos_ >= 0 && static_cast<std::size_t>(pos_) < Rows(); }
    bool ResolveUpdateTarget(Error& error);
    bool ReadTableLayout(std::vector<std::string>& columns, std::string& key, Error& error);
    bool InsertCurrentRow(std::size_t row, Error& error);
    bool UpdateCurrentRow(std::size_t row, Error& error);

    Connection* connection_ = nullptr;
    Statement select_;
    std::vector<std::string> names_;
    // Row-major: row r, column c at r * Width() + c. Packed cells and pooled texts keep
    // reading a large list close to the cost of SQLite's own stepping.
    CellStore values_;
    bool fetched_ = false;
    int pos_ = 0;
    // Before the rows are read, rows added meanwhile are all the rows there are.
    bool onAddedRow_ = false;
    std::vector<std::int64_t> keysWrittenBeforeFetch_;

    std::vector<std::string> sourceTables_;
    bool allPlainColumns_ = true;
    bool targetResolved_ = false;
    std::string table_;
    int keyIndex_ = -1;

    Edit edit_ = Edit::None;
    std::vector<CellStore::Cell> original_;
    std::vector<bool> changed_;
    int posBeforeAdd_ = 0;
    bool onAddedRowBeforeAdd_ = false;
};

}  // namespace store
