// Saving people when steps fail: which dialogs are asked, what the answers do, what
// the result says and what is (not) written.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <chrono>
#include <cmath>
#include <filesystem>
#include <functional>
#include <limits>

#include "ScriptedMessageBox.h"
#include "TestDatabase.h"
#include "store/Connection.h"
#include "store/PersonStore.h"
#include "store/Schema.h"

#ifndef _WIN32
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

using modAgeCalc::SavePerson;
using platform::MsgAnswer;
using store::Value;
using testsupport::TestDatabase;

constexpr double kBirth = 29280.5;  // 02/29/1980 12:00

int NumberIn(const std::string& text) {
    return std::stoi(text.substr(text.find(' ') + 1));
}

std::vector<int> NumbersAsked(const testsupport::ScriptedMessageBox& box) {
    std::vector<int> numbers;
    for (const auto& a : box.asked()) numbers.push_back(NumberIn(a.text));
    return numbers;
}

// True when nobody holds the file: an exclusive lock is granted without waiting.
bool NobodyHoldsTheFile(const std::string& path) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
    const bool free =
        sqlite3_exec(db, "BEGIN EXCLUSIVE; COMMIT;", nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close_v2(db);
    return free;
}

// Another program's connection, for holding locks on the file.
struct OtherProgram {
    sqlite3* db = nullptr;
    explicit OtherProgram(const std::string& path) {
        sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
    }
    ~OtherProgram() { sqlite3_close_v2(db); }
    void run(const char* sql) {
        ASSERT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sql;
    }
};

struct ShortBusyWait {
    ShortBusyWait() { store::SetBusyTimeout(std::chrono::milliseconds(150)); }
    ~ShortBusyWait() { store::SetBusyTimeout(std::chrono::milliseconds(5000)); }
};

TEST(SavePersonFails, MissingFileAskedOnceThenAbortReturnsTheTextAndCreatesNothing) {
    TestDatabase db(false);
    testsupport::ScriptedMessageBox box{MsgAnswer::Abort};
    const std::string result = SavePerson(0, "Ann", kBirth, "");
    const std::string expected =
        "Error: 14 - unable to open database file (" + db.path() + ")\r\nFrom: SQLite.";
    ASSERT_EQ(box.count(), 1u);
    EXPECT_EQ(box.asked()[0].text, expected);
    EXPECT_EQ(box.asked()[0].title, "An Error Occured!");
    EXPECT_EQ(box.asked()[0].style, 306);
    EXPECT_EQ(result, expected);
    EXPECT_FALSE(std::filesystem::exists(db.path()));
}

TEST(SavePersonFails, IgnoredFailuresLetEachLaterStepFailInTurn) {
    const struct {
        std::int32_t key;
        std::vector<int> numbers;
    } table[] = {
        // Adding stops after the new row could not be added: nothing may be written.
        {0, {14, store::kConnectionUnusable, store::kObjectClosed}},
        {7,
         {14, store::kConnectionUnusable, store::kObjectClosed, store::kObjectClosed,
          store::kObjectClosed, store::kObjectClosed}},
    };
    for (const auto& row : table) {
        TestDatabase db(false);
        testsupport::ScriptedMessageBox box;
        box.setFallback(MsgAnswer::Ignore);
        const std::string result = SavePerson(row.key, "Ann", kBirth, "");
        EXPECT_EQ(NumbersAsked(box), row.numbers) << row.key;
        EXPECT_EQ(result, box.asked().back().text);
        EXPECT_FALSE(std::filesystem::exists(db.path()));
    }
}

TEST(SavePersonFails, RetryRunsTheStepAgainUntilAnotherAnswer) {
    const struct {
        MsgAnswer last;
    } table[] = {{MsgAnswer::Abort}, {MsgAnswer::Cancel}, {MsgAnswer::None}};
    for (const auto& row : table) {
        TestDatabase db(false);
        testsupport::ScriptedMessageBox box{MsgAnswer::Retry, MsgAnswer::Retry, row.last};
        box.setFallback(MsgAnswer::Ignore);  // must not be reached
        EXPECT_NE(SavePerson(0, "Ann", kBirth, ""), "");
        EXPECT_EQ(NumbersAsked(box), (std::vector<int>{14, 14, 14}));
    }
}

