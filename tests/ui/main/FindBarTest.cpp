#include <QLabel>
#include <QLineEdit>

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

}  // namespace maintest
