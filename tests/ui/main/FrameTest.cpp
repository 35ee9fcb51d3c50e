#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QSignalSpy>
#include <QToolButton>
#include <filesystem>

#include "EditorDriver.h"
#include "ListViews.h"
#include "MainWindowFixture.h"
#include "platform/qt/Twips.h"
#include "platform/qt/list/ListDetailsView.h"
#include "platform/qt/list/ListIconView.h"
#include "store/Database.h"
#include "ui/main/AboutEntry.h"
#include "ui/main/FindBar.h"
#include "ui/upcoming/frmUpcoming.h"

namespace maintest {

namespace {
using FrameTest = MainWindowFixture;
using platform::TwipsRect;
}  // namespace

TEST_F(FrameTest, ShowsItsCaptionAndControls) {
    auto window = open();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Orrindale Version 1.0"));
    const struct {
        const char* name;
        QRect twips;
        const char* toolTip;
        bool enabled;
    } buttons[] = {
        {"cmdAdd", TwipsRect(720, 0, 555, 570), "Add Person", true},
        // Edit follows the selection from the first load on: nothing is selected yet.
        {"cmdEdit", TwipsRect(1320, 0, 555, 570), "Edit Person", false},
        {"cmdDelete", TwipsRect(1920, 0, 555, 570), "Remove Selected Person", false},
        {"cmdRefresh", TwipsRect(2760, 0, 555, 570), "Refresh", true},
        {"cmdView_0", TwipsRect(3600, 0, 555, 570), "View Big Icons", true},
        {"cmdView_1", TwipsRect(4200, 0, 555, 570), "View Details", true},
        {"cmdExit", TwipsRect(5040, 0, 555, 570), "Exit Program", true},
    };
    for (const auto& b : buttons) {
        auto* button = window->findChild<QToolButton*>(QString::fromLatin1(b.name));
        ASSERT_NE(button, nullptr) << b.name;
        EXPECT_EQ(button->geometry(), b.twips) << b.name;
        EXPECT_EQ(button->toolTip(), QString::fromLatin1(b.toolTip)) << b.name;
        EXPECT_EQ(button->accessibleName(), button->toolTip()) << b.name;
        EXPECT_EQ(button->isEnabled(), b.enabled) << b.name;
        EXPECT_TRUE(button->text().isEmpty() || button->toolButtonStyle() == Qt::ToolButtonIconOnly)
            << b.name;
        EXPECT_FALSE(button->icon().isNull()) << b.name;
    }
    auto* legend = window->findChild<QLabel*>(QStringLiteral("imgLegend"));
    ASSERT_NE(legend, nullptr);
    EXPECT_EQ(legend->geometry(), TwipsRect(105, 45, 480, 480));
    EXPECT_EQ(legend->toolTip(), QStringLiteral("Click here for Legend!"));
    EXPECT_EQ(legend->pixmap().size(), QSize(32, 32));
    EXPECT_EQ(window->findChild<platform::ListView*>(QStringLiteral("Lvw")), window->Lvw());
}

// Entries as "caption shortcut", separators as "-".
TEST_F(FrameTest, MenusHoldTheirEntries) {
    auto window = open();
    QStringList entries;
    for (QAction* menu : window->menuBar()->actions()) {
        entries << menu->text() + QStringLiteral(":");
        for (QAction* entry : menu->menu()->actions())
            entries << (entry->isSeparator()
                            ? QStringLiteral("-") + entry->text()  // a bare line, no dash drawn
                            : entry->text() + QLatin1Char(' ') + entry->shortcut().toString());
    }
    EXPECT_EQ(entries.join(QLatin1Char('|')),
              QStringLiteral("&Functions:|&Add New... F2|&Edit... F4|-|&Delete Del|-|Refresh F5|-|"
                             "E&xit |-|&Import... Ctrl+I|Ex&port... Ctrl+E|&View:|Lar&ge Icons F11|"
                             "&Detail F12|-|&Find... Ctrl+F|&Legend... F1|-|&Upcoming Birthdays F6|"
                             "Remind at &Start-up |Remind &When Closed "));
}

// Every entry and the Upcoming window's field can be reached by an access letter of its
// own; "Refresh" keeps its caption without one, as designed.
TEST_F(FrameTest, AccessLettersDoNotClash) {
    auto window = open();
    AddAboutEntry(*window);
    window->MnuUpcoming_Click();
    const auto letterOf = [](const QString& text) {
        const qsizetype at = text.indexOf(QLatin1Char('&'));
        return at < 0 || at + 1 >= text.size() ? QChar() : text[at + 1].toLower();
    };
    QList<QStringList> groups;
    for (QAction* menu : window->menuBar()->actions()) {
        QStringList captions;
        for (QAction* entry : menu->menu()->actions())
            if (!entry->isSeparator()) captions << entry->text();
        groups << captions;
    }
    QStringList labels;
    for (QLabel* label : window->upcomingWindow()->findChildren<QLabel*>())
        if (label->buddy()) labels << label->text();
    groups << labels;
    for (const QStringList& captions : groups) {
        QSet<QChar> letters;
        for (const QString& caption : captions) {
            if (caption == QLatin1String("Refresh")) continue;
            const QChar letter = letterOf(caption);
            EXPECT_FALSE(letter.isNull()) << caption.toStdString();
            EXPECT_FALSE(letters.contains(letter)) << caption.toStdString();
            letters.insert(letter);
        }
    }
    EXPECT_EQ(labels, QStringList{QStringLiteral("&Days ahead:")});
}

// The legend and the find bar have View entries, so the keyboard reaches both.
TEST_F(FrameTest, LegendAndFindHaveViewEntries) {
    auto window = open();
    show(*window);
    QTest::keyClick(testsupport::DetailsViewOf(window->Lvw()), Qt::Key_F1);
    QWidget* legend = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == QLatin1String("frmLegend") && top->isVisible()) legend = top;
    ASSERT_NE(legend, nullptr);
    legend->close();
    activate(*window);
    window->findChild<QAction*>(QStringLiteral("MnuFind"))->trigger();
    EXPECT_TRUE(window->findBar()->isVisible());
}

