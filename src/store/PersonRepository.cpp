#include "store/PersonRepository.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string_view>

#include "age/DateValue.h"
#include "age/YearlessBirth.h"
#include "store/BirthText.h"
#include "store/Connection.h"
#include "store/Statement.h"

namespace store {

namespace {

constexpr const char* kSelect = "SELECT lngID, strName, dtmBirth, strComments FROM tblAges";
constexpr const char* kInsert =
    "INSERT INTO tblAges (strName, dtmBirth, strComments) VALUES (?, ?, ?)";

// A name or comment stored as a number still shows as one. Texts are copied straight
// from the row, once.
void ReadText(sqlite3_stmt* stmt, int column, std::string& out) {
    const int type = sqlite3_column_type(stmt, column);
    if (type == SQLITE_NULL) return;
    if (type == SQLITE_FLOAT) {
        char text[32];
        std::snprintf(text, sizeof text, "%.15g", sqlite3_column_double(stmt, column));
        out = text;
        return;
    }
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
    if (text) out.assign(text, static_cast<std::size_t>(sqlite3_column_bytes(stmt, column)));
}

// A birth as a date-time value, or as a birthday without a year when the text is one.
void ReadBirth(sqlite3_stmt* stmt, int column, Person& person) {
    ValueView stored;
    switch (sqlite3_column_type(stmt, column)) {
        case SQLITE_INTEGER:
            stored = static_cast<std::int64_t>(sqlite3_column_int64(stmt, column));
            break;
        case SQLITE_FLOAT:
            stored = sqlite3_column_double(stmt, column);
            break;
        case SQLITE_NULL:
            break;
        default: {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
            stored = std::string_view(text ? text : "",
                                      static_cast<std::size_t>(sqlite3_column_bytes(stmt, column)));
        }
    }
    if (modAgeCalc::BirthFromStored(stored, person.birth)) return;
    if (const auto* text = std::get_if<std::string_view>(&stored))
        if (const auto yearless = modAgeCalc::YearlessFromText(*text)) person.yearless = *yearless;
}

Person PersonOf(const Statement& row) {
    sqlite3_stmt* stmt = row.Handle();
    Person person;
    person.key = static_cast<std::int32_t>(sqlite3_column_int64(stmt, 0));
    ReadText(stmt, 1, person.name);
    ReadBirth(stmt, 2, person);
    ReadText(stmt, 3, person.comments);
    return person;
}

// Runs `sql` on an open connection and hands every row to `take`.
template <class Take>
bool QueryOn(Connection& connection, const std::string& sql, const std::vector<Value>& params,
             Take take, RepositoryError& error) {
    Statement statement;
    Error e;
    if (!statement.Prepare(connection.Handle(), sql, connection.Path(), e) ||
        !statement.Bind(params, e)) {
        error = RepositoryError::From(e, connection.Path());
        return false;
    }
    int code = SQLITE_ROW;
    while ((code = statement.Step()) == SQLITE_ROW) take(PersonOf(statement));
    if (code != SQLITE_DONE) {
        error = RepositoryError::From(statement.LastError(code), connection.Path());
        return false;
    }
    return true;
}

bool OpenConnection(Connection& connection, const std::string& path, RepositoryError& error) {
    Error e;
    if (connection.Open(path, e)) return true;
    error = RepositoryError::From(e, path);
    return false;
}

// The number of people, or 0 when the table cannot be counted (reading it then says why).
std::size_t CountOn(Connection& connection) {
    Statement statement;
    Error ignored;
    if (!statement.Prepare(connection.Handle(), "SELECT count(*) FROM tblAges", connection.Path(),
                           ignored) ||
        statement.Step() != SQLITE_ROW)
        return 0;
    return static_cast<std::size_t>(sqlite3_column_int64(statement.Handle(), 0));
}

bool BindText(sqlite3_stmt* stmt, int index, std::string_view text) {
    return sqlite3_bind_text64(stmt, index, text.data(), text.size(), SQLITE_STATIC, SQLITE_UTF8) ==
           SQLITE_OK;
}

void PutDigits(char* at, int value, int digits) {
    for (int i = digits - 1; i >= 0; --i, value /= 10) at[i] = static_cast<char>('0' + value % 10);
}

// "YYYY-MM-DD HH:MM:SS" as BirthToIso writes it, without going through printf: an import
// of many people writes one for each.
std::string_view IsoText(const modAgeCalc::DateParts& p, char (&text)[20]) {
    std::memcpy(text, "0000-00-00 00:00:00", sizeof text);
    PutDigits(text, p.year, 4);
    PutDigits(text + 5, p.month, 2);
    PutDigits(text + 8, p.day, 2);
    PutDigits(text + 11, p.hour, 2);
    PutDigits(text + 14, p.minute, 2);
    PutDigits(text + 17, p.second, 2);
    return {text, 19};
}

// Inserts every person on an open transaction; false at the first failure.
bool InsertAll(Connection& connection, std::vector<Person>& people,
               const std::vector<modAgeCalc::DateParts>& births, Error& e) {
    Statement insert;
    if (!insert.Prepare(connection.Handle(), kInsert, connection.Path(), e)) return false;
    sqlite3_stmt* stmt = insert.Handle();
    char birthText[20];
    std::string yearlessText;
    for (std::size_t i = 0; i < people.size(); ++i) {
        Person& person = people[i];
        const std::string_view comments =
            person.comments.empty() ? std::string_view(".") : std::string_view(person.comments);
        std::string_view birth;
        if (person.yearless.IsSet()) {
            yearlessText = modAgeCalc::YearlessToText(person.yearless);
            birth = yearlessText;
        } else {
            birth = IsoText(births[i], birthText);
        }
        if (!BindText(stmt, 1, person.name) || !BindText(stmt, 2, birth) ||
            !BindText(stmt, 3, comments)) {
            e = insert.LastError(sqlite3_errcode(connection.Handle()));
            return false;
        }
        const int code = insert.Step();
        insert.Reset();
        if (code != SQLITE_DONE) {
            e = insert.LastError(code);
            return false;
        }
        person.key = static_cast<std::int32_t>(connection.LastInsertRowId());
    }
    return true;
}

// Some 150 bytes of pages per person, never less than SQLite's default 2 MiB.
std::size_t CacheKibFor(std::size_t people) {
    return std::max<std::size_t>(2000, people * 150 / 1024);
}

bool ReadAllOn(Connection& connection, std::vector<Person>& people, RepositoryError& error) {
    // Counting first spares moving every person read so far as the list grows.
    people.reserve(people.size() + CountOn(connection));
    return QueryOn(
        connection, kSelect, {}, [&](Person&& person) { people.push_back(std::move(person)); },
        error);
}

// Every birth as date parts, checked before anything is written so that a bad one costs
// no rollback.
bool BirthsOf(const std::vector<Person>& people, std::vector<modAgeCalc::DateParts>& births,
              const std::string& path, RepositoryError& error) {
    births.resize(people.size());
    for (std::size_t i = 0; i < people.size(); ++i) {
        if (people[i].yearless.IsSet() ? modAgeCalc::IsValidYearless(people[i].yearless)
                                       : modAgeCalc::FromDateValue(people[i].birth, births[i]))
            continue;
        error = RepositoryError::From(
            StoreError(kValueOutOfRange, "The birth date of " + people[i].name +
                                             " lies outside 01/01/0100 to 12/31/9999."),
            path);
        return false;
    }
    return true;
}

// IMMEDIATE takes the write lock at once: a file that cannot be written fails before
// the first row rather than at the commit, and nobody else writes until the commit.
bool BeginWrite(Connection& connection, const std::string& path, Error& e) {
    return connection.Open(path, e) && connection.Execute("BEGIN IMMEDIATE", {}, e);
}

// Inserts on the open transaction and commits; on any failure takes everything back.
bool InsertAndCommit(Connection& connection, std::vector<Person>& people,
                     const std::vector<modAgeCalc::DateParts>& births, RepositoryError& error) {
    Error e;
    // A page cache that holds a large batch whole keeps SQLite from spilling changed
    // pages to the file halfway through, only to write them again at the commit.
    if (connection.Execute("PRAGMA cache_size = -" + std::to_string(CacheKibFor(people.size())), {},
                           e) &&
        InsertAll(connection, people, births, e) && connection.Execute("COMMIT", {}, e))
        return true;
    error = RepositoryError::From(e, connection.Path());
    Error ignored;
    connection.Execute("ROLLBACK", {}, ignored);
    for (Person& person : people) person.key = 0;
    return false;
}

}  // namespace

bool PersonRepository::ReadAll(std::vector<Person>& people, RepositoryError& error) const {
    Connection connection;
    return OpenConnection(connection, path_, error) && ReadAllOn(connection, people, error);
}

bool PersonRepository::ReadOne(std::int32_t key, std::optional<Person>& person,
                               RepositoryError& error) const {
    Connection connection;
    person.reset();
    return OpenConnection(connection, path_, error) &&
           QueryOn(
               connection, std::string(kSelect) + " WHERE lngID = ?", {std::int64_t{key}},
               [&](Person&& found) { person = std::move(found); }, error);
}

bool PersonRepository::AddMany(std::vector<Person>& people, RepositoryError& error) const {
    std::vector<modAgeCalc::DateParts> births;
    if (!BirthsOf(people, births, path_, error)) return false;
    Connection connection;
    Error e;
    if (!BeginWrite(connection, path_, e)) {
        error = RepositoryError::From(e, path_);
        return false;
    }
    return InsertAndCommit(connection, people, births, error);
}

bool PersonRepository::AddChosen(const Chooser& choose, std::vector<Person>& added,
                                 bool& readFailed, RepositoryError& error) const {
    readFailed = true;
    Connection connection;
    Error e;
    if (!BeginWrite(connection, path_, e)) {
        error = RepositoryError::From(e, path_);
        readFailed = error.kind != RepositoryError::Kind::Busy &&
                     error.kind != RepositoryError::Kind::ReadOnly;
        return false;
    }
    std::vector<Person> stored;
    if (!ReadAllOn(connection, stored, error)) return false;
    readFailed = false;
    added = choose(std::move(stored));
    std::vector<modAgeCalc::DateParts> births;
    if (!BirthsOf(added, births, path_, error)) return false;
    return added.empty() || InsertAndCommit(connection, added, births, error);
}

}  // namespace store
