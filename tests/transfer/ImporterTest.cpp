#include <gtest/gtest.h>
#include <sqlite3.h>

#include <chrono>
#include <cmath>
#include <latch>
#include <limits>
#include <thread>

#include "TestDatabase.h"
#include "age/DateValue.h"
#include "platform/Translate.h"
#include "store/Connection.h"
#include "transfer/IdentitySet.h"
#include "transfer/Importer.h"
#include "transfer/ResultText.h"

namespace transfertest {

namespace {

using exchange::ImportRecord;
using testsupport::TestDatabase;

double Birth(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    return modAgeCalc::ToDateValue({y, mo, d, h, mi, s});
}

ImportRecord Record(std::string name, double birth, std::string where, std::string problem = "") {
    return {std::move(name), birth, "", std::move(where), std::move(problem), {}};
}

// Name, birth and comments of every stored person, in the table's order.
std::vector<std::string> People(const TestDatabase& db) {
    return db.rowTexts(" ");
}

}  // namespace

// Each reason a record can be left out reaches the result with the record's place, and
// only the usable records are stored; a second import of the same records adds nobody.
TEST(ImporterTest, SkipsEveryUnusableRecordWithItsPlaceAndReason) {
    TestDatabase db;
    db.insert("Stored", "1970-06-01 08:00:00", ".");
    std::vector<ImportRecord> records = {
        Record("Ann", Birth(1980, 3, 15, 14, 30), "line 2"),
        Record("", Birth(1980, 1, 1), "line 3"),
        Record(" \t", Birth(1980, 1, 1), "line 4"),
        Record("No month", 0, "line 5", "the birthday has no month"),
        Record("Far", 5e6, "line 6"),
        Record("Stored", Birth(1970, 6, 1, 8), "line 7"),
        Record("Ann", Birth(1980, 3, 15, 14, 30), "line 8"),
        Record("Ann", Birth(1980, 3, 15, 14, 31), "line 9"),
        Record("Stored", Birth(1970, 6, 1, 8, 0, 1), "line 10"),
    };
    records[7].comments = "same day, other minute";
    const transfer::ImportResult result =
        transfer::ImportRecords(store::PersonRepository(db.path()), records, "in.csv");

    ASSERT_FALSE(result.Failed()) << result.error;
    EXPECT_EQ(result.imported, 3);
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"in.csv, line 3", transfer::kNoName},
        {"in.csv, line 4", transfer::kNoName},
        {"in.csv, line 5", "the birthday has no month"},
        {"in.csv, line 6", transfer::kOutOfRange},
        {"in.csv, line 7", transfer::kAlreadyStored},
        {"in.csv, line 8", transfer::kAlreadyStored},
    };
    ASSERT_EQ(result.skipped.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(result.skipped[i].where, expected[i].first);
        EXPECT_EQ(result.skipped[i].reason, expected[i].second);
        EXPECT_EQ(result.skipped[i].alreadyStored, expected[i].second == transfer::kAlreadyStored);
    }
    EXPECT_TRUE(result.SkippedForProblems());
    EXPECT_EQ(People(db),
              (std::vector<std::string>{"Stored 1970-06-01 08:00:00 .", "Ann 1980-03-15 14:30:00 .",
                                        "Ann 1980-03-15 14:31:00 same day, other minute",
                                        "Stored 1970-06-01 08:00:01 ."}));

    const std::vector<ImportRecord> again(records.begin() + 5, records.end());
    const transfer::ImportResult second =
        transfer::ImportRecords(store::PersonRepository(db.path()), again, "in.csv");
    EXPECT_EQ(second.imported, 0);
    EXPECT_EQ(second.skipped.size(), again.size());
    EXPECT_FALSE(second.SkippedForProblems());
    EXPECT_EQ(db.rows().size(), 4u);
}

