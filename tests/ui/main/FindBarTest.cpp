#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include "EditorDriver.h"
#include "MainWindowFixture.h"
#include "platform/qt/list/ListIconView.h"
#include "ui/main/FindBar.h"
#include "ListViews.h"

namespace maintest {

namespace {

class FindBarTest : public MainWindowFixture {
protected:
    FindBarTest() {
        db_.add("Zoë Adams", "1980-01-01 00:00:00", "piano");
        db_.add("Zoe Baker", "1981-01-01 00:00:00", ".");
        db_.add("Chloé", "1982-01-01 00:00:00", "friend of ZOË");
        db_.add("Mark", "1983-01-01 00:00:00", "Éclair lover");
    }

    void find(frmMain& window, const QString& text) {
        activate(window);
        QTest::keyClick(testsupport::DetailsViewOf(window.Lvw()), Qt::Key_F, Qt::ControlModifier);
        QLineEdit* edit = window.findBar()->edit();
        edit->clear();
        QTest::keyClicks(edit, text);
    }

    static QString Count(const frmMain& window) {
        return window.findBar()->findChild<QLabel*>(QStringLiteral("lblFindCount"))->text();
    }

    static QStringList Names(const frmMain& window) {
        QStringList names;
        for (const QString& name : column(window, 0)) names << name;
        return names;
    }
};

}  // namespace

// Name or comments, ignoring case and accents, in the list's current sort order.
TEST_F(FindBarTest, FiltersByNameAndCommentsIgnoringCaseAndAccents) {
    const struct {
        const char* typed;
        bool descending;
        QStringList names;
        const char* count;
    } cases[] = {
        {"zoe", false, {"Chloé", "Zoë Adams", "Zoe Baker"}, "3 of 4"},
        {"ZOË", true, {"Zoe Baker", "Zoë Adams", "Chloé"}, "3 of 4"},
        {"eclair", false, {"Mark"}, "1 of 4"},
        {"e a", false, {"Zoë Adams"}, "1 of 4"},
        {"xyz", false, {}, "0 of 4"},
    };
    for (const auto& c : cases) {
        auto window = open();
        show(*window);
        if (c.descending) window->Lvw_ColumnClick(1);
        find(*window, QString::fromUtf8(c.typed));
        EXPECT_EQ(Names(*window), c.names) << c.typed;
        EXPECT_EQ(Count(*window), QString::fromLatin1(c.count)) << c.typed;
        window->cmdView_Click(0);
        EXPECT_EQ(testsupport::IconViewOf(window->Lvw())->model()->rowCount(), int(c.names.size())) << c.typed;
    }
}

// A reload keeps the filter and a selection that stays shown stays selected; Delete and
// Enter act on the filtered rows; Esc empties and hides the bar, leaves the program open
// and gives the list back its design size.
TEST_F(FindBarTest, ReloadDeleteEnterAndEscWorkOnTheFilteredList) {
    auto window = open();
    show(*window);
    const QRect designList = window->Lvw()->geometry();
    find(*window, QStringLiteral("zoe"));
    EXPECT_LT(window->Lvw()->height(), designList.height());

    db_.add("Zoey", "1990-01-01 00:00:00", ".");
    window->cmdRefresh_Click();
    EXPECT_EQ(Names(*window), (QStringList{"Chloé", "Zoë Adams", "Zoe Baker", "Zoey"}));
    EXPECT_EQ(Count(*window), QStringLiteral("4 of 5"));

    window->Lvw()->selectRow(2);
    QTest::keyClicks(window->findBar()->edit(), QStringLiteral(" "));
    EXPECT_EQ(Names(*window), (QStringList{"Zoë Adams", "Zoe Baker"}));
    EXPECT_EQ(window->Lvw()->selectedRow(), 1) << "the selected row stays selected";
    QTest::keyClick(window->findBar()->edit(), Qt::Key_Backspace);
    box_.push(platform::MsgAnswer::Yes);
    window->cmdDelete_Click();
    EXPECT_EQ(Names(*window), (QStringList{"Chloé", "Zoë Adams", "Zoey"}));

    QString edited;
    EditorDriver driver([&](frmAEP& editor) { edited = editor.PersonName(); });
    QTest::keyClick(window->findBar()->edit(), Qt::Key_Return);
    EXPECT_EQ(edited, QStringLiteral("Chloé"));

    activate(*window);
    ASSERT_EQ(window->Lvw()->selectedRow(), 0);  // so a Del reaching Delete would ask
    QTest::keyClick(window->findBar()->edit(), Qt::Key_Home);
    QTest::keyClick(window->findBar()->edit(), Qt::Key_Delete);  // edits the text, deletes no one
    EXPECT_EQ(window->findBar()->edit()->text(), QStringLiteral("oe"));
    EXPECT_EQ(box_.count(), 1u);
    QTest::keyClick(window->findBar()->edit(), Qt::Key_Escape);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->findBar()->isVisible());
    EXPECT_TRUE(window->findBar()->edit()->text().isEmpty());
    EXPECT_EQ(window->Lvw()->rowCount(), 4);
    EXPECT_EQ(window->Lvw()->geometry(), designList);
}

