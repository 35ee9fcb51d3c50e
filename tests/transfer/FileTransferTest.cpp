#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <set>

#include "TestDatabase.h"
#include "transfer/Exporter.h"
#include "transfer/FileBytes.h"
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
// What is no regular file (a pipe, a device) is refused without being waited on or read
// without end; a read that fails half-way is reported, not thrown; a file far larger
// than any address book is refused with the limit.
TEST(FileTransferTest, RefusesFilesItCannotImport) {
    TestDatabase db;
    const auto at = [&](const char* name) { return (db.dir().path() / name).string(); };
    testsupport::WriteFile(at("cal.ics"), "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nEND:VCALENDAR\r\n");
    testsupport::WriteFile(at("nonames.csv"), "Phone,Birthday\r\n123,1980-01-01\r\n");
    std::filesystem::create_directory(at("folder.csv"));
    ASSERT_EQ(::mkfifo(at("pipe.csv").c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/zero", at("zero.csv"));
    std::filesystem::create_symlink("/proc/self/mem", at("failing.csv"));
    testsupport::WriteFile(at("image.csv"), "Name,Birth\r\n");
    std::filesystem::resize_file(at("image.csv"), transfer::kMaxReadBytes + 1);  // sparse
    const std::string before = FileBytes(db.path());
    for (const char* name : {"missing.csv", "cal.ics", "nonames.csv", "folder.csv", "pipe.csv",
                             "zero.csv", "failing.csv", "image.csv"}) {
        const transfer::ImportResult result =
            transfer::ImportFile(store::PersonRepository(db.path()), at(name));
        EXPECT_TRUE(result.Failed()) << name;
        EXPECT_NE(result.error.find(name), std::string::npos) << result.error;
        EXPECT_NE(result.error.find("Nothing was imported."), std::string::npos) << result.error;
    }
    EXPECT_NE(transfer::ImportFile(store::PersonRepository(db.path()), at("failing.csv"))
                  .error.find(std::strerror(EIO)),
              std::string::npos);
    EXPECT_NE(transfer::ImportFile(store::PersonRepository(db.path()), at("image.csv"))
                  .error.find("larger than 256 MB"),
              std::string::npos);
    EXPECT_EQ(FileBytes(db.path()), before);
}

// Each reason the reader gives for a record reaches the result with the record's line.
TEST(FileTransferTest, EveryReasonFromTheFileReachesTheResult) {
    TestDatabase db;
    const std::string file = (db.dir().path() / "webmail.csv").string();
    testsupport::WriteFile(
        file,
        "Name,Birthday,Notes\r\nNo month,---06,\r\nNo day,--05,\r\n"
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

// Replacing a file through its name: a link is written through and stays, the file
// keeps its permissions, a new file is private, and a link planted where a temporary
// file could go leads nowhere. What is not a regular file, and the files SQLite keeps
// beside the database, are refused and left as they are.
TEST(FileTransferTest, ExportWritesOnlyRegularFilesAndKeepsTheirPermissions) {
    namespace fs = std::filesystem;
    TestDatabase db;
    db.insert("Ann", "1990-01-01 00:00:00", ".");
    const store::PersonRepository repository(db.path());
    const auto at = [&](const char* name) { return (db.dir().path() / name).string(); };
    const auto exportTo = [&](const std::string& path) {
        return transfer::ExportFile(repository, path, exchange::Format::Csv, true);
    };
    const auto modeOf = [](const std::string& path) {
        return fs::status(path).permissions() & fs::perms::all;
    };

    testsupport::WriteFile(at("private.csv"), "old");
    fs::permissions(at("private.csv"), fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink(at("private.csv"), at("link.csv"));
    testsupport::WriteFile(at("victim"), "precious");
    fs::create_symlink(at("victim"), at("new.csv.marrowtide-partial"));
    ASSERT_TRUE(exportTo(at("link.csv")).error.empty());
    ASSERT_TRUE(exportTo(at("new.csv")).error.empty());
    EXPECT_TRUE(fs::is_symlink(at("link.csv")));
    EXPECT_NE(FileBytes(at("private.csv")).find("Ann"), std::string::npos);
    EXPECT_EQ(modeOf(at("private.csv")), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(modeOf(at("new.csv")), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(FileBytes(at("victim")), "precious");

    ASSERT_EQ(::mkfifo(at("pipe.csv").c_str(), 0600), 0);
    const std::string relative = fs::relative(db.path() + "-journal").string();
    for (const std::string& refused :
         {at("pipe.csv"), relative, db.path() + "-wal", db.path() + "-shm"}) {
        const transfer::ExportResult result = exportTo(refused);
        EXPECT_FALSE(result.error.empty()) << refused;
        EXPECT_NE(result.error.find(refused), std::string::npos) << result.error;
    }
    EXPECT_TRUE(fs::is_fifo(at("pipe.csv")));
    EXPECT_FALSE(fs::exists(db.path() + "-journal"));
    const std::vector<fs::path> left(fs::directory_iterator(db.dir().path()), {});
    EXPECT_EQ(left.size(), 7u) << "a temporary file was left behind";
}

// The message names the error of the call that failed, not of the clean-up after it:
// sysfs refuses new files even to root with "Permission denied".
TEST(FileTransferTest, ExportNamesTheErrorThatStoppedIt) {
    TestDatabase db;
    const transfer::ExportResult result = transfer::ExportFile(
        store::PersonRepository(db.path()), "/sys/marrowtide-export.csv", exchange::Format::Csv, true);
    EXPECT_NE(result.error.find(std::strerror(EACCES)), std::string::npos) << result.error;
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