// "Already stored" is the same name, compared in its composed Unicode form, and the same
// birth to the second, however the birth is stored.
TEST(ImporterTest, AlreadyStoredMeansSameNameAndSameSecond) {
    TestDatabase db;
    db.insert("Ann", "1980-03-15 14:30:05", ".");
    db.insert("Day Count", "", ".");
    db.exec("UPDATE tblAges SET dtmBirth = 29295.5 WHERE strName = 'Day Count'");
    db.insert("Zo\xC3\xAB", "1990-01-01 00:00:00", ".");    // composed
    db.insert("Rene\xCC\x81", "1991-01-01 00:00:00", ".");  // decomposed
    const struct {
        const char* name;
        double birth;
        bool stored;
    } cases[] = {
        {"Ann", Birth(1980, 3, 15, 14, 30, 5), true},
        {"Ann", Birth(1980, 3, 15, 14, 30, 6), false},
        {"ann", Birth(1980, 3, 15, 14, 30, 5), false},
        {"Day Count", Birth(1980, 3, 15, 12), true},
        {"Zoe\xCC\x88", Birth(1990, 1, 1), true},
        {"Ren\xC3\xA9", Birth(1991, 1, 1), true},
        {"Ren\xC3\xA9", Birth(1991, 1, 2), false},
    };
    for (const auto& c : cases) {
        const transfer::ImportResult result = transfer::ImportRecords(
            store::PersonRepository(db.path()), {Record(c.name, c.birth, "line 2")}, "");
        EXPECT_EQ(result.imported, c.stored ? 0 : 1) << c.name << " " << c.birth;
    }
    // The name is stored as the file wrote it.
    EXPECT_EQ(db.textRows().back().name, "Ren\xC3\xA9");
}

// A birthday without a year is stored as such, and "already stored" compares the stored
// form: the same name and --MM-DD (with its time of day), never a birth with a year.
TEST(ImporterTest, BirthdaysWithoutAYearAreStoredAndComparedAsStored) {
    TestDatabase db;
    db.insert("Ann", "--12-08", ".");
    db.insert("Bo", "1980-12-08 00:00:00", ".");
    db.insert("Cy", "--02-29 08:30:00", ".");
    const struct {
        const char* name;
        modAgeCalc::YearlessBirth yearless;
        double birth;
        bool stored;
    } cases[] = {
        {"Ann", {12, 8}, 0, true},
        {"Ann", {12, 8, 0, 0, 1}, 0, false},
        {"Ann", {}, Birth(1980, 12, 8), false},
        {"Ann", {}, Birth(1899, 12, 30), false},
        {"Bo", {12, 8}, 0, false},
        {"Cy", {2, 29, 8, 30}, 0, true},
        {"Cy", {2, 28, 8, 30}, 0, false},
        {"Cy", {3, 1, 8, 30}, 0, false},
    };
    for (const auto& c : cases) {
        ImportRecord record = Record(c.name, c.birth, "line 2");
        record.yearless = c.yearless;
        const transfer::ImportResult result =
            transfer::ImportRecords(store::PersonRepository(db.path()), {record, record}, "");
        EXPECT_EQ(result.imported, c.stored ? 0 : 1) << c.name << " " << c.yearless.day;
        EXPECT_EQ(result.skipped.size(), c.stored ? 2u : 1u) << c.name << " " << c.yearless.day;
    }
    EXPECT_EQ(People(db), (std::vector<std::string>{
                              "Ann --12-08 .", "Bo 1980-12-08 00:00:00 .", "Cy --02-29 08:30:00 .",
                              "Ann --12-08 00:00:01 .", "Ann 1980-12-08 00:00:00 .",
                              "Ann 1899-12-30 00:00:00 .", "Bo --12-08 .", "Cy --02-28 08:30:00 .",
                              "Cy --03-01 08:30:00 ."}));
}

// Two imports of the same file at once store everyone once: the check and the inserts
// share one write transaction.
TEST(ImporterTest, TwoImportsAtOnceStoreEveryoneOnce) {
    TestDatabase db;
    std::vector<ImportRecord> records;
    for (int i = 0; i < 2000; ++i)
        records.push_back(Record("P" + std::to_string(i), Birth(2000, 1, 1 + i % 28), "line"));
    for (int round = 0; round < 5; ++round) {
        transfer::ImportResult results[2];
        std::latch start(2);
        const auto run = [&](int k) {
            start.arrive_and_wait();
            results[k] = transfer::ImportRecords(store::PersonRepository(db.path()), records, "");
        };
        std::thread a(run, 0), b(run, 1);
        a.join();
        b.join();
        EXPECT_EQ(db.rows().size(), records.size()) << "round " << round;
        EXPECT_EQ(results[0].imported + results[1].imported, round == 0 ? 2000 : 0);
        EXPECT_FALSE(results[0].Failed() || results[1].Failed())
            << results[0].error << results[1].error;
    }
}

