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

namespace {

using YearUnknownTest = EditorTest;

enum class Step { None, Check, Uncheck, CheckThenUncheck, MoveToTheNinth };

struct RoundTrip {
    const char* stored;  // as the row holds it before
    Step step;
    const char* button;  // cmdAE_0 saves over the row, cmdDup adds a copy
    const char* saved;   // the row the button writes
};

// Today is 05/20/2024: a year given back to a birthday that had none is this year's.
TEST_F(YearUnknownTest, TheBoxDecidesWhatIsStoredAndKeepsTheTimeOfDay) {
    testsupport::FixedClock clock({2024, 5, 20, 9, 30, 0});
    const platform::Clock* previous = platform::SetClock(&clock);
    const RoundTrip table[] = {
        {"--12-08 08:30:00", Step::None, "cmdAE_0", "--12-08 08:30:00"},
        {"--12-08", Step::None, "cmdDup", "--12-08"},
        {"--02-29", Step::None, "cmdDup", "--02-29"},
        {"1980-12-08 08:30:00", Step::Check, "cmdAE_0", "--12-08 08:30:00"},
        {"1980-02-29 00:00:00", Step::Check, "cmdDup", "--02-29"},
        {"--12-08 08:30:00", Step::Uncheck, "cmdAE_0", "2024-12-08 08:30:00"},
        {"--02-29", Step::Uncheck, "cmdAE_0", "2024-02-29 00:00:00"},
        {"1980-12-08 08:30:00", Step::CheckThenUncheck, "cmdAE_0", "1980-12-08 08:30:00"},
        {"--12-08 08:30:00", Step::MoveToTheNinth, "cmdAE_0", "--12-09 08:30:00"},
    };
    for (const RoundTrip& r : table) {
        db_.exec("DELETE FROM tblAges");
        const auto key = static_cast<std::int32_t>(db_.insert("Ann", r.stored, "."));
        auto* box = dialog_->findChild<QCheckBox*>("chkYearUnknown");
        ASSERT_NE(box, nullptr);
        // The list hands the editor what it shows: here, read from the stored text.
        const std::string stored = r.stored;
        if (stored.starts_with("--")) {
            const modAgeCalc::YearlessBirth birth{
                std::stoi(stored.substr(2, 2)), std::stoi(stored.substr(5, 2)),
                stored.size() > 7 ? std::stoi(stored.substr(8, 2)) : 0,
                stored.size() > 7 ? std::stoi(stored.substr(11, 2)) : 0, 0};
            dialog_->EditOr(key, "Ann", birth, ".");
            EXPECT_TRUE(box->isChecked()) << r.stored;
            EXPECT_TRUE(mvBirth()->text().contains("/----")) << r.stored;
        } else {
            const int y = std::stoi(stored.substr(0, 4)), mo = std::stoi(stored.substr(5, 2)),
                      d = std::stoi(stored.substr(8, 2)), h = std::stoi(stored.substr(11, 2)),
                      mi = std::stoi(stored.substr(14, 2));
            dialog_->EditOr(key, "Ann", modAgeCalc::ToDateValue({y, mo, d, h, mi, 0}), ".");
            EXPECT_FALSE(box->isChecked()) << r.stored;
        }
        dialog_->show();
        if (r.step == Step::Check || r.step == Step::Uncheck || r.step == Step::CheckThenUncheck)
            box->click();
        if (r.step == Step::CheckThenUncheck) box->click();
        if (r.step == Step::MoveToTheNinth) mvBirth()->setDate(mvBirth()->date().addDays(1));
        button(r.button)->click();
        const auto all = rows();
        ASSERT_FALSE(all.empty()) << r.stored;
        EXPECT_EQ(all.back().birth, r.saved) << r.stored;
        EXPECT_EQ(all.size(), std::string(r.button) == "cmdDup" ? 2u : 1u) << r.stored;
    }
    EXPECT_EQ(boxes_.count(), 0u);
    platform::SetClock(previous);
}

// Checked, the picker has no year field to type into: month, day and the time only.
TEST_F(YearUnknownTest, CheckedThePickerHasNoYearFieldAndUncheckedItIsBack) {
    dialog_->EditOr(0, "", modAgeCalc::ToDateValue({1980, 12, 8, 8, 30, 0}), "");
    auto* box = dialog_->findChild<QCheckBox*>("chkYearUnknown");
    // Reached with Alt+U, out of the Tab order of the fields and buttons.
    EXPECT_EQ(box->text(), "Year &unknown");
    EXPECT_EQ(box->focusPolicy(), Qt::NoFocus);
    box->click();
    EXPECT_EQ(mvBirth()->text(), "12/08/---- 08:30:00");
    EXPECT_EQ(mvBirth()->sectionCount(), 5);
    for (int i = 0; i < mvBirth()->sectionCount(); ++i)
        EXPECT_NE(mvBirth()->sectionAt(i), QDateTimeEdit::YearSection) << i;
    box->click();
    EXPECT_EQ(mvBirth()->text(), "12/08/1980 08:30:00");
    EXPECT_EQ(mvBirth()->sectionCount(), 6);
    // A person shown afterwards starts with the box cleared.
    box->click();
    dialog_->EditOr(0, "", modAgeCalc::ToDateValue({1990, 1, 2}), "");
    EXPECT_FALSE(box->isChecked());
    EXPECT_EQ(mvBirth()->text(), "01/02/1990 00:00:00");
}

// Checked, a date is typed as the picker shows it, month, day and time, the year's dashes
// passed over; 29 February is there to type, 30 February is not.
TEST_F(YearUnknownTest, MonthDayAndTimeAreTypedAsShown) {
    const struct {
        const char* keys;
        const char* shown;
        modAgeCalc::YearlessBirth held;
    } table[] = {
        {"0229123000", "02/29/---- 12:30:00", {2, 29, 12, 30, 0}},
        {"2/29 7:5:9", "02/29/---- 07:05:09", {2, 29, 7, 5, 9}},
        {"1231235959", "12/31/---- 23:59:59", {12, 31, 23, 59, 59}},
        {"0230", nullptr, {}},  // the 3 is taken, the 0 after it refused as a day
    };
    for (const auto& r : table) {
        dialog_->EditOr(5, "Ann", modAgeCalc::YearlessBirth{12, 8, 8, 30, 0}, "");
        showActive();
        txtName()->setFocus();
        QTest::keyClick(txtName(), Qt::Key_Tab);
        for (const char key : std::string(r.keys)) {
            QWidget* focused = QApplication::focusWidget();
            const auto modifier = key == ':' ? Qt::ShiftModifier : Qt::NoModifier;
            QTest::keyClick(focused, key, modifier);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        const modAgeCalc::YearlessBirth held = dialog_->PersonYearless();
        if (!r.shown) {
            EXPECT_TRUE(modAgeCalc::IsValidYearless(held)) << r.keys;
            EXPECT_NE(held.day, 30) << r.keys;
            continue;
        }
        EXPECT_EQ(mvBirth()->text().toStdString(), r.shown) << r.keys;
        EXPECT_EQ(held, r.held) << r.keys;
    }
}

}  // namespace
