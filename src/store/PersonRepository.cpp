#include "store/PersonRepository.h"

#include <sqlite3.h>

#include <cstdio>

#include "store/BirthText.h"
#include "store/Connection.h"
#include "store/Statement.h"

namespace store {

namespace {

constexpr const char* kSelect = "SELECT lngID, strName, dtmBirth, strComments FROM tblAges";
constexpr const char* kInsert =
    "INSERT INTO tblAges (strName, dtmBirth, strComments) VALUES (?, ?, ?)";

// A name or comment stored as a number still shows as one.
std::string TextOf(const Value& value) {
    if (const auto* text = std::get_if<std::string>(&value)) return *text;
    if (const auto* whole = std::get_if<std::int64_t>(&value)) return std::to_string(*whole);
    if (const auto* real = std::get_if<double>(&value)) {
        char text[32];
        std::snprintf(text, sizeof text, "%.15g", *real);
        return text;
    }
    return {};
}

Person PersonOf(const Statement& row) {
    Person person;
    const Value key = row.Column(0);
    if (const auto* whole = std::get_if<std::int64_t>(&key))
        person.key = static_cast<std::int32_t>(*whole);
    person.name = TextOf(row.Column(1));
    double birth = 0;
    if (modAgeCalc::BirthFromStored(row.Column(2), birth)) person.birth = birth;
    person.comments = TextOf(row.Column(3));
    return person;
}

// Runs `sql` (with one value bound) and hands every row to `take`.
template <class Take>
bool Query(const std::string& path, const std::string& sql, const std::vector<Value>& params,
           Take take, RepositoryError& error) {
    Connection connection;
    Statement statement;
    Error e;
    if (!connection.Open(path, e) || !statement.Prepare(connection.Handle(), sql, path, e) ||
        !statement.Bind(params, e)) {
        error = RepositoryError::From(e, path);
        return false;
    }
    int code = SQLITE_ROW;
    while ((code = statement.Step()) == SQLITE_ROW) take(PersonOf(statement));
    if (code != SQLITE_DONE) {
        error = RepositoryError::From(statement.LastError(code), path);
        return false;
    }
    return true;
}

bool BindText(sqlite3_stmt* stmt, int index, const std::string& text) {
    return sqlite3_bind_text64(stmt, index, text.data(), text.size(), SQLITE_STATIC, SQLITE_UTF8) ==
           SQLITE_OK;
}

// Inserts every person on an open transaction; false at the first failure.
bool InsertAll(Connection& connection, std::vector<Person>& people,
               const std::vector<std::string>& births, Error& e) {
    Statement insert;
    if (!insert.Prepare(connection.Handle(), kInsert, connection.Path(), e)) return false;
    static const std::string kEmptyComment = ".";
    sqlite3_stmt* stmt = insert.Handle();
    for (std::size_t i = 0; i < people.size(); ++i) {
        Person& person = people[i];
        const std::string& comments = person.comments.empty() ? kEmptyComment : person.comments;
        if (!BindText(stmt, 1, person.name) || !BindText(stmt, 2, births[i]) ||
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

}  // namespace

std::string BirthKey(double birth) {
    return modAgeCalc::BirthToIso(birth);
}

bool PersonRepository::ReadAll(std::vector<Person>& people, RepositoryError& error) const {
    return Query(
        path_, kSelect, {}, [&](Person&& person) { people.push_back(std::move(person)); }, error);
}

bool PersonRepository::AddMany(std::vector<Person>& people, RepositoryError& error) const {
    // Every birth is checked before anything is written, so a bad one costs no rollback.
    std::vector<std::string> births;
    births.reserve(people.size());
    for (const Person& person : people) {
        births.push_back(BirthKey(person.birth));
        if (births.back().empty()) {
            error = RepositoryError::From(
                StoreError(kValueOutOfRange, "The birth date of " + person.name +
                                                 " lies outside 01/01/0100 to 12/31/9999."),
                path_);
            return false;
        }
    }
    Connection connection;
    Error e;
    // IMMEDIATE takes the write lock at once, so a file that cannot be written fails
    // before the first row rather than at the commit.
    if (!connection.Open(path_, e) || !connection.Execute("BEGIN IMMEDIATE", {}, e)) {
        error = RepositoryError::From(e, path_);
        return false;
    }
    if (!InsertAll(connection, people, births, e) || !connection.Execute("COMMIT", {}, e)) {
        error = RepositoryError::From(e, path_);
        Error ignored;
        connection.Execute("ROLLBACK", {}, ignored);
        for (Person& person : people) person.key = 0;
        return false;
    }
    return true;
}

bool PersonRepository::FindByNameAndBirth(const std::string& name, double birth,
                                          std::optional<Person>& found,
                                          RepositoryError& error) const {
    found.reset();
    const std::string wanted = BirthKey(birth);
    if (wanted.empty()) return true;
    // The birth may be stored as a text or as a day count, so it is compared here.
    return Query(
        path_, std::string(kSelect) + " WHERE strName = ? ORDER BY lngID", {name},
        [&](Person&& person) {
            if (!found && BirthKey(person.birth) == wanted) found = std::move(person);
        },
        error);
}

}  // namespace store
