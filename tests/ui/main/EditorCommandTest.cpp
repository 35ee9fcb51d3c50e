#include <QAction>
#include <QCheckBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <functional>

#include "EditorDriver.h"
#include "ListViews.h"
#include "MainWindowFixture.h"
#include "age/DateValue.h"
#include "store/Connection.h"
#include "store/PersonStore.h"
#include "store/Recordset.h"

namespace maintest {

namespace {

using EditorCommandTest = MainWindowFixture;

// What the editor showed when it came up.
struct Shown {
    QString title;
    QString name;
    QString comments;
    double birth = -1;
    QString picker;
    bool duplicateOffered = false;
};

Shown Read(frmAEP& editor) {
    return {editor.windowTitle(),
            editor.findChild<QLineEdit*>(QStringLiteral("txtName"))->text(),
            editor.findChild<QPlainTextEdit*>(QStringLiteral("txtComments"))->toPlainText(),
            editor.PersonBirth(),
            editor.findChild<QDateTimeEdit*>(QStringLiteral("mvBirth"))->text(),
            editor.findChild<QPushButton*>(QStringLiteral("cmdDup"))->isVisibleTo(&editor)};
}

void TypeName(frmAEP& editor, const QString& name) {
    editor.findChild<QLineEdit*>(QStringLiteral("txtName"))->setText(name);
}

void ClickAddSave(frmAEP& editor) {
    editor.findChild<QPushButton*>(QStringLiteral("cmdAE_0"))->click();
}

void TypeComments(frmAEP& editor, const QString& comments) {
    editor.findChild<QPlainTextEdit*>(QStringLiteral("txtComments"))->setPlainText(comments);
}

void ClickDuplicate(frmAEP& editor) {
    editor.findChild<QPushButton*>(QStringLiteral("cmdDup"))->click();
}

// A column of person 5 as SQL writes it (kind included: NULL, 'text', 1.0e+300).
std::string Quoted(const TestDatabase& db, const char* column) {
    store::Connection connection;
    store::Recordset records;
    store::Error error;
    const std::string sql =
        std::string("SELECT quote(") + column + ") AS q FROM tblAges WHERE lngID = 5";
    if (!connection.Open(db.path(), error) || !records.Open(connection, sql, {}, error) ||
        records.Eof())
        return "(none)";
    const store::Value value = records.Field(records.FieldIndex("q"));
    const auto* text = std::get_if<std::string>(&value);
    return text ? *text : "(none)";
}

double Value(int y, int mo, int d, int h, int mi, int s) {
    return modAgeCalc::ToDateValue({y, mo, d, h, mi, s});
}

}  // namespace

// Today is 05/20/2024 09:30:00 by the fixture's clock.
TEST_F(EditorCommandTest, AddOpensAnEmptyEditorAtNowAndStoresWhatIsTyped) {
    auto window = open();
    show(*window);
    Shown shown;
    EditorDriver driver([&](frmAEP& editor) {
        shown = Read(editor);
        TypeName(editor, QStringLiteral("Cleo"));
        ClickAddSave(editor);
    });
    window->findChild<QToolButton*>(QStringLiteral("cmdAdd"))->click();

    EXPECT_EQ(driver.shown(), 1);
    EXPECT_EQ(driver.closedByDriver(), 0);
    EXPECT_EQ(shown.title, QStringLiteral("Add New Person"));
    EXPECT_TRUE(shown.name.isEmpty());
    EXPECT_TRUE(shown.comments.isEmpty());
    EXPECT_FALSE(shown.duplicateOffered);
    EXPECT_EQ(shown.birth, Value(2024, 5, 20, 9, 30, 0));
    EXPECT_EQ(shown.picker, QStringLiteral("05/20/2024 09:30:00"));

    const auto rows = stored();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].name, "Cleo");
    EXPECT_EQ(rows[0].birth, "2024-05-20 09:30:00");
    EXPECT_EQ(rows[0].comments, ".");
    EXPECT_EQ(column(*window, 0), std::vector<QString>{QStringLiteral("Cleo")});
    // Gone once closed; the next command builds a new one.
    EXPECT_EQ(window->editor(), nullptr);
    EXPECT_TRUE(window->findChildren<frmAEP*>().isEmpty());
}

