#include <QAction>
#include <QToolButton>

#include "EditorDriver.h"
#include "ListViews.h"
#include "MainWindowFixture.h"

namespace maintest {

namespace {

using CommandKeysTest = MainWindowFixture;
using Mode = platform::ListView::ViewMode;

}  // namespace

// Each key reaches its command wherever the focus is: in the list or on a button.
TEST_F(CommandKeysTest, KeysRunTheirCommandsFromAnywhereInTheWindow) {
    for (const char* focus : {"Lvw", "cmdRefresh"}) {
        db_.exec("DELETE FROM tblAges");
        db_.add("Ann", "1980-03-15 00:00:00", ".");
        auto window = open();
        show(*window);
        QWidget* target = window->findChild<QWidget*>(QString::fromLatin1(focus));
        if (target == window->Lvw()) target = testsupport::DetailsViewOf(window->Lvw());
        target->setFocus();
        const auto press = [&](Qt::Key key) {
            activate(*window);
            target->setFocus();
            QTest::keyClick(target, key);
        };

        press(Qt::Key_F11);
        EXPECT_EQ(window->Lvw()->viewMode(), Mode::LargeIcons) << focus;
        press(Qt::Key_F12);
        EXPECT_EQ(window->Lvw()->viewMode(), Mode::Details) << focus;

        db_.add("Bob", "1950-02-01 00:00:00", ".");
        press(Qt::Key_F5);
        EXPECT_EQ(window->Lvw()->rowCount(), 2) << focus << ": F5 reloads";

        window->Lvw()->selectRow(rowNamed(*window, QStringLiteral("Ann")));
        box_.push(platform::MsgAnswer::No);
        press(Qt::Key_Delete);
        EXPECT_EQ(box_.count(), 1u) << focus << ": Del asks";
        box_.clear();

        window->Lvw()->selectRow(rowNamed(*window, QStringLiteral("Ann")));
        for (const Qt::Key key : {Qt::Key_F2, Qt::Key_F4}) {
            QString title;
            EditorDriver driver([&](frmAEP& editor) { title = editor.windowTitle(); });
            press(key);
            EXPECT_EQ(driver.shown(), 1) << focus << ": key " << static_cast<int>(key);
            EXPECT_EQ(title, key == Qt::Key_F2 ? QStringLiteral("Add New Person")
                                               : QStringLiteral("Edit Person"));
        }

        press(Qt::Key_Escape);
        EXPECT_FALSE(window->isVisible()) << focus << ": Esc closes";
    }
}

// Separators and numbers that are no entry run nothing: no editor, no question, no
// reload, no close.
TEST_F(CommandKeysTest, MenuIndexesWithoutACommandRunNothing) {
    db_.add("Ann", "1980-03-15 00:00:00", ".");
    auto window = open();
    show(*window);
    window->Lvw()->selectRow(0);
    db_.add("Bob", "1950-02-01 00:00:00", ".");
    EditorDriver driver;
    for (const int index : {3, 5, 7, 0, 9, -1}) window->MnuMenu_Click(index);
    QApplication::processEvents();
    EXPECT_EQ(driver.shown(), 0);
    EXPECT_EQ(box_.count(), 0u);
    EXPECT_EQ(window->Lvw()->rowCount(), 1);
    EXPECT_EQ(window->Lvw()->selectedRow(), 0);
    EXPECT_TRUE(window->isVisible());
}

// Enter, from the main keyboard or the keypad, presses the focused button as Space does.
TEST_F(CommandKeysTest, EnterPressesTheFocusedButton) {
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        db_.exec("DELETE FROM tblAges");
        db_.add("Ann", "1980-03-15 00:00:00", ".");
        auto window = open();
        show(*window);
        db_.add("Bob", "1950-02-01 00:00:00", ".");
        auto* refresh = window->findChild<QToolButton*>(QStringLiteral("cmdRefresh"));
        refresh->setFocus();
        QTest::keyClick(refresh, key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        EXPECT_EQ(window->Lvw()->rowCount(), 2) << key << ": Refresh reloads";
    }
}

}  // namespace maintest