TEST(SavePersonFails, RetryThatSucceedsAfterTheFileAppearsIsASuccess) {
    TestDatabase db(false);
    testsupport::ScriptedMessageBox box;
    box.answerWith([&](const std::string&) {
        std::string error;
        EXPECT_TRUE(store::CreateEmptyDatabase(db.path(), error)) << error;
        return MsgAnswer::Retry;
    });
    EXPECT_EQ(SavePerson(0, "Ann", kBirth, ""), "");
    EXPECT_EQ(box.count(), 1u);
    ASSERT_EQ(db.rows().size(), 1u);
    EXPECT_EQ(db.rows()[0].name, Value(std::string("Ann")));
}

TEST(SavePersonFails, ForeignFileFailsAtOpenAndIsLeftAlone) {
    TestDatabase db(false);
    const std::string bytes = "lngID;strName\n1;Ann\n";
    testsupport::WriteFile(db.path(), bytes);
    testsupport::ScriptedMessageBox box{MsgAnswer::Abort};
    EXPECT_NE(SavePerson(0, "Ann", kBirth, ""), "");
    EXPECT_EQ(NumbersAsked(box), std::vector<int>{26});
    EXPECT_EQ(testsupport::FileBytes(db.path()), bytes);
}

TEST(SavePersonFails, DatabaseWithoutThePersonTableFailsAtTheQuery) {
    TestDatabase db(false);
    testsupport::WriteFile(db.path(), "");  // an empty file is an empty SQLite database
    db.exec("CREATE TABLE other (x)");
    testsupport::ScriptedMessageBox box{MsgAnswer::Abort};
    const std::string result = SavePerson(0, "Ann", kBirth, "");
    EXPECT_EQ(NumbersAsked(box), std::vector<int>{1});
    EXPECT_NE(result.find("no such table: tblAges"), std::string::npos) << result;
    EXPECT_TRUE(NobodyHoldsTheFile(db.path()));
}

TEST(SavePersonFails, KeyThatNoLongerExistsFailsEveryFieldStepAndWritesNothing) {
    TestDatabase db;
    db.insert("Ann", "2000-01-01 00:00:00", ".");
    const auto before = db.rows();
    testsupport::ScriptedMessageBox box;
    box.setFallback(MsgAnswer::Ignore);
    const std::string result =
        SavePerson(static_cast<std::int32_t>(before[0].id + 1), "Bob", kBirth, "");
    EXPECT_EQ(NumbersAsked(box), std::vector<int>(4, store::kNoCurrentRow));
    EXPECT_EQ(result, box.asked().back().text);
    EXPECT_EQ(db.rows(), before);
}

TEST(SavePersonFails, IgnoredFieldStepWritesTheRowWithoutThatColumn) {
    TestDatabase db;
    testsupport::ScriptedMessageBox box{MsgAnswer::Ignore};
    const std::string result = SavePerson(0, "Ann", std::numeric_limits<double>::quiet_NaN(), "c");
    EXPECT_EQ(NumbersAsked(box), std::vector<int>{store::kValueOutOfRange});
    EXPECT_NE(result, "");  // the row lacks the birth: not a success
    const auto rows = db.rows();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].name, Value(std::string("Ann")));
    EXPECT_TRUE(store::IsNull(rows[0].birth));
    EXPECT_EQ(rows[0].comments, Value(std::string("c")));
}

TEST(SavePersonFails, IgnoreAfterAFailedAddNeverWritesIntoAnotherRow) {
    TestDatabase db(false);
    testsupport::WriteFile(db.path(), "");
    // A table without its integer key offers no way to add a row.
    db.exec(
        "CREATE TABLE tblAges (lngID INT, strName TEXT, dtmBirth, strComments TEXT);"
        "INSERT INTO tblAges VALUES (1, 'Ann', '2000-01-01', 'keep me');");
    const auto before = db.rows();
    testsupport::ScriptedMessageBox box;
    box.setFallback(MsgAnswer::Ignore);
    EXPECT_NE(SavePerson(0, "Intruder", kBirth, "overwrite"), "");
    EXPECT_EQ(NumbersAsked(box), std::vector<int>{store::kNotUpdatable});
    EXPECT_EQ(db.rows(), before);
}

TEST(SavePersonFails, KeysBeyondThe32BitRangeAreRefused) {
    TestDatabase db;
    db.insert("Ann", "2000-01-01", ".");
    db.exec("UPDATE sqlite_sequence SET seq = 2147483647 WHERE name = 'tblAges'");
    testsupport::ScriptedMessageBox box{MsgAnswer::Abort};
    const std::string result = SavePerson(0, "Bob", kBirth, "");
    EXPECT_EQ(NumbersAsked(box), std::vector<int>{SQLITE_CONSTRAINT_CHECK});
    EXPECT_EQ(db.rows().size(), 1u);
    EXPECT_TRUE(NobodyHoldsTheFile(db.path()));
}

