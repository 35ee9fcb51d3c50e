#include "TestDatabase.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "store/Database.h"
#include "store/Schema.h"

namespace testsupport {

namespace {

struct Db {
    sqlite3* handle = nullptr;
    explicit Db(const std::string& path) {
        EXPECT_EQ(sqlite3_open_v2(path.c_str(), &handle, SQLITE_OPEN_READWRITE, nullptr),
                  SQLITE_OK);
        sqlite3_busy_timeout(handle, 5000);
    }
    ~Db() { sqlite3_close_v2(handle); }
};

store::Value ColumnValue(sqlite3_stmt* stmt, int column) {
    switch (sqlite3_column_type(stmt, column)) {
        case SQLITE_NULL:
            return std::monostate{};
        case SQLITE_INTEGER:
            return static_cast<std::int64_t>(sqlite3_column_int64(stmt, column));
        case SQLITE_FLOAT:
            return sqlite3_column_double(stmt, column);
        default: {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
            return std::string(text, static_cast<std::size_t>(sqlite3_column_bytes(stmt, column)));
        }
    }
}

}  // namespace

TestDatabase::TestDatabase(bool createDatabase) {
    if (createDatabase) {
        std::string error;
        EXPECT_TRUE(store::CreateEmptyDatabase(path(), error)) << error;
    }
    modAgeCalc::SetDatabaseFolder(dir_.folder());
}

TestDatabase::~TestDatabase() {
    modAgeCalc::SetDatabaseFolder("");
}

std::string TestDatabase::path() const {
    return dir_.folder() + modAgeCalc::kDatabaseFileName;
}

std::int64_t TestDatabase::insert(const std::string& name, const std::string& birth,
                                  const std::string& comments) {
    Db db(path());
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db.handle,
                       "INSERT INTO tblAges (strName, dtmBirth, strComments) VALUES (?, ?, ?)", -1,
                       &stmt, nullptr);
    sqlite3_bind_text(stmt, 1, name.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_text(stmt, 2, birth.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_text(stmt, 3, comments.c_str(), -1, SQLITE_TRANSIENT);
    EXPECT_EQ(sqlite3_step(stmt), SQLITE_DONE) << sqlite3_errmsg(db.handle);
    sqlite3_finalize(stmt);
    return sqlite3_last_insert_rowid(db.handle);
}

void TestDatabase::add(const std::string& name, const std::string& birth,
                       const std::string& comments, std::optional<std::int32_t> id) {
    Db db(path());
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db.handle,
                       "INSERT INTO tblAges (lngID, strName, dtmBirth, strComments) "
                       "VALUES (?, ?, ?, ?)",
                       -1, &stmt, nullptr);
    // A Null key lets the database choose one.
    if (id) sqlite3_bind_int(stmt, 1, *id);
    sqlite3_bind_text(stmt, 2, name.c_str(), -1, SQLITE_TRANSIENT);
    if (!birth.empty()) sqlite3_bind_text(stmt, 3, birth.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_text(stmt, 4, comments.c_str(), -1, SQLITE_TRANSIENT);
    EXPECT_EQ(sqlite3_step(stmt), SQLITE_DONE) << sqlite3_errmsg(db.handle);
    sqlite3_finalize(stmt);
}

void TestDatabase::remove() const {
    std::filesystem::remove(path());
}

std::vector<TestDatabase::TextRow> TestDatabase::textRows() const {
    std::vector<TextRow> texts;
    const auto text = [](const store::Value& v) {
        const auto* s = std::get_if<std::string>(&v);
        return s ? *s : std::string();
    };
    for (const Row& row : rows())
        texts.push_back({static_cast<std::int32_t>(row.id), text(row.name), text(row.birth),
                         text(row.comments)});
    return texts;
}

std::vector<std::string> TestDatabase::rowTexts(const std::string& separator) const {
    std::vector<std::string> texts;
    for (const TextRow& row : textRows())
        texts.push_back(row.name + separator + row.birth + separator + row.comments);
    return texts;
}

TestDatabase::TextRow TestDatabase::textRowWithKey(std::int32_t key) const {
    for (const TextRow& row : textRows())
        if (row.id == key) return row;
    ADD_FAILURE() << "no row with the key " << key;
    return {};
}

std::vector<TestDatabase::Row> TestDatabase::rows() const {
    Db db(path());
    sqlite3_stmt* stmt = nullptr;
    std::vector<Row> rows;
    EXPECT_EQ(sqlite3_prepare_v2(db.handle,
                                 "SELECT lngID, strName, dtmBirth, strComments FROM tblAges "
                                 "ORDER BY lngID",
                                 -1, &stmt, nullptr),
              SQLITE_OK)
        << sqlite3_errmsg(db.handle);
    while (sqlite3_step(stmt) == SQLITE_ROW)
        rows.push_back({sqlite3_column_int64(stmt, 0), ColumnValue(stmt, 1), ColumnValue(stmt, 2),
                        ColumnValue(stmt, 3)});
    sqlite3_finalize(stmt);
    return rows;
}

void TestDatabase::exec(const std::string& sql) const {
    Db db(path());
    char* message = nullptr;
    EXPECT_EQ(sqlite3_exec(db.handle, sql.c_str(), nullptr, nullptr, &message), SQLITE_OK)
        << (message ? message : "") << " in " << sql;
    sqlite3_free(message);
}

std::string FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

}  // namespace testsupport