// While the bar is shown, Esc anywhere in the window closes the bar; the next Esc is
// the window's own.
TEST_F(FindBarTest, EscClosesTheBarBeforeTheWindow) {
    const char* focused[] = {"txtFind", "cmdFindClose", "cmdAdd", "list"};
    for (const char* name : focused) {
        auto window = open();
        show(*window);
        find(*window, QStringLiteral("zoe"));
        QWidget* target = QLatin1String(name) == QLatin1String("list")
                              ? testsupport::DetailsViewOf(window->Lvw())
                              : window->findChild<QWidget*>(QLatin1String(name));
        target->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        EXPECT_TRUE(window->isVisible()) << name;
        EXPECT_FALSE(window->findBar()->isVisible()) << name;
        EXPECT_TRUE(window->findBar()->edit()->text().isEmpty()) << name;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        EXPECT_FALSE(window->isVisible()) << name;
    }
}

// Enter in the field edits the selected match, else the first; with nothing typed, nobody.
TEST_F(FindBarTest, EnterEditsTheSelectedMatch) {
    const struct {
        const char* typed;
        int selected;
        const char* edited;
    } cases[] = {{"zoe", 2, "Zoë Adams"}, {"zoe", 1, "Chloé"}, {"zoe", -1, "Zoe Baker"}, {"", 0, ""}};
    for (const auto& c : cases) {
        auto window = open();
        show(*window);
        window->Lvw_ColumnClick(4);  // by comments: ".", "friend of ZOË", "piano"
        find(*window, QString::fromUtf8(c.typed));
        window->Lvw()->selectRow(c.selected);
        QString edited;
        EditorDriver driver([&](frmAEP& editor) { edited = editor.PersonName(); });
        QTest::keyClick(window->findBar()->edit(), Qt::Key_Return);
        EXPECT_EQ(edited, QString::fromUtf8(c.edited)) << c.typed << " " << c.selected;
    }
}

// Edit and Delete are enabled exactly when a row is selected, whatever changed the selection.
TEST_F(FindBarTest, EditAndDeleteFollowTheSelection) {
    auto window = open();
    show(*window);
    auto* edit = window->findChild<QToolButton*>(QStringLiteral("cmdEdit"));
    auto* remove = window->findChild<QToolButton*>(QStringLiteral("cmdDelete"));
    const auto expectFollowing = [&](const char* after) {
        const bool selected = window->Lvw()->selectedRow() >= 0;
        EXPECT_EQ(edit->isEnabled(), selected) << after;
        EXPECT_EQ(remove->isEnabled(), selected) << after;
    };
    expectFollowing("the first load");
    find(*window, QStringLiteral("zoe"));
    window->Lvw()->selectRow(1);
    expectFollowing("a row selected");
    {
        EditorDriver driver;
        QTest::keyClick(window->findBar()->edit(), Qt::Key_Return);
    }
    expectFollowing("Enter opened and closed the editor");
    QTest::keyClicks(window->findBar()->edit(), QStringLiteral("zzz"));
    ASSERT_EQ(Count(*window), QStringLiteral("0 of 4"));
    expectFollowing("no match");
    QTest::keyClick(window->findBar()->edit(), Qt::Key_Escape);
    expectFollowing("the bar closed");
    window->Lvw()->selectRow(0);
    window->cmdRefresh_Click();
    expectFollowing("a reload");
    EXPECT_FALSE(edit->isEnabled());
}

}  // namespace maintest
