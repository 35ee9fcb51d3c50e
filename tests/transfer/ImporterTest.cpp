#include <gtest/gtest.h>

#include <chrono>
#include <cmath>

#include "TestDatabase.h"
#include "age/DateValue.h"
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
    return {std::move(name), birth, "", std::move(where), std::move(problem)};
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
        Record("Yearless", 0, "line 5", "the birthday has no year"),
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
        {"in.csv, line 5", "the birthday has no year"},
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
    };
    for (const auto& c : cases) {
        TestDatabase db;
        db.insert("Kept", "1970-01-01 00:00:00", ".");
        db.exec(c.sql);
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

}  // namespace transfertest
