// "Year unknown": a birthday kept as --MM-DD, with the time of day, through the editor.
#include <QApplication>
#include <QCheckBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest/QTest>
#include <string>

#include "EditorTest.h"
#include "FixedClock.h"
#include "age/DateValue.h"
#include "platform/Clock.h"
#include "store/BirthText.h"

namespace {

using YearUnknownTest = EditorTest;

// Shows the stored person as the list hands it over: with or without a year.
void Show(frmAEP& dialog, std::int32_t key, const std::string& stored) {
    if (const auto yearless = modAgeCalc::YearlessFromText(stored)) {
        dialog.EditOr(key, "Ann", *yearless, ".");
        return;
    }
    double birth = 0;
    modAgeCalc::BirthFromStored(store::Value(stored), birth);
    dialog.EditOr(key, "Ann", birth, ".");
}

// Today is 05/20/2024: a year given back to a birthday that had none is this year's.
TEST_F(YearUnknownTest, TheBoxDecidesWhatIsStoredAndKeepsTheTimeOfDay) {
    testsupport::FixedClock clock({2024, 5, 20, 9, 30, 0});
    const platform::Clock* previous = platform::SetClock(&clock);
    const struct {
        const char* stored;
        int clicks;          // on the box
        bool nextDay;        // the picker moved on a day
        const char* button;  // cmdAE_0 saves over the row, cmdDup adds a copy
        const char* saved;   // the row the button writes
    } table[] = {
        {"--12-08 08:30:00", 0, false, "cmdAE_0", "--12-08 08:30:00"},
        {"--02-29", 0, false, "cmdDup", "--02-29"},
        {"1980-12-08 08:30:00", 1, false, "cmdAE_0", "--12-08 08:30:00"},
        {"1980-02-29 00:00:00", 1, false, "cmdDup", "--02-29"},
        {"--12-08 08:30:00", 1, false, "cmdAE_0", "2024-12-08 08:30:00"},
        {"--02-29", 1, false, "cmdAE_0", "2024-02-29 00:00:00"},
        {"1980-12-08 08:30:00", 2, false, "cmdAE_0", "1980-12-08 08:30:00"},
        {"--12-08 08:30:00", 0, true, "cmdAE_0", "--12-09 08:30:00"},
    };
    auto* box = dialog_->findChild<QCheckBox*>("chkYearUnknown");
    for (const auto& r : table) {
        db_.exec("DELETE FROM tblAges");
        Show(*dialog_, static_cast<std::int32_t>(db_.insert("Ann", r.stored, ".")), r.stored);
        EXPECT_EQ(box->isChecked(), r.stored[0] == '-') << r.stored;
        dialog_->show();
        for (int i = 0; i < r.clicks; ++i) box->click();
        if (r.nextDay) mvBirth()->setDate(mvBirth()->date().addDays(1));
        button(r.button)->click();
        const auto all = rows();
        ASSERT_EQ(all.size(), std::string(r.button) == "cmdDup" ? 2u : 1u) << r.stored;
        EXPECT_EQ(all.back().birth, r.saved) << r.stored;
    }
    EXPECT_EQ(boxes_.count(), 0u);
    platform::SetClock(previous);
}

// Checked, the picker's year shows dashes and is no field to type into; a date is typed
// as shown, month, day and time, 29 February included.
TEST_F(YearUnknownTest, CheckedThePickerTakesMonthDayAndTimeOnly) {
    dialog_->EditOr(0, "", modAgeCalc::ToDateValue({1980, 12, 8, 8, 30, 0}), "");
    auto* box = dialog_->findChild<QCheckBox*>("chkYearUnknown");
    // Reached with Alt+U, out of the Tab order of the fields and buttons.
    EXPECT_EQ(box->text(), "Year &unknown");
    EXPECT_EQ(box->focusPolicy(), Qt::NoFocus);
    box->click();
    EXPECT_EQ(mvBirth()->text(), "12/08/---- 08:30:00");
    for (int i = 0; i < mvBirth()->sectionCount(); ++i)
        EXPECT_NE(mvBirth()->sectionAt(i), QDateTimeEdit::YearSection) << i;
    const struct {
        const char* keys;
        modAgeCalc::YearlessBirth held;
    } typed[] = {{"0229123000", {2, 29, 12, 30, 0}}, {"2/29 7:5:9", {2, 29, 7, 5, 9}}};
    for (const auto& t : typed) {
        showActive();
        txtName()->setFocus();
        QTest::keyClick(txtName(), Qt::Key_Tab);
        for (const char key : std::string(t.keys))
            QTest::keyClick(QApplication::focusWidget(), key,
                            key == ':' ? Qt::ShiftModifier : Qt::NoModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(dialog_->PersonYearless(), t.held) << t.keys;
    }
    box->click();
    EXPECT_EQ(mvBirth()->text(), "02/29/1980 07:05:09");
    // A person shown afterwards starts with the box cleared.
    box->click();
    dialog_->EditOr(0, "", modAgeCalc::ToDateValue({1990, 1, 2}), "");
    EXPECT_FALSE(box->isChecked());
}

}  // namespace