// The editor gets the person's stored birth with its time of day, and a Save that
// leaves the picker alone keeps that time.
TEST_F(EditorCommandTest, EditShowsTheStoredPersonAndSaveKeepsTheStoredTime) {
    db_.add("Ann", "1980-03-15 14:25:10", "likes tea", 17);
    db_.add("Bob", "1950-02-01 00:00:00", ".", 3);
    auto window = open();
    show(*window);
    window->Lvw()->selectRow(rowNamed(*window, QStringLiteral("Ann")));
    Shown shown;
    EditorDriver driver([&](frmAEP& editor) {
        shown = Read(editor);
        TypeName(editor, QStringLiteral("Ann B"));
        ClickAddSave(editor);
    });
    window->findChild<QToolButton*>(QStringLiteral("cmdEdit"))->click();

    EXPECT_EQ(driver.closedByDriver(), 0);
    EXPECT_EQ(shown.title, QStringLiteral("Edit Person"));
    EXPECT_EQ(shown.name, QStringLiteral("Ann"));
    EXPECT_EQ(shown.comments, QStringLiteral("likes tea"));
    EXPECT_TRUE(shown.duplicateOffered);
    EXPECT_DOUBLE_EQ(shown.birth, Value(1980, 3, 15, 14, 25, 10));
    EXPECT_EQ(shown.picker, QStringLiteral("03/15/1980 14:25:10"));

    const auto rows = stored();
    ASSERT_EQ(rows.size(), 2u);
    for (const auto& row : rows) {
        if (row.id != 17) continue;
        EXPECT_EQ(row.name, "Ann B");
        EXPECT_EQ(row.birth, "1980-03-15 14:25:10");
        EXPECT_EQ(row.comments, "likes tea");
    }
    EXPECT_GE(rowNamed(*window, QStringLiteral("Ann B")), 0);
}

TEST_F(EditorCommandTest, EditHandsOverBirthAndCommentsAsStored) {
    auto window = open();
    show(*window);
    // Saved by the program itself, which keeps an empty comment as ".".
    ASSERT_EQ(modAgeCalc::SavePerson(0, "Dot", Value(1990, 1, 15, 0, 0, 0), ""), "");
    db_.add("Nobirth", "", "no date on file");
    db_.add("Leap", "2000-02-29 23:59:59", "late");
    window->cmdRefresh_Click();
    const struct {
        const char* name;
        const char* picker;
        double birth;
        const char* comments;
    } cases[] = {
        {"Dot", "01/15/1990 00:00:00", Value(1990, 1, 15, 0, 0, 0), "."},
        {"Nobirth", "12/30/1899 00:00:00", 0.0, "no date on file"},
        {"Leap", "02/29/2000 23:59:59", Value(2000, 2, 29, 23, 59, 59), "late"},
    };
    for (const auto& c : cases) {
        window->Lvw()->selectRow(rowNamed(*window, QString::fromLatin1(c.name)));
        Shown shown;
        EditorDriver driver([&](frmAEP& editor) { shown = Read(editor); });
        activate(*window);
        QTest::keyClick(testsupport::DetailsViewOf(window->Lvw()), Qt::Key_F4);
        EXPECT_EQ(driver.shown(), 1) << c.name;
        EXPECT_EQ(shown.name, QString::fromLatin1(c.name));
        EXPECT_EQ(shown.picker, QString::fromLatin1(c.picker)) << c.name;
        EXPECT_DOUBLE_EQ(shown.birth, c.birth) << c.name;
        EXPECT_EQ(shown.comments, QString::fromLatin1(c.comments)) << c.name;
    }
}

// With no row selected, or the placeholder row, Edit has no person to show.
TEST_F(EditorCommandTest, EditWithoutAPersonDoesNothing) {
    enum Way { Button, Menu, F4, DoubleClick };
    const struct {
        bool placeholder;
        Way way;
        const char* tried;
    } cases[] = {
        {false, Button, "button, no selection"},
        {false, Menu, "menu, no selection"},
        {false, F4, "F4, no selection"},
        {true, Button, "button on the placeholder"},
        {true, Menu, "menu on the placeholder"},
        {true, F4, "F4 on the placeholder"},
        {true, DoubleClick, "double click on the placeholder"},
    };
    for (const auto& c : cases) {
        auto window = openWithoutAPersonSelected(c.placeholder);
        EditorDriver driver;
        if (c.way == Button) window->findChild<QToolButton*>(QStringLiteral("cmdEdit"))->click();
        if (c.way == Menu) window->findChild<QAction*>(QStringLiteral("MnuMenu_2"))->trigger();
        if (c.way == F4) QTest::keyClick(testsupport::DetailsViewOf(window->Lvw()), Qt::Key_F4);
        if (c.way == DoubleClick) doubleClickRow(*window, 0);
        QApplication::processEvents();
        EXPECT_EQ(driver.shown(), 0) << c.tried;
    }
    EXPECT_EQ(box_.count(), 0u);
}

TEST_F(EditorCommandTest, ADoubleClickOnAPersonEditsIt) {
    db_.add("Ann", "1980-03-15 00:00:00", ".");
    auto window = open();
    show(*window);
    Shown shown;
    EditorDriver driver([&](frmAEP& editor) { shown = Read(editor); });
    doubleClickRow(*window, 0);
    EXPECT_EQ(driver.shown(), 1);
    EXPECT_EQ(shown.title, QStringLiteral("Edit Person"));
    EXPECT_EQ(shown.name, QStringLiteral("Ann"));
}

