#include <QDateTimeEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest/QTest>

#include "EditorTest.h"
#include "age/DateValue.h"
#include "ui/editor/PickerDateTime.h"

namespace {

using KeysTest = EditorTest;

double Value(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    return modAgeCalc::ToDateValue({y, mo, d, h, mi, s});
}

// Keys go where the user's keyboard sends them: to the focused widget.
void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

// Tab leaves the picker for the next control, Shift+Tab for the one before; Left and
// Right move between the picker's fields.
TEST_F(KeysTest, TabLeavesThePickerAndTheArrowsMoveBetweenItsFields) {
    dialog_->EditOr(5, "Ann", Value(1980, 6, 15, 10, 20, 30), "");
    showActive();
    mvBirth()->setFocus();
    Press(Qt::Key_Tab);
    EXPECT_TRUE(txtComments()->hasFocus());
    mvBirth()->setFocus();
    Press(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_TRUE(txtName()->hasFocus());

    mvBirth()->setFocus();
    Press(Qt::Key_Home);
    const QDateTimeEdit::Section fields[] = {
        QDateTimeEdit::MonthSection, QDateTimeEdit::DaySection,    QDateTimeEdit::YearSection,
        QDateTimeEdit::HourSection,  QDateTimeEdit::MinuteSection, QDateTimeEdit::SecondSection,
        QDateTimeEdit::SecondSection};
    for (const auto field : fields) {
        EXPECT_EQ(mvBirth()->currentSection(), field);
        Press(Qt::Key_Right);
    }
    Press(Qt::Key_Left);
    EXPECT_EQ(mvBirth()->currentSection(), QDateTimeEdit::MinuteSection);
    EXPECT_TRUE(mvBirth()->hasFocus());
}

// A date that does not exist is refused where it is typed: the keys that would make
// it are not taken, and what the picker shows when the focus leaves it is the date
// saved. The month field is chosen as a user would, with the arrow keys.
TEST_F(KeysTest, ThePickerRefusesAnImpossibleTypedDate) {
    const struct {
        const char* typed;
        const char* shown;
    } cases[] = {
        {"02302001", "02/03/1980 10:20:30"},  // the 0 of 30 is refused, then all of 2001
        {"04312020", "04/30/1980 10:20:30"},  // 31 refused, then the 0 of 2020 makes 30
        {"02292023", "02/29/1980 10:20:30"},  // the 3 of 2023 is refused: back to the last date
        {"02292024", "02/29/2024 10:20:30"}, {"12312020", "12/31/2020 10:20:30"},
    };
    for (const auto& c : cases) {
        dialog_->EditOr(5, "Ann", Value(1980, 6, 15, 10, 20, 30), "");
        showActive();
        mvBirth()->setFocus();
        Press(Qt::Key_Right);
        for (int i = 0; i < 6; ++i) Press(Qt::Key_Left);
        QTest::keyClicks(QApplication::focusWidget(), c.typed);
        txtComments()->setFocus();
        EXPECT_EQ(mvBirth()->text(), QString::fromLatin1(c.shown)) << c.typed;
        const QDateTime held = editor::PickerDateTimeFromValue(dialog_->PersonBirth());
        EXPECT_EQ(held.toString(QStringLiteral("MM/dd/yyyy HH:mm:ss")),
                  QString::fromLatin1(c.shown))
            << c.typed;
    }
}

}  // namespace
