#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "age/DateValue.h"
#include "ui/editor/PickerDateTime.h"

namespace {

QDateTime Utc(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s), Qt::UTC);
}

double Value(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    return modAgeCalc::ToDateValue({y, mo, d, h, mi, s});
}

struct ShownCase {
    const char* what;
    double value;
    QDateTime shown;
};

void PrintTo(const ShownCase& c, std::ostream* os) {
    *os << c.what;
}

class PickerDateTimeShown : public ::testing::TestWithParam<ShownCase> {};

TEST_P(PickerDateTimeShown, ShowsTheValueInsideThePickerRange) {
    const ShownCase& c = GetParam();
    const QDateTime shown = editor::PickerDateTimeFromValue(c.value);
    EXPECT_EQ(shown, c.shown) << c.what << ": " << shown.toString().toStdString();
    EXPECT_EQ(shown.timeSpec(), Qt::UTC) << c.what;
}

constexpr double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Values, PickerDateTimeShown,
    ::testing::Values(
        ShownCase{"day 0", 0.0, Utc(1899, 12, 30)},
        ShownCase{"before day 0 the fraction is the time", -1.25, Utc(1899, 12, 29, 6)},
        ShownCase{"time with seconds", Value(1980, 3, 15, 10, 20, 30),
                  Utc(1980, 3, 15, 10, 20, 30)},
        ShownCase{"half a second rounds up", Value(1980, 3, 15, 10, 20, 30) + 0.6 / 86400,
                  Utc(1980, 3, 15, 10, 20, 31)},
        ShownCase{"a spring-forward hour in many zones", Value(2021, 3, 28, 2, 30),
                  Utc(2021, 3, 28, 2, 30)},
        ShownCase{"first day of the picker", Value(1601, 1, 1), Utc(1601, 1, 1)},
        ShownCase{"before the picker's range", Value(1500, 6, 1, 8), Utc(1601, 1, 1)},
        ShownCase{"last second of the calendar", Value(9999, 12, 31, 23, 59, 59),
                  Utc(9999, 12, 31, 23, 59, 59)},
        ShownCase{"rounds beyond the calendar", modAgeCalc::kMaxSerial + 0.9999999,
                  Utc(9999, 12, 31, 23, 59, 59)},
        ShownCase{"far beyond the calendar", 1e12, Utc(9999, 12, 31, 23, 59, 59)},
        ShownCase{"plus infinity", kInf, Utc(9999, 12, 31, 23, 59, 59)},
        ShownCase{"minus infinity", -kInf, Utc(1601, 1, 1)},
        ShownCase{"not a number", std::nan(""), Utc(1899, 12, 30)}));

TEST(PickerDateTime, ReadsBackEveryShownSecondExactly) {
    const double values[] = {0.0,
                             -1.25,
                             Value(1601, 1, 1),
                             Value(1980, 3, 15, 10, 20, 30),
                             Value(2000, 2, 29, 23, 59, 59),
                             Value(9999, 12, 31, 23, 59, 59)};
    for (double v : values)
        EXPECT_EQ(editor::ValueFromPickerDateTime(editor::PickerDateTimeFromValue(v)), v) << v;
}

TEST(PickerDateTime, AnInvalidDateTimeIsDayZero) {
    EXPECT_EQ(editor::ValueFromPickerDateTime(QDateTime()), 0.0);
    EXPECT_EQ(editor::ValueFromPickerDateTime(Utc(10000, 1, 1)), 0.0);
}

}  // namespace