// Keys and clicks that slip through to the main window while its editor is up (a
// second F2 pressed quickly, a click handled while the editor yields) start nothing.
TEST_F(EditorCommandTest, NothingInTheMainWindowRunsWhileTheEditorIsOpen) {
    db_.add("Ann", "1980-03-15 00:00:00", ".");
    auto window = open();
    show(*window);
    window->Lvw()->selectRow(0);
    int editorsDuring = -1;
    int nestedShown = -1;
    {
        EditorDriver driver([&](frmAEP& editor) {
            EditorDriver nested({}, &editor);
            for (const char* action : {"MnuMenu_1", "MnuMenu_2", "MnuMenu_4", "MnuMenu_8"})
                window->findChild<QAction*>(QString::fromLatin1(action))->trigger();
            for (const char* button : {"cmdAdd", "cmdEdit", "cmdDelete", "cmdExit"})
                window->findChild<QToolButton*>(QString::fromLatin1(button))->click();
            window->Lvw_DblClick();
            QApplication::processEvents();
            editorsDuring = static_cast<int>(window->findChildren<frmAEP*>().size());
            nestedShown = nested.shown();
            TypeName(editor, QStringLiteral("first"));
        });
        QTest::keyClick(testsupport::DetailsViewOf(window->Lvw()), Qt::Key_F2);
        EXPECT_EQ(driver.shown(), 1);
    }
    EXPECT_EQ(nestedShown, 0);
    EXPECT_EQ(editorsDuring, 1);
    EXPECT_EQ(box_.count(), 0u) << "no Delete question";
    EXPECT_TRUE(window->isVisible()) << "no Exit";
    EXPECT_EQ(stored().size(), 1u);

    // Closed, the next command opens a new editor with nothing left from the last one.
    Shown next;
    EditorDriver again([&](frmAEP& editor) { next = Read(editor); });
    activate(*window);
    QTest::keyClick(testsupport::DetailsViewOf(window->Lvw()), Qt::Key_F2);
    EXPECT_EQ(again.shown(), 1);
    EXPECT_TRUE(next.name.isEmpty());
}

// A birth that no date can be read from, or one finer than the picker shows, is
// written back exactly as stored when the user changes only the comments.
TEST_F(EditorCommandTest, SaveLeavesAnUntouchedBirthAsStored) {
    for (const char* birth :
         {"NULL", "'abc'", "'0000-00-00'", "'2001-02-30'", "1e300", "'2020-01-31 23:59:59.7'",
          "43000.25", "''", "'--12-08 08:30:00'", "'--02-29'", "'--02-30'", "'--12-08T08:30'"}) {
        db_.exec("DELETE FROM tblAges");
        db_.exec(std::string("INSERT INTO tblAges VALUES (5, 'Ann', ") + birth + ", 'old')");
        const std::string before = Quoted(db_, "dtmBirth");
        auto window = open();
        show(*window);
        window->Lvw()->selectRow(0);
        EditorDriver driver([](frmAEP& editor) {
            TypeComments(editor, QStringLiteral("new"));
            ClickAddSave(editor);
        });
        window->cmdEdit_Click();
        EXPECT_EQ(driver.closedByDriver(), 0) << birth;
        EXPECT_EQ(Quoted(db_, "strComments"), "'new'") << birth;
        EXPECT_EQ(Quoted(db_, "dtmBirth"), before) << birth;
    }
}

// A person whose birth year is unknown opens with "Year unknown" checked and the time of
// day as stored; a save or a duplicate keeps both.
TEST_F(EditorCommandTest, EditOfABirthdayWithoutAYearKeepsItsFormAndTime) {
    const struct {
        const char* what;
        const char* birth;   // as stored
        const char* picker;  // as the editor shows it; null: not a birthday without a year
        std::function<void(frmAEP&)> change;
        std::vector<std::string> births;  // by key afterwards
    } cases[] = {
        {"next day, saved",
         "--12-08 08:30:00",
         "12/08/---- 08:30:00",
         [](frmAEP& editor) {
             auto* picker = editor.findChild<QDateTimeEdit*>(QStringLiteral("mvBirth"));
             picker->setDate(picker->date().addDays(1));
             ClickAddSave(editor);
         },
         {"--12-09 08:30:00"}},
        // Shown as "12/08" too, as stored, but no birthday the program can read.
        {"a look-alike", "12/08", nullptr, [](frmAEP& editor) { ClickAddSave(editor); }, {"12/08"}},
    };
    for (const auto& c : cases) {
        db_.exec("DELETE FROM tblAges");
        db_.add("Ann", c.birth, ".", 5);
        auto window = open();
        show(*window);
        window->Lvw()->selectRow(0);
        Shown shown;
        bool checked = false;
        EditorDriver driver([&](frmAEP& editor) {
            shown = Read(editor);
            checked = editor.findChild<QCheckBox*>(QStringLiteral("chkYearUnknown"))->isChecked();
            c.change(editor);
        });
        window->cmdEdit_Click();
        EXPECT_EQ(driver.closedByDriver(), 0) << c.what;
        EXPECT_EQ(checked, c.picker != nullptr) << c.what;
        if (c.picker) {
            EXPECT_EQ(shown.picker, QString::fromLatin1(c.picker)) << c.what;
        }
        std::vector<std::string> births;
        for (const auto& row : stored()) births.push_back(row.birth);
        EXPECT_EQ(births, c.births) << c.what;
    }
}

