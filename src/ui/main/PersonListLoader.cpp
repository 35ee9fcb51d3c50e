#include "ui/main/PersonListLoader.h"

#include <QCoreApplication>
#include <array>
#include <charconv>
#include <filesystem>
#include <new>

#include "age/AgeCalc.h"
#include "platform/EventPump.h"
#include "platform/MessageBox.h"
#include "platform/qt/list/ListView.h"
#include "store/Database.h"
#include "store/Identifier.h"
#include "store/PersonStamp.h"
#include "store/PersonStore.h"
#include "ui/main/BirthColumns.h"
#include "ui/main/StoredValue.h"

namespace personlist {

namespace {

constexpr int kPlaceholderImage = 1;
constexpr int kYearColumn = 1, kAgeColumn = 2, kCommentsColumn = 3;

// Room for "K" and any 32-bit key: the key is written there, not into a string of its
// own, as every row of a load has one.
using KeyText = std::array<char, 16>;

// A row without a key gets no item key, so that no command can take it for a person.
std::string_view ItemKey(const std::optional<std::int32_t>& id, KeyText& text) {
    if (!id) return {};
    text[0] = 'K';
    const char* end = std::to_chars(text.data() + 1, text.data() + text.size(), *id).ptr;
    return std::string_view(text.data(), static_cast<std::size_t>(end - text.data()));
}

}  // namespace

PersonListLoader::PersonListLoader(platform::ListView& list) : list_(list) {}

void PersonListLoader::Run(std::string sqlFilter) {
    filter_ = std::move(sqlFilter);
    list_.clearRows();
    list_.setViewMode(platform::ListView::ViewMode::Details);
    today_ = modAgeCalc::TodayText();
    DeriveBirthTexts();
    if (OpenConnection() && !ReadDirect() && OpenRecords()) ReadRows();
    Finish();
}

// Rows with a readable birth show their Year and Age as of the day of the load.
void PersonListLoader::DeriveBirthTexts() {
    rows_.deriveColumn(kYearColumn, &BirthColumns::YearText);
    rows_.deriveColumn(kAgeColumn, [today = today_](double birth) {
        return BirthColumns::AgeText(birth, today);
    });
}

// Runs one step of the load until it succeeds or the user lets it go. The missing
// current row is the load's normal way of meeting an empty result and is not asked
// about.
template <class Step>
PersonListLoader::Outcome PersonListLoader::Guarded(Step step) {
    for (;;) {
        store::Error error;
        if (step(error)) return Outcome::Done;
        if (error.number == store::kNoCurrentRow) return Outcome::NoCurrentRow;
        switch (Ask(error)) {
            case platform::MsgAnswer::Retry:
                continue;
            case platform::MsgAnswer::Ignore:
                return Outcome::Ignored;
            default:
                return Outcome::Aborted;
        }
    }
}

platform::MsgAnswer PersonListLoader::Ask(const store::Error& error) const {
    const std::string text = std::to_string(error.number) + " " + error.description +
                             "\r\nIn LoadLvw:    \r\n" + filter_;
    return platform::MsgBox(
        text,
        platform::Buttons::AbortRetryIgnore | platform::Icon::Critical |
            platform::DefaultButton::Second,
        QCoreApplication::translate("PersonListLoader", kErrorTitle).toStdString());
}

// True when the load goes on after the step; an empty result adds the placeholder row.
bool PersonListLoader::GoesOn(Outcome outcome) {
    if (outcome == Outcome::NoCurrentRow) AddPlaceholder();
    return outcome == Outcome::Done || outcome == Outcome::Ignored;
}

// The query is named in the messages from here on, not for the connection.
bool PersonListLoader::OpenConnection() {
    const bool goesOn = GoesOn(Guarded(
        [&](store::Error& e) { return connection_.Open(modAgeCalc::DatabasePath(), e); }));
    if (filter_.empty()) filter_ = kSelectAll;
    // The load reads each page of the table once: a small cache takes its pages back
    // instead of growing to SQLite's 2 MB of fresh memory on the way. Only a hint.
    if (store::Error ignored; connection_.IsOpen())
        connection_.Execute("PRAGMA cache_size = -128", {}, ignored);
    return goesOn;
}

// About how many rows the whole table holds, at least as many as it does, so that the
// rows are not moved as they grow: the highest key, which the index gives at once
// (counting would read the whole table), but no more than the file has room for. Room
// reserved beyond the rows read is never touched, so it costs no memory. A guess only
// (0 when unknown), as the table may change before it is read.
int PersonListLoader::ExpectedRows() {
    if (filter_ != kSelectAll) return 0;
    store::Statement highest;
    store::Error error;
    if (!highest.Prepare(connection_.Handle(), "SELECT max(lngID) FROM tblAges",
                         connection_.Path(), error) ||
        highest.Step() != store::Statement::kRow)
        return 0;
    const store::Value value = highest.Column(0);
    const auto* key = std::get_if<std::int64_t>(&value);
    std::error_code failed;
    const std::uintmax_t bytes = std::filesystem::file_size(connection_.Path(), failed);
    if (!key || *key <= 0 || failed) return 0;
    const auto room = static_cast<std::int64_t>(
        std::min<std::uintmax_t>(bytes / kLeastBytesPerRow, kMostExpectedRows));
    return static_cast<int>(std::min(*key, room));
}

// True when the one pass read the whole result; false leaves no rows behind.
bool PersonListLoader::ReadDirect() {
    if (!connection_.IsOpen()) return false;
    store::Statement select;
    store::Error error;
    const int expected = ExpectedRows();
    try {
        rows_.reserve(expected);
    } catch (const std::bad_alloc&) {
        // Only a guess: the rows grow as they come instead.
    }
    if (!select.Prepare(connection_.Handle(), filter_, connection_.Path(), error) ||
        !ReadAllRows(select)) {
        rows_.clear();
        return false;
    }
    select.Finalize();
    if (rows_.isEmpty()) {
        AddPlaceholder();
        return true;
    }
    YieldAsTheStepByStepReadDoes();
    return true;
}

namespace {
int ColumnIndex(const store::Statement& select, std::string_view name) {
    for (int i = 0; i < select.ColumnCount(); ++i)
        if (store::SameIdentifier(select.ColumnName(i), name)) return i;
    return -1;
}
}  // namespace

// Reads every row's key, texts, birth, stamp and age group's image into the rows.
bool PersonListLoader::ReadAllRows(store::Statement& select) {
    const Columns columns{ColumnIndex(select, "lngID"), ColumnIndex(select, "strName"),
                          ColumnIndex(select, "dtmBirth"), ColumnIndex(select, "strComments")};
    if (columns.id < 0 || columns.name < 0 || columns.birth < 0 || columns.comments < 0)
        return false;
    BirthColumns birthColumns(rows_, today_);
    std::string nameBuffer, commentsBuffer;
    KeyText keyText;
    store::Error error;  // only ever filled when the load stops
    int code = 0;
    while ((code = select.Step()) == store::Statement::kRow) {
        const store::ValueView id = select.ColumnView(columns.id);
        const store::ValueView name = select.ColumnView(columns.name);
        const store::ValueView birth = select.ColumnView(columns.birth);
        const store::ValueView comments = select.ColumnView(columns.comments);
        std::int32_t key = 0;
        if (!ValueAsLong(modAgeCalc::NullToEmpty(id), key, error)) return false;
        const BirthColumns::Cells cells = birthColumns.For(birth);
        const int row =
            rows_.appendUtf8(ItemKey(key, keyText), ValueText(name, nameBuffer), cells.image,
                             cells.image, cells.birth, store::StampOf(id, name, birth, comments));
        rows_.setSubItem(row, kYearColumn, cells.yearText);
        rows_.setSubItem(row, kAgeColumn, cells.ageText);
        rows_.setSubItem(row, kCommentsColumn,
                         rows_.storeUtf8(ValueText(comments, commentsBuffer)));
    }
    return code == store::Statement::kDone;
}

// Lets events through as often as the step-by-step read does: after the query and
// every 21 rows.
void PersonListLoader::YieldAsTheStepByStepReadDoes() {
    platform::DoEvents();
    for (int row = kYieldEvery; row <= rows_.count(); row += kYieldEvery) platform::DoEvents();
}

bool PersonListLoader::OpenRecords() {
    if (!GoesOn(
            Guarded([&](store::Error& e) { return records_.Open(connection_, filter_, {}, e); })))
        return false;
    // Going to the last row is where an empty result shows.
    if (!GoesOn(Guarded([&](store::Error& e) {
            if (!records_.MoveLast(e)) return false;
            if (!records_.Eof()) return true;
            e = store::NoCurrentRowError();
            return false;
        })))
        return false;
    return GoesOn(Guarded([&](store::Error& e) { return records_.MoveFirst(e); }));
}

// The row steps read the result set's current row, which stays the same for all of
// them, so whether there is one is looked up once per row (`onRow`).
bool PersonListLoader::CurrentField(int column, const char* name, bool onRow, store::ValueView& out,
                                    store::Error& error) {
    if (!records_.IsOpen()) {
        error = store::ObjectClosedError();
        return false;
    }
    if (!onRow) {
        error = store::NoCurrentRowError();
        return false;
    }
    if (column < 0) {
        error = store::FieldNotFoundError(name);
        return false;
    }
    out = records_.FieldView(column);
    return true;
}

PersonListLoader::Outcome PersonListLoader::ReadPerson(const Columns& columns, Person& person) {
    const bool onRow = records_.IsOpen() && !records_.Bof() && !records_.Eof();
    person.id.reset();
    person.name = {};
    person.birth = {};
    person.comments = {};
    store::ValueView value;
    Outcome outcome = Guarded([&](store::Error& e) {
        std::int32_t id = 0;
        if (!CurrentField(columns.id, "lngID", onRow, value, e) ||
            !ValueAsLong(modAgeCalc::NullToEmpty(value), id, e))
            return false;
        person.id = id;
        return true;
    });
    if (!GoesOn(outcome)) return outcome;
    outcome = Guarded([&](store::Error& e) {
        if (!CurrentField(columns.name, "strName", onRow, value, e)) return false;
        person.name = ValueText(value, person.nameBuffer);
        return true;
    });
    if (!GoesOn(outcome)) return outcome;
    outcome = Guarded([&](store::Error& e) {
        if (!CurrentField(columns.birth, "dtmBirth", onRow, value, e)) return false;
        person.birth = value;
        return true;
    });
    if (!GoesOn(outcome)) return outcome;
    return Guarded([&](store::Error& e) {
        if (!CurrentField(columns.comments, "strComments", onRow, value, e)) return false;
        person.comments = ValueText(value, person.commentsBuffer);
        return true;
    });
}

// The row as read, to recognise later whether someone changed it meanwhile.
store::PersonStamp PersonListLoader::Stamp(const Columns& columns) {
    return store::StampOf(records_.FieldView(columns.id), records_.FieldView(columns.name),
                          records_.FieldView(columns.birth), records_.FieldView(columns.comments));
}

// The rows run until the end of the result. Without a result set (its opening failed
// and the user chose to ignore that) there are no rows to come: going on would add a
// made-up row and ask again on every round, for ever.
bool PersonListLoader::ReadRows() {
    platform::DoEvents();
    int counter = 1;
    const Columns columns{records_.FieldIndex("lngID"), records_.FieldIndex("strName"),
                          records_.FieldIndex("dtmBirth"), records_.FieldIndex("strComments")};
    rows_.reserve(records_.RecordCount());
    BirthColumns births(rows_, today_);
    Person person;
    for (;;) {
        if (!records_.IsOpen() || records_.Eof()) return true;
        if (!GoesOn(ReadPerson(columns, person))) return false;
        const BirthColumns::Cells cells = births.For(person.birth);
        KeyText keyText;
        const int row = rows_.appendUtf8(ItemKey(person.id, keyText), person.name, cells.image,
                                         cells.image, cells.birth, Stamp(columns));
        counter = counter > kYieldEvery - 1 ? 1 : counter + 1;
        if (counter == 1) platform::DoEvents();
        rows_.setSubItem(row, kYearColumn, cells.yearText);
        rows_.setSubItem(row, kAgeColumn, cells.ageText);
        rows_.setSubItem(row, kCommentsColumn, rows_.storeUtf8(person.comments));
        if (!GoesOn(Guarded([&](store::Error& e) { return records_.MoveNext(e); }))) return false;
    }
}

void PersonListLoader::AddPlaceholder() {
    const int row =
        rows_.append(QString(), QStringLiteral("0"), kPlaceholderImage, kPlaceholderImage);
    rows_.setSubItem(row, kAgeColumn,
                     QCoreApplication::translate("PersonListLoader", "There are no records."));
}

// Whichever way the load ends: let go of the database, show what was gathered sorted by
// name in the order last chosen, and give the list the focus.
void PersonListLoader::Finish() {
    records_.Close();
    connection_.Close();
    list_.setSortKey(0);
    list_.setSorted(true);
    list_.publish(std::move(rows_));
    list_.setFocus();
}

}  // namespace personlist
