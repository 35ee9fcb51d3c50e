#include <filesystem>

#include "MainWindowFixture.h"
#include "store/Connection.h"

namespace maintest {

namespace {

using platform::MsgAnswer;
constexpr int kStyle = 2 + 16 + 256;  // Abort/Retry/Ignore, stop icon, Retry the default

class LoadErrorTest : public MainWindowFixture {
protected:
    // What the store says when it is asked to open the missing file.
    std::string missingFileText() {
        store::Connection connection;
        store::Error error;
        EXPECT_FALSE(connection.Open(db_.path(), error));
        return std::to_string(error.number) + " " + error.description + "\r\nIn LoadLvw:    \r\n";
    }
};

}  // namespace

TEST_F(LoadErrorTest, MissingFileAbortedLeavesAnEmptyList) {
    db_.remove();
    box_.push(MsgAnswer::Abort);
    auto window = open();
    ASSERT_EQ(box_.count(), 1u);
    EXPECT_EQ(box_.asked()[0].text, missingFileText());
    EXPECT_EQ(box_.asked()[0].title, "Error!");
    EXPECT_EQ(box_.asked()[0].style, kStyle);
    EXPECT_EQ(window->Lvw()->rowCount(), 0);
}

TEST_F(LoadErrorTest, RetryAsksAgainWhileTheFileIsMissing) {
    db_.remove();
    box_.push(MsgAnswer::Retry);
    box_.push(MsgAnswer::Retry);
    box_.push(MsgAnswer::Abort);
    auto window = open();
    ASSERT_EQ(box_.count(), 3u);
    for (const auto& asked : box_.asked()) EXPECT_EQ(asked.text, missingFileText());
    EXPECT_EQ(window->Lvw()->rowCount(), 0);
}

// The user puts the file back while the question is open, then answers Retry.
TEST_F(LoadErrorTest, RetrySucceedsOnceTheFileIsBack) {
    db_.add("Ann", "1990-01-15 00:00:00", ".");
    const std::string saved = db_.path() + ".saved";
    std::filesystem::rename(db_.path(), saved);
    struct RestoringBox final : platform::MessageBox {
        std::string from, to;
        int asked = 0;
        platform::MsgAnswer show(const std::string&, int, const std::string&) override {
            ++asked;
            std::filesystem::rename(from, to);
            return platform::MsgAnswer::Retry;
        }
    } restoring;
    restoring.from = saved;
    restoring.to = db_.path();
    platform::MessageBox* previous = platform::SetMessageBox(&restoring);
    auto window = open();
    platform::SetMessageBox(previous);
    EXPECT_EQ(restoring.asked, 1);
    EXPECT_EQ(column(*window, 0), std::vector<QString>{QStringLiteral("Ann")});
}

// Ignoring the failed connection goes on to the query, which names the statement it
// ran, then to the moves; with no result set the load ends there, with nothing read,
// instead of asking about made-up rows for ever.
TEST_F(LoadErrorTest, IgnoreGoesOnToTheNextStep) {
    db_.remove();
    box_.setFallback(MsgAnswer::Ignore);
    auto window = open();
    ASSERT_EQ(box_.count(), 4u);
    EXPECT_EQ(box_.asked()[0].text, missingFileText());
    const std::string tail = "\r\nIn LoadLvw:    \r\nSELECT * FROM tblAges";
    for (std::size_t i = 1; i < 4; ++i) {
        const std::string& text = box_.asked()[i].text;
        ASSERT_GE(text.size(), tail.size());
        EXPECT_EQ(text.substr(text.size() - tail.size()), tail) << i;
    }
    EXPECT_EQ(box_.asked()[1].text.substr(0, 5), "3709 ");  // the query, on no connection
    EXPECT_EQ(box_.asked()[2].text.substr(0, 5), "3704 ");  // the moves, on no result set
    EXPECT_EQ(window->Lvw()->rowCount(), 0);
}

// A column missing from the result is asked about for each row; Abort keeps the rows
// read so far.
TEST_F(LoadErrorTest, AbortKeepsRowsAlreadyRead) {
    db_.add("Ann", "1990-01-15 00:00:00", ".");
    db_.add("Bob", "1950-02-01 00:00:00", ".");
    auto window = open();
    box_.push(MsgAnswer::Ignore);  // Ann's comments
    box_.push(MsgAnswer::Abort);   // Bob's comments
    window->LoadLvw(QStringLiteral("SELECT lngID, strName, dtmBirth FROM tblAges ORDER BY lngID"));
    ASSERT_EQ(box_.count(), 2u);
    EXPECT_EQ(box_.asked()[0].text.substr(0, 5), "3265 ");
    EXPECT_NE(box_.asked()[0].text.find("SELECT lngID, strName, dtmBirth"), std::string::npos);
    ASSERT_EQ(window->Lvw()->rowCount(), 1);
    EXPECT_EQ(window->Lvw()->cellText(0, 0), QStringLiteral("Ann"));
    EXPECT_EQ(window->Lvw()->cellText(0, 2), QStringLiteral("34 Years, 4 Months, 5 Days"));
}

// A key beyond 32 bits, ignored, leaves its row without a key instead of the key of
// the row before it: deleting or editing that row must not reach the other person.
TEST_F(LoadErrorTest, ARowWhoseKeyIsIgnoredGetsNoKey) {
    db_.exec("DROP TABLE tblAges");  // a foreign table, without the program's key check
    db_.exec("CREATE TABLE tblAges (lngID INTEGER PRIMARY KEY, strName, dtmBirth, strComments)");
    db_.exec("INSERT INTO tblAges VALUES (2147483647, 'First', '1990-01-15', 'one'), "
                "(2147483648, 'Second', '1950-02-01', 'two')");
    box_.push(MsgAnswer::Ignore);
    auto window = open();
    ASSERT_EQ(box_.count(), 1u);
    EXPECT_EQ(box_.asked()[0].text.substr(0, 11), "6 Overflow\r");
    const int second = rowNamed(*window, QStringLiteral("Second"));
    ASSERT_GE(second, 0);
    EXPECT_EQ(window->Lvw()->rowKey(second), QString());
    EXPECT_EQ(window->Lvw()->cellText(second, 3), QStringLiteral("two"));
    window->Lvw()->selectRow(second);
    box_.push(MsgAnswer::Yes);
    window->cmdDelete_Click();
    EXPECT_EQ(box_.count(), 1u) << "no question: the row names nobody";
    EXPECT_EQ(stored().size(), 2u);
}

}  // namespace maintest