// Another copy of the program changes or removes the person while the editor shows it.
// Save then asks before it overwrites, or before it adds a removed person again; No
// keeps the editor open and reloads the list. Duplicate adds a person and so asks nothing.
TEST_F(EditorCommandTest, SaveAsksBeforeOverwritingARowChangedOutside) {
    using platform::MsgAnswer;
    const struct {
        const char* what;
        const char* outside;  // SQL run while the editor is open
        bool duplicate;
        MsgAnswer answer;
        bool asks;
        std::string name, comments;  // person 5 afterwards; "(none)" when gone
        std::size_t rows;
        bool staysOpen;
    } cases[] = {
        {"untouched", "", false, MsgAnswer::No, false, "'Ann B'", "'tea'", 1, false},
        {"changed, No", "UPDATE tblAges SET strComments = 'coffee'", false, MsgAnswer::No,
         true, "'Ann'", "'coffee'", 1, true},
        {"changed, Yes", "UPDATE tblAges SET strComments = 'coffee'", false, MsgAnswer::Yes,
         true, "'Ann B'", "'tea'", 1, false},
        {"birth a second later", "UPDATE tblAges SET dtmBirth = '1980-03-15 00:00:01'", false,
         MsgAnswer::No, true, "'Ann'", "'tea'", 1, true},
        {"removed, No", "DELETE FROM tblAges", false, MsgAnswer::No, true, "(none)", "(none)",
         0, true},
        {"removed, Yes", "DELETE FROM tblAges", false, MsgAnswer::Yes, true, "(none)", "(none)",
         1, false},
        {"changed, Duplicate", "UPDATE tblAges SET strComments = 'coffee'", true, MsgAnswer::No,
         false, "'Ann'", "'coffee'", 2, false},
    };
    for (const auto& c : cases) {
        db_.exec("DELETE FROM tblAges");
        db_.add("Ann", "1980-03-15 00:00:00", "tea", 5);
        auto window = open();
        show(*window);
        window->Lvw()->selectRow(0);
        box_.clear();
        if (c.asks) box_.push(c.answer);
        EditorDriver driver([&](frmAEP& editor) {
            if (*c.outside) db_.exec(c.outside);
            TypeName(editor, QStringLiteral("Ann B"));
            c.duplicate ? ClickDuplicate(editor) : ClickAddSave(editor);
        });
        window->cmdEdit_Click();
        ASSERT_EQ(box_.count(), c.asks ? 1u : 0u) << c.what;
        if (c.asks) {
            const bool removed = std::string(c.what).starts_with("removed");
            EXPECT_EQ(box_.asked()[0].text,
                      removed ? "This person was deleted outside this window since the list was "
                                "loaded. Add them again?"
                              : "This person was changed outside this window since the list was "
                                "loaded. Save anyway?")
                << c.what;
            EXPECT_EQ(box_.asked()[0].style, 4 + 32 + 256) << c.what;
            EXPECT_EQ(box_.asked()[0].title, "Marrowtide");
        }
        EXPECT_EQ(Quoted(db_, "strName"), c.name) << c.what;
        EXPECT_EQ(Quoted(db_, "strComments"), c.comments) << c.what;
        EXPECT_EQ(stored().size(), c.rows) << c.what;
        EXPECT_EQ(driver.closedByDriver(), c.staysOpen ? 1 : 0) << c.what;
        if (std::string(c.what) == "removed, Yes") {  // added again, under a new key
            ASSERT_EQ(stored().size(), 1u);
            EXPECT_EQ(stored()[0].name, "Ann B");
            EXPECT_EQ(stored()[0].comments, "tea");
        }
        // Whatever happened, the list shows the table as it is now.
        EXPECT_EQ(window->Lvw()->rowCount(), c.rows == 0 ? 1 : static_cast<int>(c.rows)) << c.what;
    }
}

}  // namespace maintest
