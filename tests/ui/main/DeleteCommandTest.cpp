#include <QAction>
#include <QToolButton>

#include "ListViews.h"
#include "MainWindowFixture.h"

namespace maintest {

namespace {

using DeleteCommandTest = MainWindowFixture;
using platform::MsgAnswer;

std::vector<QString> Names(std::initializer_list<const char*> names) {
    std::vector<QString> out;
    for (const char* n : names) out.push_back(QString::fromUtf8(n));
    return out;
}

}  // namespace

// Whatever the answer, the list is loaded again: a person added behind the window's
// back shows up, and the selection is gone.
TEST_F(DeleteCommandTest, AsksThenDeletesOnYesAndReloadsEitherWay) {
    const struct {
        MsgAnswer answer;
        std::vector<QString> listed;
    } cases[] = {
        {MsgAnswer::No, Names({"Ann", "Bob", "Cleo"})},
        {MsgAnswer::Yes, Names({"Bob", "Cleo"})},
    };
    for (const auto& c : cases) {
        db_.exec("DELETE FROM tblAges");
        db_.add("Ann", "1980-03-15 00:00:00", ".", 17);
        db_.add("Bob", "1950-02-01 00:00:00", ".", 3);
        auto window = open();
        show(*window);
        window->Lvw()->selectRow(rowNamed(*window, QStringLiteral("Ann")));
        window->Lvw_Click();  // enables the Delete button
        db_.add("Cleo", "2001-07-07 00:00:00", ".");
        box_.clear();
        box_.push(c.answer);
        window->findChild<QToolButton*>(QStringLiteral("cmdDelete"))->click();

        ASSERT_EQ(box_.count(), 1u);
        EXPECT_EQ(box_.asked()[0].text, "Delete this Entry?\r\n\r\nAre you sure");
        EXPECT_EQ(box_.asked()[0].style, 36);
        EXPECT_EQ(box_.asked()[0].title, "Delete this Entry?");
        EXPECT_EQ(column(*window, 0), c.listed);
        EXPECT_EQ(window->Lvw()->selectedRow(), -1);
        EXPECT_EQ(stored().size(), c.listed.size());
    }
}

// Only the person whose key the row carries goes, also when other keys contain its digits.
TEST_F(DeleteCommandTest, DeletesThePersonOfTheSelectedRowOnly) {
    db_.add("One", "1980-03-15 00:00:00", ".", 1);
    db_.add("Seventeen", "1980-03-15 00:00:00", ".", 17);
    db_.add("Seventy-one", "1980-03-15 00:00:00", ".", 71);
    auto window = open();
    show(*window);
    window->Lvw()->selectRow(rowNamed(*window, QStringLiteral("Seventeen")));
    box_.push(MsgAnswer::Yes);
    QTest::keyClick(testsupport::DetailsViewOf(window->Lvw()), Qt::Key_Delete);
    EXPECT_EQ(column(*window, 0), Names({"One", "Seventy-one"}));
}

// The file was changed behind the window's back (another copy of the program, or another
// database put in its place): the selected row's key now names someone else, or no one.
TEST_F(DeleteCommandTest, ARowChangedSinceTheListReadItIsNotDeleted) {
    const struct {
        const char* outside;
        std::vector<QString> listed;
    } cases[] = {
        {"UPDATE tblAges SET strName = 'Alice Alpha' WHERE lngID = 1", Names({"Alice Alpha"})},
        {"UPDATE tblAges SET dtmBirth = '1980-03-15 00:00:01' WHERE lngID = 1", Names({"Zed Other"})},
        {"UPDATE tblAges SET dtmBirth = '--03-15' WHERE lngID = 1", Names({"Zed Other"})},
        {"DELETE FROM tblAges WHERE lngID = 1", Names({"0"})},  // the "no records" row
    };
    for (const auto& c : cases) {
        db_.exec("DELETE FROM tblAges");
        db_.add("Zed Other", "1980-03-15 00:00:00", ".", 1);
        auto window = open();
        show(*window);
        window->Lvw()->selectRow(0);
        db_.exec(c.outside);
        const auto before = db_.rows();
        box_.clear();
        box_.push(MsgAnswer::Yes);
        box_.push(MsgAnswer::Ok);
        window->findChild<QAction*>(QStringLiteral("MnuMenu_4"))->trigger();

        ASSERT_EQ(box_.count(), 2u) << c.outside;
        EXPECT_EQ(box_.asked()[1].text,
                  "This person was changed or deleted outside this window since the list was "
                  "loaded, so nothing was deleted. The list is loaded again.");
        EXPECT_EQ(box_.asked()[1].style, 48);
        EXPECT_EQ(db_.rows(), before) << c.outside;
        EXPECT_EQ(column(*window, 0), c.listed) << c.outside;
    }
}

TEST_F(DeleteCommandTest, WithoutAPersonNeitherAsksNorReloads) {
    const struct {
        bool placeholder;
        bool byKey;
        const char* tried;
    } cases[] = {
        {false, false, "menu, no selection"},
        {false, true, "Del, no selection"},
        {true, false, "menu on the placeholder"},
        {true, true, "Del on the placeholder"},
    };
    for (const auto& c : cases) {
        auto window = openWithoutAPersonSelected(c.placeholder);
        const auto before = column(*window, 0);
        db_.add("Bob", "1950-02-01 00:00:00", ".");
        if (c.byKey) QTest::keyClick(testsupport::DetailsViewOf(window->Lvw()), Qt::Key_Delete);
        if (!c.byKey) window->findChild<QAction*>(QStringLiteral("MnuMenu_4"))->trigger();
        EXPECT_EQ(box_.count(), 0u) << c.tried;
        EXPECT_EQ(column(*window, 0), before) << c.tried << ": reloaded";
    }
}

}  // namespace maintest
