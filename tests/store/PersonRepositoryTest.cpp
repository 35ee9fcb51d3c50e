#include <gtest/gtest.h>
#include <sqlite3.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>
#include <limits>

#include "TestDatabase.h"
#include "age/DateValue.h"
#include "store/Connection.h"
#include "store/PersonRepository.h"

namespace storetest {

using testsupport::FileBytes;
using testsupport::TestDatabase;
using testsupport::WriteFile;

namespace {

using Kind = store::RepositoryError::Kind;

double Birth(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    return modAgeCalc::ToDateValue({y, mo, d, h, mi, s});
}

// A second program's connection that holds the write lock for as long as it lives.
struct WriteLock {
    sqlite3* db = nullptr;
    explicit WriteLock(const std::string& path) {
        sqlite3_open(path.c_str(), &db);
        sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    }
    ~WriteLock() { sqlite3_close(db); }
};

}  // namespace

// What is added reads back as given (keys assigned, an empty comment as ".").
TEST(PersonRepositoryTest, AddsAndReadsBack) {
    TestDatabase db;
    db.insert("Day Count", "", ".");
    db.exec("UPDATE tblAges SET dtmBirth = 29295.5 WHERE strName = 'Day Count'");
    const store::PersonRepository repository(db.path());
    std::vector<store::Person> added = {{0, "Ann", Birth(1980, 3, 15, 14, 30, 5), "", {}},
                                        {0, "Bo, \"B\"\n", Birth(1992, 2, 29), "note", {}}};
    store::RepositoryError error;
    ASSERT_TRUE(repository.AddMany(added, error)) << error.message;
    EXPECT_EQ(added[0].key, 2);
    EXPECT_EQ(added[1].key, 3);

    std::vector<store::Person> all;
    ASSERT_TRUE(repository.ReadAll(all, error));
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all[1].comments, ".");
    EXPECT_EQ(all[2].name, "Bo, \"B\"\n");
    EXPECT_NEAR(all[1].birth, Birth(1980, 3, 15, 14, 30, 5), 1e-9);
}

// A birthday without a year is written as "--MM-DD" (with the time of day when it has
// one) and read back as such, never as a date; texts near the form stay unreadable.
TEST(PersonRepositoryTest, KeepsBirthdaysWithoutAYear) {
    TestDatabase db;
    const store::PersonRepository repository(db.path());
    std::vector<store::Person> added = {{0, "Ann", NAN, "", {12, 8, 0, 0, 0}},
                                        {0, "Bo", NAN, "", {2, 29, 8, 30, 0}}};
    store::RepositoryError error;
    ASSERT_TRUE(repository.AddMany(added, error)) << error.message;
    const auto rows = db.textRows();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].birth, "--12-08");
    EXPECT_EQ(rows[1].birth, "--02-29 08:30:00");

    std::vector<store::Person> bad = {{0, "Cy", NAN, "", {2, 30, 0, 0, 0}}};
    EXPECT_FALSE(repository.AddMany(bad, error));
    EXPECT_EQ(error.kind, Kind::BadValue);

    db.insert("Text 1", "--1208", ".");
    db.insert("Text 2", "--12-08T07:05", ".");
    std::vector<store::Person> all;
    ASSERT_TRUE(repository.ReadAll(all, error));
    ASSERT_EQ(all.size(), 4u);
    const modAgeCalc::YearlessBirth expected[] = {
        {12, 8, 0, 0, 0}, {2, 29, 8, 30, 0}, {}, {12, 8, 7, 5, 0}};
    for (std::size_t i = 0; i < all.size(); ++i) {
        EXPECT_EQ(all[i].yearless, expected[i]) << all[i].name;
        EXPECT_TRUE(std::isnan(all[i].birth)) << all[i].name;
    }
}

// Whatever stops the write, nothing of the batch is stored and the failure says what
// kind it is; a failure halfway through takes back the rows already written.
TEST(PersonRepositoryTest, AddManyStoresAllOrNothing) {
    store::SetBusyTimeout(std::chrono::milliseconds(100));
    const struct {
        const char* label;
        std::function<void(TestDatabase&)> spoil;
        Kind kind;
    } cases[] = {
        {"read-only from the third row on",
         [](TestDatabase& db) {
             db.exec(
                 "CREATE TRIGGER stop BEFORE INSERT ON tblAges "
                 "WHEN (SELECT count(*) FROM tblAges) >= 3 "
                 "BEGIN SELECT RAISE(ABORT, 'attempt to write a readonly database'); END");
         },
         Kind::Failed},
        {"no birth date", [](TestDatabase&) {}, Kind::BadValue},
        {"file gone", [](TestDatabase& db) { std::remove(db.path().c_str()); }, Kind::Missing},
        {"not a database", [](TestDatabase& db) { WriteFile(db.path(), "Name,Birth\r\n"); },
         Kind::NotADatabase},
    };
    for (const auto& c : cases) {
        TestDatabase db;
        db.insert("Kept", "1970-01-01 00:00:00", ".");
        c.spoil(db);
        std::vector<store::Person> people;
        for (int i = 0; i < 4; ++i)
            people.push_back({0, "P" + std::to_string(i), Birth(2000, 1, 1 + i), "", {}});
        if (c.kind == Kind::BadValue) people[2].birth = std::nan("");
        const std::string before = FileBytes(db.path());
        store::RepositoryError error;
        EXPECT_FALSE(store::PersonRepository(db.path()).AddMany(people, error)) << c.label;
        EXPECT_EQ(error.kind, c.kind) << c.label << ": " << error.message;
        EXPECT_FALSE(error.message.empty()) << c.label;
        EXPECT_EQ(FileBytes(db.path()), before) << c.label;
        for (const store::Person& p : people) EXPECT_EQ(p.key, 0) << c.label;
    }
    {
        TestDatabase db;
        WriteLock lock(db.path());
        std::vector<store::Person> people = {{0, "Ann", Birth(2000, 1, 1), "", {}}};
        store::RepositoryError error;
        EXPECT_FALSE(store::PersonRepository(db.path()).AddMany(people, error));
        EXPECT_EQ(error.kind, Kind::Busy) << error.message;
    }
    store::SetBusyTimeout(std::chrono::milliseconds(5000));
}

}  // namespace storetest