TEST(SavePersonFails, FileLockedLongerThanTheWaitFailsAfterWaiting) {
    TestDatabase db;
    ShortBusyWait wait;
    OtherProgram other(db.path());
    other.run("BEGIN EXCLUSIVE");
    testsupport::ScriptedMessageBox box{MsgAnswer::Abort};
    const auto start = std::chrono::steady_clock::now();
    const std::string result = SavePerson(0, "Ann", kBirth, "");
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(140));
    EXPECT_EQ(NumbersAsked(box), std::vector<int>{SQLITE_BUSY});
    EXPECT_NE(result.find("database is locked"), std::string::npos) << result;
    other.run("COMMIT");
    EXPECT_TRUE(db.rows().empty());
}

TEST(SavePersonFails, RetryAfterTheOtherWriterFinishesIsASuccess) {
    TestDatabase db;
    ShortBusyWait wait;
    OtherProgram other(db.path());
    other.run("BEGIN IMMEDIATE; INSERT INTO tblAges (strName) VALUES ('Other')");
    testsupport::ScriptedMessageBox box;
    box.answerWith([&](const std::string&) {
        other.run("COMMIT");
        return MsgAnswer::Retry;
    });
    EXPECT_EQ(SavePerson(0, "Ann", kBirth, ""), "");
    ASSERT_EQ(box.count(), 1u);
    EXPECT_EQ(NumberIn(box.asked()[0].text), SQLITE_BUSY);
    const auto rows = db.rows();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1].name, Value(std::string("Ann")));
}

#ifndef _WIN32
// Runs `body` where file permissions bind: a test run as root does it in a child
// process that has given up root. Returns what the body returned.
std::string WherePermissionsHold(const std::function<std::string()>& body) {
    if (geteuid() != 0) return body();
    int fds[2];
    if (pipe(fds) != 0) return "pipe failed";
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        if (setgid(65534) != 0 || setuid(65534) != 0) _exit(3);
        const std::string out = body();
        _exit(write(fds[1], out.data(), out.size()) == static_cast<ssize_t>(out.size()) ? 0 : 4);
    }
    close(fds[1]);
    std::string out;
    char buffer[4096];
    for (ssize_t n; (n = read(fds[0], buffer, sizeof buffer)) > 0;)
        out.append(buffer, static_cast<std::size_t>(n));
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    return out;
}

TEST(SavePersonFails, ReadOnlyFileFailsAtTheUpdate) {
    TestDatabase db;
    db.insert("Ann", "2000-01-01", ".");
    ASSERT_EQ(chmod(db.path().c_str(), 0444), 0);
    const std::string bytes = testsupport::FileBytes(db.path());
    const std::string outcome = WherePermissionsHold([] {
        testsupport::ScriptedMessageBox box{MsgAnswer::Retry, MsgAnswer::Abort};
        const std::string result = SavePerson(0, "Bob", kBirth, "");
        std::string numbers;
        for (const auto& a : box.asked()) numbers += std::to_string(NumberIn(a.text)) + " ";
        return numbers + "| " + result;
    });
    EXPECT_EQ(outcome.substr(0, outcome.find('|')), "8 8 ") << outcome;  // SQLITE_READONLY
    EXPECT_NE(outcome.find("attempt to write a readonly database"), std::string::npos) << outcome;
    EXPECT_EQ(testsupport::FileBytes(db.path()), bytes);
}

// A writable file in a folder that is not: SQLite's own text blames the file, so the
// store says what really has to change.
TEST(SavePersonFails, ReadOnlyFolderSaysTheFolderMustBeWritable) {
    TestDatabase db;
    ASSERT_EQ(chmod(db.path().c_str(), 0666), 0);
    ASSERT_EQ(chmod(db.dir().path().c_str(), 0555), 0);
    const std::string outcome = WherePermissionsHold([] {
        testsupport::ScriptedMessageBox box{MsgAnswer::Abort};
        return SavePerson(0, "Bob", kBirth, "");
    });
    const std::string first = "Error: " + std::to_string(SQLITE_READONLY_DIRECTORY) +
                              " - attempt to write a readonly database (" + db.path() + ")";
    EXPECT_EQ(outcome.substr(0, outcome.find("\r\n")),
              first + ". The folder that holds the database must be writable too.");
    EXPECT_TRUE(db.rows().empty());
}
#endif

}  // namespace