// When the database cannot be written, even from halfway through, nothing is imported
// and the result says why.
TEST(ImporterTest, ImportsAllOrNothing) {
    store::SetBusyTimeout(std::chrono::milliseconds(100));
    const struct {
        const char* label;
        const char* sql;
        const char* says;
    } cases[] = {
        {"read-only after two rows",
         "CREATE TRIGGER stop BEFORE INSERT ON tblAges WHEN (SELECT count(*) FROM tblAges) >= 3 "
         "BEGIN SELECT RAISE(ABORT, 'attempt to write a readonly database'); END",
         "The database could not be written: attempt to write a readonly database."},
        {"no person table", "DROP TABLE tblAges", "The database could not be read: no such table"},
        {"locked by another program", "", "The database could not be written: database is locked"},
    };
    for (const auto& c : cases) {
        TestDatabase db;
        db.insert("Kept", "1970-01-01 00:00:00", ".");
        sqlite3* other = nullptr;
        if (*c.sql) {
            db.exec(c.sql);
        } else {
            sqlite3_open(db.path().c_str(), &other);
            sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
        }
        std::vector<ImportRecord> records;
        for (int i = 1; i <= 5; ++i)
            records.push_back(
                Record("P" + std::to_string(i), Birth(2000, 1, i), "card " + std::to_string(i)));
        const std::string before = testsupport::FileBytes(db.path());
        const transfer::ImportResult result =
            transfer::ImportRecords(store::PersonRepository(db.path()), records, "phone.vcf");
        EXPECT_TRUE(result.Failed()) << c.label;
        EXPECT_EQ(result.imported, 0) << c.label;
        EXPECT_EQ(result.error.rfind(c.says, 0), 0u) << c.label << ": " << result.error;
        EXPECT_NE(result.error.find("Nothing was imported."), std::string::npos) << c.label;
        EXPECT_EQ(testsupport::FileBytes(db.path()), before) << c.label;
        sqlite3_close(other);
    }
    store::SetBusyTimeout(std::chrono::milliseconds(5000));
}

// The set keeps finding what it holds when it meets more than it was sized for.
TEST(ImporterTest, IdentitySetGrowsBeyondWhatItExpected) {
    transfer::IdentitySet set(1);
    std::vector<std::string> names;
    for (int i = 0; i < 100; ++i) names.push_back("P" + std::to_string(i % 10));
    for (int i = 0; i < 100; ++i) EXPECT_TRUE(set.Insert({names[i], i / 10})) << i;
    for (int i = 0; i < 100; ++i) EXPECT_FALSE(set.Insert({names[i], i / 10})) << i;
    EXPECT_FALSE(set.Contains({"P1", 10}));
}

// The report lists the first records left out and counts the rest.
TEST(ImporterTest, ReportShowsTheFirstSkippedRecordsAndCountsTheRest) {
    transfer::ImportResult result;
    result.imported = 1;
    for (int i = 1; i <= 22; ++i)
        result.skipped.push_back({"card " + std::to_string(i), "why", false});
    const std::string report = transfer::ImportReport(result, 20);
    EXPECT_EQ(report.rfind("Imported 1 person, skipped 22.\n\ncard 1: why\n", 0), 0u) << report;
    EXPECT_NE(report.find("\ncard 20: why\n... and 2 more."), std::string::npos) << report;
    EXPECT_EQ(report.find("card 21"), std::string::npos) << report;
    result.error = "The database could not be written: disk full. Nothing was imported.";
    EXPECT_EQ(transfer::ImportReport(result, 20), result.error);
}

// The texts of an import reach the user through the translation seam, the numbers filled
// in wherever the translation puts them.
TEST(ImporterTest, ImportTextsGoThroughTheTranslator) {
    const platform::Translator old = platform::SetTranslator(
        +[](const char*, const char* text) { return "<" + std::string(text) + ">"; });
    TestDatabase db;
    const transfer::ImportResult result = transfer::ImportRecords(
        store::PersonRepository(db.path()),
        exchange::ReadVCard("BEGIN:VCARD\nFN:A\nEND:VCARD\n").records, "f.vcf");
    EXPECT_EQ(transfer::ImportReport(result, 20),
              "<Imported 0 people, skipped 1.>\n\nf.vcf, <card 1>: <no birthday>");
    EXPECT_EQ(platform::Filled("%2-%1", {"a", "b"}), "b-a");
    platform::SetTranslator(old);
}

}  // namespace transfertest
