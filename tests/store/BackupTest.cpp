// Daily copies of the database in the backups folder beside it.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <set>

#include "TestDatabase.h"
#include "platform/ScratchFile.h"
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

BackupResult BackUp(const TestDatabase& db, const std::string& day, int keep = store::kBackupsKept,
                    const store::BackupControl& control = {}) {
    std::string error;
    const BackupResult result = store::BackUpDatabase(db.path(), day, error, keep, control);
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

// The names a copy holds in key order, read with SQLite directly.
std::string NamesIn(const fs::path& copy) {
    sqlite3* handle = nullptr;
    std::string text;
    sqlite3_open_v2(copy.c_str(), &handle, SQLITE_OPEN_READONLY, nullptr);
    const auto add = [](void* out, int, char** values, char**) {
        *static_cast<std::string*>(out) += std::string(values[0]) + ";";
        return 0;
    };
    sqlite3_exec(handle, "SELECT strName FROM tblAges ORDER BY lngId", add, &text, nullptr);
    sqlite3_close_v2(handle);
    return text;
}

// Enough rows for several pages, copied a page at a time: the copy takes many chunks.
store::BackupControl Chunked(TestDatabase& db) {
    db.exec(
        "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 59) "
        "INSERT INTO tblAges (strName, dtmBirth, strComments) "
        "SELECT 'P' || i, '2000-01-01 00:00:00', printf('%.500c', 'c') FROM n");
    store::BackupControl control;
    control.pagesPerStep = 1;
    return control;
}

enum class Kind { Copy, Text, Folder, LinkToCopy, Scratch, OldScratch };

fs::file_time_type TwoHoursAgo() {
    return fs::file_time_type::clock::now() - std::chrono::hours(2);
}

// Rotation counts only what it could have made itself; everything else stays.
TEST(Backup, RotationCountsAndRemovesOnlyItsOwnPastCopies) {
    const struct {
        const char* name;
        Kind kind;
        bool kept;
    } table[] = {
        {"Marrowtide-2026-12-06.mdb", Kind::Copy, true},
        {"Marrowtide-2026-12-05.mdb", Kind::Copy, true},
        {"Marrowtide-2026-12-04.mdb", Kind::Copy, false},
        {"Marrowtide-2025-01-01.mdb", Kind::Copy, false},
        {"Marrowtide-2027-03-01.mdb", Kind::Copy, true},  // a day still to come
        {"Marrowtide-2099-01-01.mdb", Kind::Text, true},
        {"Marrowtide-2026-13-45.mdb", Kind::Copy, true},  // no such day
        {"Marrowtide-2026-02-29.mdb", Kind::Copy, true},  // not a leap year
        {"Marrowtide-2026-12-03.mdb", Kind::Text, true},  // not a database
        {"Marrowtide-2026-12-02.mdb", Kind::Folder, true},
        {"Marrowtide-2026-12-01.mdb", Kind::LinkToCopy, true},
        {".Marrowtide.mdb.backup-a1B2c3", Kind::Scratch, true},      // another program's
        {".Marrowtide.mdb.backup-d4E5f6", Kind::OldScratch, false},  // left by a kill
        {".Marrowtide.mdb.backup-notes", Kind::OldScratch, true},
    };
    TestDatabase db;
    TestDatabase elsewhere;
    fs::create_directories(Backups(db));
    for (const auto& row : table) {
        const fs::path path = Backups(db) / row.name;
        if (row.kind == Kind::Copy) fs::copy_file(elsewhere.path(), path);
        if (row.kind == Kind::Text) testsupport::WriteFile(path.string(), "13 bytes here");
        if (row.kind == Kind::Folder) fs::create_directory(path);
        if (row.kind == Kind::LinkToCopy) fs::create_symlink(elsewhere.path(), path);
        if (row.kind >= Kind::Scratch) testsupport::WriteFile(path.string(), "");
        if (row.kind == Kind::OldScratch) fs::last_write_time(path, TwoHoursAgo());
    }

    EXPECT_EQ(BackUp(db, "2026-12-07", 3), BackupResult::Made);
    const std::set<std::string> names = Names(Backups(db));
    EXPECT_TRUE(names.count("Marrowtide-2026-12-07.mdb"));
    for (const auto& row : table) EXPECT_EQ(names.count(row.name), row.kept ? 1u : 0u) << row.name;
    EXPECT_EQ(names.size(), 1 + std::count_if(std::begin(table), std::end(table),
                                              [](const auto& row) { return row.kept; }));
    EXPECT_TRUE(fs::is_regular_file(elsewhere.path()));
}

// A copy another program is still writing is never taken for one a kill left behind,
// however old it looks; a left one goes also when the day's copy is already there.
TEST(Backup, OnlyScratchFilesNobodyHoldsAreRemoved) {
    TestDatabase db;
    ASSERT_EQ(BackUp(db, "2026-12-07"), BackupResult::Made);
    platform::ScratchFile held;
    std::string error;
    ASSERT_TRUE(held.Create(Backups(db), ".Marrowtide.mdb.backup-", error)) << error;
    const fs::path left = Backups(db) / ".Marrowtide.mdb.backup-x1Y2z3";
    testsupport::WriteFile(left.string(), "");
    for (const fs::path& path : {held.path(), left}) fs::last_write_time(path, TwoHoursAgo());
    EXPECT_EQ(BackUp(db, "2026-12-07"), BackupResult::AlreadyMade);
    EXPECT_TRUE(fs::exists(held.path()));
    EXPECT_FALSE(fs::exists(left));
}

// Something that is not a file under the day's name is reported, never skipped quietly
// and never replaced.
TEST(Backup, AnythingButAFileUnderTheDaysNameIsReported) {
    const struct {
        const char* what;
        std::function<void(const fs::path& name, const TestDatabase& db)> place;
    } table[] = {
        {"folder", [](const fs::path& name, const TestDatabase&) { fs::create_directory(name); }},
        {"link to a copy",
         [](const fs::path& name, const TestDatabase& db) { fs::create_symlink(db.path(), name); }},
        {"pipe", [](const fs::path& name, const TestDatabase&) { ::mkfifo(name.c_str(), 0600); }},
    };
    for (const auto& row : table) {
        TestDatabase db;
        fs::create_directories(Backups(db));
        const fs::path name = Backups(db) / "Marrowtide-2026-12-07.mdb";
        row.place(name, db);
        const fs::file_type before = fs::symlink_status(name).type();
        std::string error;
        EXPECT_EQ(store::BackUpDatabase(db.path(), "2026-12-07", error), BackupResult::Failed)
            << row.what;
        EXPECT_NE(error.find(name.string()), std::string::npos) << row.what << ": " << error;
        EXPECT_EQ(fs::symlink_status(name).type(), before) << row.what;
        EXPECT_EQ(Names(Backups(db)).size(), 1u) << row.what;
    }
}

// Other users on the machine see neither the folder's names nor the copies.
TEST(Backup, FolderAndCopiesAreTheUsersOnly) {
    const mode_t previous = ::umask(022);
    TestDatabase db;
    EXPECT_EQ(BackUp(db, "2026-12-07"), BackupResult::Made);
    ::umask(previous);
    EXPECT_EQ(fs::status(Backups(db)).permissions(), fs::perms::owner_all);
    EXPECT_EQ(fs::status(Backups(db) / "Marrowtide-2026-12-07.mdb").permissions(),
              fs::perms::owner_read | fs::perms::owner_write);
}

// A save between two chunks makes the copy start again: it ends whole, with the save.
TEST(Backup, ASaveDuringTheCopyEndsInAGoodCopyHoldingIt) {
    TestDatabase db;
    store::BackupControl control = Chunked(db);
    int steps = 0;
    control.afterStep = [&] {
        if (++steps == 2) db.insert("Saved meanwhile", "2001-01-01 00:00:00", ".");
    };
    EXPECT_EQ(BackUp(db, "2026-12-07", store::kBackupsKept, control), BackupResult::Made);
    EXPECT_GT(steps, 2);
    const std::string copy = NamesIn(Backups(db) / "Marrowtide-2026-12-07.mdb");
    EXPECT_NE(copy.find("P59;Saved meanwhile;"), std::string::npos) << copy;
}

// Two programs started together: the second to finish finds the day's copy made, keeps
// it, and takes its own copy away again.
TEST(Backup, TwoCopiesAtOnceLeaveOneGoodCopy) {
    TestDatabase db;
    store::BackupControl control = Chunked(db);
    BackupResult inner = BackupResult::Failed;
    control.afterStep = [&, first = true]() mutable {
        if (first) inner = BackUp(db, "2026-12-07");
        first = false;
    };
    EXPECT_EQ(BackUp(db, "2026-12-07", store::kBackupsKept, control), BackupResult::AlreadyMade);
    EXPECT_EQ(inner, BackupResult::Made);
    EXPECT_EQ(Names(Backups(db)), std::set<std::string>{"Marrowtide-2026-12-07.mdb"});
    EXPECT_NE(NamesIn(Backups(db) / "Marrowtide-2026-12-07.mdb").find("P59;"), std::string::npos);
}

}  // namespace
