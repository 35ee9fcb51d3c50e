// Daily copies of the database in the backups folder beside it.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <set>

#include "TestDatabase.h"
#include "store/Backup.h"

namespace {

namespace fs = std::filesystem;
using store::BackupResult;
using testsupport::TestDatabase;

fs::path Backups(const TestDatabase& db) {
    return db.dir().path() / "backups";
}

std::set<std::string> Names(const fs::path& folder) {
    std::set<std::string> names;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec))
        names.insert(entry.path().filename().string());
    return names;
}

// The database's folder apart from the backups folder itself.
std::set<std::string> Beside(const TestDatabase& db) {
    std::set<std::string> names = Names(db.dir().path());
    names.erase("backups");
    return names;
}

BackupResult BackUp(const TestDatabase& db, const std::string& day, int keep = store::kBackupsKept) {
    std::string error;
    const BackupResult result = store::BackUpDatabase(db.path(), day, error, keep);
    EXPECT_EQ(result == BackupResult::Failed, !error.empty()) << error;
    return result;
}

TEST(Backup, OneCopyADayHoldingTheDatabaseAsItWasAtTheFirstStart) {
    TestDatabase db;
    db.insert("Ann", "1980-01-02 00:00:00", "first");
    EXPECT_EQ(BackUp(db, "2026-12-07"), BackupResult::Made);
    db.insert("Bob", "1990-03-04 00:00:00", "later");
    EXPECT_EQ(BackUp(db, "2026-12-07"), BackupResult::AlreadyMade);
    EXPECT_EQ(BackUp(db, "2026-12-08"), BackupResult::Made);

    const struct {
        const char* name;
        std::size_t people;
    } table[] = {{"Marrowtide-2026-12-07.mdb", 1}, {"Marrowtide-2026-12-08.mdb", 2}};
    EXPECT_EQ(Names(Backups(db)).size(), std::size(table));
    for (const auto& row : table) {
        testsupport::WriteFile(db.path(), testsupport::FileBytes((Backups(db) / row.name).string()));
        EXPECT_EQ(db.rows().size(), row.people) << row.name;
    }
}

TEST(Backup, KeepsTheNewestCopiesAndLeavesOtherFilesAlone) {
    TestDatabase db;
    fs::create_directories(Backups(db));
    const std::set<std::string> others = {"notes.txt", "Other-2026-01-01.mdb",
                                          "Marrowtide-latest.mdb", "Marrowtide-2026-01-01.mdb.bak"};
    for (const auto& name : others) testsupport::WriteFile((Backups(db) / name).string(), "x");
    for (int day = 1; day <= 12; ++day)
        ASSERT_EQ(BackUp(db, store::BackupDay(2026, 11, day), 10), BackupResult::Made) << day;

    std::set<std::string> expected = others;
    for (int day = 3; day <= 12; ++day)
        expected.insert("Marrowtide-" + store::BackupDay(2026, 11, day) + ".mdb");
    EXPECT_EQ(Names(Backups(db)), expected);
}

// Zeroes the index's root page: the file still opens, but its contents are broken.
void DamageAnIndexPage(TestDatabase& db) {
    db.exec("CREATE INDEX byName ON tblAges(strName)");
    for (int i = 0; i < 50; ++i) db.insert("Person " + std::to_string(i), "2000-01-01 00:00:00", ".");
    sqlite3* handle = nullptr;
    sqlite3_open_v2(db.path().c_str(), &handle, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(handle, "SELECT rootpage FROM sqlite_master WHERE name = 'byName'", -1,
                       &stmt, nullptr);
    ASSERT_EQ(sqlite3_step(stmt), SQLITE_ROW);
    const int page = sqlite3_column_int(stmt, 0);
    sqlite3_finalize(stmt);
    sqlite3_close_v2(handle);
    std::string bytes = testsupport::FileBytes(db.path());
    const std::size_t pageSize = 4096;
    ASSERT_GE(bytes.size(), page * pageSize);
    bytes.replace((page - 1) * pageSize, pageSize, std::string(pageSize, '\0'));
    testsupport::WriteFile(db.path(), bytes);
}

TEST(Backup, FailureLeavesTheDatabaseAndTheFolderWithoutACopy) {
    const struct {
        const char* what;
        std::function<void(TestDatabase&)> prepare;
        bool needsOrdinaryUser;
    } table[] = {
        {"not a database", [](TestDatabase& db) { testsupport::WriteFile(db.path(), std::string(4096, 'x')); }, false},
        {"damaged page", DamageAnIndexPage, false},
        {"backups is a file", [](TestDatabase& db) { testsupport::WriteFile(Backups(db).string(), "x"); }, false},
        {"read-only folder",
         [](TestDatabase& db) {
             fs::create_directories(Backups(db));
             fs::permissions(Backups(db), fs::perms::owner_read | fs::perms::owner_exec);
         },
         true},
    };
    for (const auto& row : table) {
        if (row.needsOrdinaryUser && geteuid() == 0) continue;  // root writes anywhere
        TestDatabase db;
        row.prepare(db);
        const std::string before = testsupport::FileBytes(db.path());
        const std::set<std::string> folderBefore = Beside(db);
        EXPECT_EQ(BackUp(db, "2026-12-07"), BackupResult::Failed) << row.what;
        EXPECT_EQ(testsupport::FileBytes(db.path()), before) << row.what;
        EXPECT_EQ(Beside(db), folderBefore) << row.what;
        if (fs::is_directory(Backups(db))) {
            EXPECT_TRUE(Names(Backups(db)).empty()) << row.what;
        }
    }
}

}  // namespace