// The keys work with the focus anywhere in the window, the list included.
TEST_F(FrameTest, ShortcutKeysWorkFromTheList) {
    auto window = open();
    show(*window);
    const struct {
        Qt::Key key;
        const char* action;
    } keys[] = {{Qt::Key_F2, "MnuMenu_1"},     {Qt::Key_F4, "MnuMenu_2"},
                {Qt::Key_Delete, "MnuMenu_4"}, {Qt::Key_F5, "MnuMenu_6"},
                {Qt::Key_F11, "MnuView_1"},    {Qt::Key_F12, "MnuView_2"}};
    const EditorDriver closesTheEditorF2Opens;
    for (const auto& k : keys) {
        QSignalSpy triggered(window->findChild<QAction*>(QString::fromLatin1(k.action)),
                             &QAction::triggered);
        activate(*window);
        QTest::keyClick(testsupport::DetailsViewOf(window->Lvw()), k.key);
        EXPECT_EQ(triggered.count(), 1) << k.action;
    }
}

// The keys, the buttons and the menu switch the view and change nothing else.
TEST_F(FrameTest, ViewSwitchesChangeOnlyTheView) {
    db_.add("Ann", "1990-01-15 00:00:00", ".");
    auto window = open();
    show(*window);
    window->Lvw()->selectRow(0);
    using Mode = platform::ListView::ViewMode;
    QTest::keyClick(testsupport::DetailsViewOf(window->Lvw()), Qt::Key_F11);
    EXPECT_EQ(window->Lvw()->viewMode(), Mode::LargeIcons);
    QTest::keyClick(testsupport::IconViewOf(window->Lvw()), Qt::Key_F12);
    EXPECT_EQ(window->Lvw()->viewMode(), Mode::Details);
    window->findChild<QToolButton*>(QStringLiteral("cmdView_0"))->click();
    EXPECT_EQ(window->Lvw()->viewMode(), Mode::LargeIcons);
    window->cmdView_Click(7);  // no such element
    EXPECT_EQ(window->Lvw()->viewMode(), Mode::LargeIcons);
    window->MnuView_Click(2);
    EXPECT_EQ(window->Lvw()->viewMode(), Mode::Details);
    EXPECT_EQ(window->Lvw()->selectedRow(), 0);
    EXPECT_EQ(window->Lvw()->rowCount(), 1);
}

