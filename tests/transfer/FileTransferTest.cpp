#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "TestDatabase.h"
#include "transfer/Exporter.h"
#include "transfer/Importer.h"

namespace transfertest {

namespace {

using testsupport::FileBytes;
using testsupport::TestDatabase;

std::vector<std::string> Stored(const TestDatabase& db) {
    return db.rowTexts("|");
}

}  // namespace

// What is exported as CSV or vCard comes back the same to the second when imported
// into an empty database; the imported file is left exactly as it was.
TEST(FileTransferTest, ExportThenImportGivesTheSamePeople) {
    TestDatabase source;
    source.insert("Zoë Ångström", "1980-03-15 14:30:05", "Café, \"best\" friend\nsecond line");
    source.insert("Ли Лэй", "1992-02-29 00:00:00", ".");
    source.insert("山田 太郎", "1975-12-31 23:59:59", "a;b\\c");
    for (const char* name : {"people.csv", "people.vcf"}) {
        const std::string file = (source.dir().path() / name).string();
        const transfer::ExportResult exported = transfer::ExportFile(
            store::PersonRepository(source.path()), file, *exchange::DetectFormat({}, name), false);
        ASSERT_TRUE(exported.error.empty()) << name << ": " << exported.error;
        EXPECT_EQ(exported.exported, 3);
        const std::string bytes = FileBytes(file);

        TestDatabase target;
        const transfer::ImportResult imported =
            transfer::ImportFile(store::PersonRepository(target.path()), file);
        EXPECT_FALSE(imported.Failed()) << name << ": " << imported.error;
        EXPECT_EQ(imported.imported, 3) << name;
        auto expected = Stored(source), actual = Stored(target);
        std::sort(expected.begin(), expected.end());
        std::sort(actual.begin(), actual.end());
        EXPECT_EQ(actual, expected) << name;
        EXPECT_EQ(FileBytes(file), bytes) << name;
    }
}

// A file that cannot be imported as a whole changes nothing and is named in the reason.
TEST(FileTransferTest, RefusesFilesItCannotImport) {
    TestDatabase db;
    const auto at = [&](const char* name) { return (db.dir().path() / name).string(); };
    testsupport::WriteFile(at("cal.ics"), "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nEND:VCALENDAR\r\n");
    testsupport::WriteFile(at("nonames.csv"), "Phone,Birthday\r\n123,1980-01-01\r\n");
    std::filesystem::create_directory(at("folder.csv"));
    const std::string before = FileBytes(db.path());
    for (const char* name : {"missing.csv", "cal.ics", "nonames.csv", "folder.csv"}) {
        const transfer::ImportResult result =
            transfer::ImportFile(store::PersonRepository(db.path()), at(name));
        EXPECT_TRUE(result.Failed()) << name;
        EXPECT_NE(result.error.find(name), std::string::npos) << result.error;
        EXPECT_NE(result.error.find("Nothing was imported."), std::string::npos) << result.error;
    }
    EXPECT_EQ(FileBytes(db.path()), before);
}

// Each reason the reader gives for a record reaches the result with the record's line.
TEST(FileTransferTest, EveryReasonFromTheFileReachesTheResult) {
    TestDatabase db;
    const std::string file = (db.dir().path() / "webmail.csv").string();
    testsupport::WriteFile(
        file,
        "Name,Birthday,Notes\r\nYearless,--05-06,\r\nPlaceholder,1604-05-06,\r\n"
        "Impossible,2001-02-30,\r\nEmpty,,\r\n,1990-01-01,\r\nKept,1990-01-01,\r\n");
    const transfer::ImportResult result =
        transfer::ImportFile(store::PersonRepository(db.path()), file);
    EXPECT_EQ(result.imported, 1);
    ASSERT_EQ(result.skipped.size(), 5u);
    std::set<std::string> reasons;
    for (std::size_t i = 0; i < result.skipped.size(); ++i) {
        EXPECT_EQ(result.skipped[i].where, "webmail.csv, line " + std::to_string(i + 2));
        reasons.insert(result.skipped[i].reason);
    }
    EXPECT_EQ(reasons.size(), 5u) << "each record has its own reason";
    EXPECT_EQ(reasons.count(""), 0u);
}

// Export lists people by name whatever their case, leaves out a birth that is no date,
// and replaces an existing file only when allowed to.
TEST(FileTransferTest, ExportsInNameOrderAndReplacesOnlyWhenAllowed) {
    TestDatabase db;
    db.insert("bob", "1990-01-01 00:00:00", ".");
    db.insert("No Date", "", ".");
    db.insert("Alice", "1985-05-05 00:00:00", ".");
    db.insert("Émile", "1970-07-07 00:00:00", ".");
    const std::string file = (db.dir().path() / "out.csv").string();
    testsupport::WriteFile(file, "keep me");
    const store::PersonRepository repository(db.path());

    transfer::ExportResult refused =
        transfer::ExportFile(repository, file, exchange::Format::Csv, false);
    EXPECT_TRUE(refused.fileExists);
    EXPECT_EQ(FileBytes(file), "keep me");

    transfer::ExportResult done =
        transfer::ExportFile(repository, file, exchange::Format::Csv, true);
    ASSERT_TRUE(done.error.empty()) << done.error;
    EXPECT_EQ(done.exported, 3);
    EXPECT_EQ(done.leftOut, 1);
    const std::string bytes = FileBytes(file);
    EXPECT_LT(bytes.find("Alice"), bytes.find("bob"));
    EXPECT_LT(bytes.find("bob"), bytes.find("Émile"));
    EXPECT_EQ(bytes.find("No Date"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(file + ".marrowtide-partial"));
}

// Stored text that is not UTF-8 (another tool wrote it) is written with U+FFFD in place
// of the bad bytes by every writer, and the result counts the people it touched.
TEST(FileTransferTest, ExportRepairsTextThatIsNotUtf8) {
    TestDatabase db;
    db.insert("Good", "1990-01-01 00:00:00", ".");
    db.insert("X", "1990-01-01 00:00:00", "note");
    db.insert("Y", "1990-01-01 00:00:00", "note");
    db.exec("UPDATE tblAges SET strName = CAST(x'41" + std::string(200, '8') +
            "' AS TEXT) WHERE strName = 'X'");
    db.exec("UPDATE tblAges SET strComments = CAST(x'FF42' AS TEXT) WHERE strName = 'Y'");
    for (const char* name : {"out.csv", "out.vcf", "out.ics"}) {
        const std::string file = (db.dir().path() / name).string();
        const transfer::ExportResult result = transfer::ExportFile(
            store::PersonRepository(db.path()), file, *exchange::DetectFormat({}, name), true);
        ASSERT_TRUE(result.error.empty()) << result.error;
        EXPECT_EQ(result.repaired, 2) << name;
        EXPECT_NE(FileBytes(file).find("A\xEF\xBF\xBD"), std::string::npos) << name;
    }
}

}  // namespace transfertest
