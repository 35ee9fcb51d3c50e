#include <QDateTimeEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest/QTest>
#include <string>
#include <vector>

#include "EditorTest.h"
#include "age/DateValue.h"
#include "ui/editor/PickerDateTime.h"

namespace {

using TypedDateTest = EditorTest;

const modAgeCalc::DateParts kStart{2026, 3, 7, 13, 45, 7};  // shown as 03/07/2026 13:45:07

struct Typed {
    std::string keys;
    std::string shown;  // by the picker, and held by the dialog, once Tab has left it
    modAgeCalc::DateParts start = kStart;
};

std::string Text(const char* format, int a, int b) {
    return QString::asprintf(format, a, b).toStdString();
}

// Every month's last day, typed after Tab as digits only, with the separators shown,
// and with the separators after single digits.
std::vector<Typed> LastDaysOfTheMonths() {
    std::vector<Typed> cases;
    for (int month = 1; month <= 12; ++month) {
        const int day = modAgeCalc::DaysInMonthOf(2023, month);
        const std::string shown = Text("%02d/%02d/2023 13:45:07", month, day);
        cases.push_back({Text("%02d%02d2023", month, day), shown});
        cases.push_back({Text("%02d/%02d/2023", month, day), shown});
        cases.push_back({Text("%d/%d/2023", month, day), shown});
    }
    return cases;
}

const std::vector<Typed> kOtherDates = {
    {"02291988", "02/29/1988 13:45:07"},
    {"02/29/1988", "02/29/1988 13:45:07"},
    // 29 February of a common year: the year's last digit is refused, and the picker
    // goes back to the last real date it held, the 7th of the typed month.
    {"02291987", "02/07/2026 13:45:07"},
    {"02/29/2023", "02/07/2026 13:45:07"},
    {"3/15/1999", "03/15/1999 13:45:07"},
    {"1/5/1999 1:2:3", "01/05/1999 01:02:03"},
    {"12/31/1999 23:59:59", "12/31/1999 23:59:59"},
    {"3/15/1999 10:20:30", "03/15/1999 10:20:30"},
    {"12319999", "12/31/9999 13:45:07"},
    // Before the picker's first year: the last real date stays.
    {"01011600", "01/01/2026 13:45:07"},
    {"0101", "01/01/2026 13:45:07"},
    // A month typed over a day it does not have waits for the day, never cutting it down.
    {"02/29/2024", "02/29/2024 13:45:07", {2026, 3, 31, 13, 45, 7}},
    {"02", "03/31/2026 13:45:07", {2026, 3, 31, 13, 45, 7}},
};

// Types as a keyboard does: Shift goes down on its own before a ":".
void TypeOnAKeyboard(const std::string& keys) {
    for (const char key : keys) {
        QWidget* focused = QApplication::focusWidget();
        if (key != ':') {
            QTest::keyClick(focused, key);
            continue;
        }
        QTest::keyPress(focused, Qt::Key_Shift, Qt::ShiftModifier);
        QTest::keyClick(focused, ':', Qt::ShiftModifier);
        QTest::keyRelease(focused, Qt::Key_Shift);
    }
}

// Typing a date as it is shown stores that date, and only Tab leaves the picker: no
// separator sends the rest of the date into the comments.
TEST_F(TypedDateTest, ADateTypedAsShownIsTheDateHeld) {
    std::vector<Typed> cases = LastDaysOfTheMonths();
    cases.insert(cases.end(), kOtherDates.begin(), kOtherDates.end());
    for (const Typed& c : cases) {
        dialog_->EditOr(5, "Ann", modAgeCalc::ToDateValue(c.start), "");
        showActive();
        txtName()->setFocus();
        QTest::keyClick(txtName(), Qt::Key_Tab);
        TypeOnAKeyboard(c.keys);
        EXPECT_TRUE(mvBirth()->hasFocus()) << c.keys;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_TRUE(txtComments()->hasFocus()) << c.keys;
        EXPECT_EQ(txtComments()->toPlainText(), "") << c.keys;
        EXPECT_EQ(mvBirth()->text().toStdString(), c.shown) << c.keys;
        const QDateTime held = editor::PickerDateTimeFromValue(dialog_->PersonBirth());
        EXPECT_EQ(held.toString(QStringLiteral("MM/dd/yyyy HH:mm:ss")).toStdString(), c.shown)
            << c.keys;
    }
}

// While the year is typed digit by digit the picker shows each digit and keeps its last
// real date; the date changes when the year is complete, and only if it makes a real date.
TEST_F(TypedDateTest, TheYearIsCheckedOnceItIsComplete) {
    const struct {
        const char* year;
        const char* lastShown;
        QDate held;
    } cases[] = {{"1988", "02/29/1988", QDate(1988, 2, 29)},
                 {"1987", "02/29/198", QDate(2026, 2, 7)}};
    for (const auto& c : cases) {
        dialog_->EditOr(5, "Ann", modAgeCalc::ToDateValue(kStart), "");
        showActive();
        txtName()->setFocus();
        QTest::keyClick(txtName(), Qt::Key_Tab);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("0229"));
        const QString year = QString::fromLatin1(c.year);
        for (int digits = 1; digits <= 3; ++digits) {
            QTest::keyClick(QApplication::focusWidget(), year[digits - 1].toLatin1());
            EXPECT_TRUE(mvBirth()->text().startsWith(QStringLiteral("02/29/") + year.left(digits)))
                << mvBirth()->text().toStdString();
            EXPECT_EQ(mvBirth()->date(), QDate(2026, 2, 7)) << c.year << " " << digits;
        }
        QTest::keyClick(QApplication::focusWidget(), year[3].toLatin1());
        EXPECT_TRUE(mvBirth()->text().startsWith(QLatin1String(c.lastShown)))
            << mvBirth()->text().toStdString();
        EXPECT_EQ(mvBirth()->date(), c.held) << c.year;
    }
}

}  // namespace