// Esc (the cancel button's key), the Exit button and the menu entry all close the window.
TEST_F(FrameTest, EveryWayOutClosesTheWindow) {
    for (int way = 0; way < 3; ++way) {
        auto window = open();
        show(*window);
        if (way == 0) QTest::keyClick(testsupport::DetailsViewOf(window->Lvw()), Qt::Key_Escape);
        if (way == 1) window->findChild<QToolButton*>(QStringLiteral("cmdExit"))->click();
        if (way == 2) window->findChild<QAction*>(QStringLiteral("MnuMenu_8"))->trigger();
        EXPECT_FALSE(window->isVisible()) << way;
    }
}

TEST_F(FrameTest, RefreshFromTheMenuReloads) {
    auto window = open();
    db_.add("Ann", "1990-01-15 00:00:00", ".");
    window->findChild<QAction*>(QStringLiteral("MnuMenu_6"))->trigger();
    EXPECT_EQ(column(*window, 0), std::vector<QString>{QStringLiteral("Ann")});
}

// The list keeps its place and leaves 50 twips at the right and the bottom; an extent
// that would be negative is not applied.
TEST_F(FrameTest, ListFollowsTheClientArea) {
    auto window = open();
    show(*window);
    QWidget* client = window->centralWidget();
    const struct {
        const char* what;
        QSize clientPixels;
        QRect list;
    } cases[] = {
        {"design size", platform::TwipsSize(6870, 3570), TwipsRect(0, 600, 6820, 2920)},
        {"larger", QSize(800, 500), QRect(0, 40, 800 - 3, 500 - 40 - 3)},
        {"too low: height kept", QSize(600, 30), QRect(0, 40, 600 - 3, 500 - 40 - 3)},
        {"too narrow and low: both kept", QSize(2, 30), QRect(0, 40, 600 - 3, 500 - 40 - 3)},
        {"too narrow: width kept", QSize(2, 300), QRect(0, 40, 600 - 3, 300 - 40 - 3)},
    };
    for (const auto& c : cases) {
        client->resize(c.clientPixels);
        EXPECT_EQ(window->Lvw()->geometry(), c.list) << c.what;
    }
}

TEST_F(FrameTest, TabOrderStartsAtTheList) {
    auto window = open();
    show(*window);
    window->Lvw()->selectRow(0);  // so that Delete and Edit are enabled and take the focus
    window->Lvw()->setFocus();
    const char* expected[] = {"cmdDelete", "cmdAdd",     "cmdView_0", "cmdView_1",
                              "cmdExit",   "cmdRefresh", "cmdEdit",   "LvwDetails"};
    for (const char* name : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), QString::fromLatin1(name));
    }
}

TEST_F(FrameTest, DatabaseFolderGetsOneTrailingSeparator) {
    const QString folder = QString::fromStdString(db_.folder());
    const std::string separated =
        folder.toStdString() + static_cast<char>(std::filesystem::path::preferred_separator);
    for (const QString& given : {folder, QString::fromStdString(separated)}) {
        frmMain window(given);
        EXPECT_EQ(modAgeCalc::DatabaseFolder(), separated) << given.toStdString();
    }
    EXPECT_EQ(box_.count(), 0u);
}

}  // namespace maintest
