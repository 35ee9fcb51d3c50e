#include <QDateTimeEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest/QTest>
#include <cmath>

#include "EditorTest.h"
#include "FixedClock.h"
#include "age/DateValue.h"
#include "platform/Clock.h"

namespace {

using BirthTest = EditorTest;

double Value(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    return modAgeCalc::ToDateValue({y, mo, d, h, mi, s});
}

QDateTime Utc(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s), Qt::UTC);
}

// A date put into the picker and confirmed at once with the default button, while
// the picker still has the focus, is the date stored.
enum class PickerEntry { SetThenEnter, TypedThenEnter, TypedThenClick };

void PrintTo(PickerEntry entry, std::ostream* os) {
    *os << (entry == PickerEntry::SetThenEnter     ? "set, then Enter"
            : entry == PickerEntry::TypedThenEnter ? "typed, then Enter"
                                                   : "typed, then the button");
}

class PickerEnterTest : public EditorTest, public ::testing::WithParamInterface<PickerEntry> {};

TEST_P(PickerEnterTest, TheDateShownIsTheDateStored) {
    const auto key = storePerson("Ann", Value(1980, 6, 15, 10, 20, 30), "");
    dialog_->EditOr(key, "Ann", Value(1980, 6, 15, 10, 20, 30), "");
    showActive();
    mvBirth()->setFocus();
    ASSERT_TRUE(mvBirth()->hasFocus());
    switch (GetParam()) {
        case PickerEntry::SetThenEnter:
            mvBirth()->setDateTime(Utc(1980, 6, 3, 10, 20, 30));
            QTest::keyClick(mvBirth(), Qt::Key_Return);
            break;
        case PickerEntry::TypedThenEnter:
        case PickerEntry::TypedThenClick:
            // Month section, then on to the day (Right moves between the fields), where a
            // single "3" is not yet a finished entry: the picker still holds the 15th.
            QTest::keyClick(mvBirth(), Qt::Key_Home);
            QTest::keyClick(mvBirth(), Qt::Key_Right);
            QTest::keyClicks(mvBirth(), "3");
            ASSERT_EQ(mvBirth()->text(), "06/3/1980 10:20:30");
            if (GetParam() == PickerEntry::TypedThenEnter)
                QTest::keyClick(mvBirth(), Qt::Key_Return);
            else  // as the access key Alt+S does: the picker sees no key of it
                button("cmdAE_0")->click();
            break;
    }
    EXPECT_FALSE(dialog_->isVisible());
    EXPECT_EQ(rowWithKey(key).birth, "1980-06-03 10:20:30");
    EXPECT_EQ(dialog_->PersonBirth(), Value(1980, 6, 3, 10, 20, 30));
}

INSTANTIATE_TEST_SUITE_P(Entries, PickerEnterTest,
                         ::testing::Values(PickerEntry::SetThenEnter, PickerEntry::TypedThenEnter,
                                           PickerEntry::TypedThenClick));

TEST_F(BirthTest, LeavingThePickerTakesItsValue) {
    dialog_->EditOr(0, "", Value(1980, 6, 15), "");
    showActive();
    mvBirth()->setFocus();
    mvBirth()->setDateTime(Utc(2001, 2, 3, 4, 5, 6));
    EXPECT_EQ(dialog_->PersonBirth(), Value(1980, 6, 15));
    txtComments()->setFocus();
    EXPECT_EQ(dialog_->PersonBirth(), Value(2001, 2, 3, 4, 5, 6));
}

// A birth the user leaves alone comes back exactly as given, even when the picker
// cannot show it exactly, also after the focus has passed through the picker.
struct UntouchedCase {
    const char* what;
    double birth;
    const char* stored;
};

void PrintTo(const UntouchedCase& c, std::ostream* os) {
    *os << c.what;
}

class UntouchedBirthTest : public EditorTest,
                           public ::testing::WithParamInterface<UntouchedCase> {};

TEST_P(UntouchedBirthTest, IsKeptExactlyThroughSave) {
    const UntouchedCase& c = GetParam();
    const auto key = storePerson("Ann", 0.0, "");
    dialog_->EditOr(key, "Ann", c.birth, "");
    showActive();
    EXPECT_EQ(dialog_->PersonBirth(), c.birth);
    mvBirth()->setFocus();
    txtComments()->setFocus();
    QTest::keyClick(txtName(), Qt::Key_Return);

    EXPECT_FALSE(dialog_->isVisible()) << c.what;
    EXPECT_EQ(dialog_->PersonBirth(), c.birth) << c.what;
    EXPECT_EQ(rowWithKey(key).birth, c.stored) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Births, UntouchedBirthTest,
    ::testing::Values(
        UntouchedCase{"time of day", Value(1980, 3, 15, 10, 20, 30), "1980-03-15 10:20:30"},
        UntouchedCase{"midnight", Value(1980, 3, 15), "1980-03-15 00:00:00"},
        UntouchedCase{"a fraction of a second", Value(1980, 3, 15, 10, 20, 30) + 0.25 / 86400,
                      "1980-03-15 10:20:30"},
        UntouchedCase{"day 0", 0.0, "1899-12-30 00:00:00"},
        UntouchedCase{"before day 0", -1.25, "1899-12-29 06:00:00"},
        UntouchedCase{"before the picker's range", Value(1500, 6, 1, 8), "1500-06-01 08:00:00"}));

TEST_F(BirthTest, ABirthThatIsNoDateIsStoredAsThePickerShowsIt) {
    dialog_->EditOr(0, "Ann", std::nan(""), "");
    dialog_->show();
    button("cmdAE_0")->click();
    ASSERT_EQ(rows().size(), 1u);
    EXPECT_EQ(rows()[0].birth, "1899-12-30 00:00:00");
    EXPECT_EQ(dialog_->PersonBirth(), 0.0);
}

TEST_F(BirthTest, AnAddedPersonKeepsTheTimeTheDialogOpenedWith) {
    testsupport::FixedClock clock({2024, 2, 29, 13, 45, 7});
    const platform::Clock* previous = platform::SetClock(&clock);
    const platform::DateParts now = platform::Now();
    dialog_->EditOr(0, "", Value(now.year, now.month, now.day, now.hour, now.minute, now.second),
                    "");
    platform::SetClock(previous);
    dialog_->show();
    QTest::keyClicks(txtName(), "Newborn");
    button("cmdAE_0")->click();
    ASSERT_EQ(rows().size(), 1u);
    EXPECT_EQ(rows()[0].birth, "2024-02-29 13:45:07");
}

}  // namespace
