#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "age/DateValue.h"

using modAgeCalc::DateParts;

namespace {

struct Known {
    DateParts parts;
    double value;
};

TEST(DateValue, KnownValuesConvertBothWays) {
    const Known table[] = {
        {{1899, 12, 30, 0, 0, 0}, 0.0},       {{1899, 12, 29, 6, 0, 0}, -1.25},
        {{1899, 12, 30, 12, 0, 0}, 0.5},      {{1899, 12, 28, 18, 0, 0}, -2.75},
        {{1900, 2, 28, 0, 0, 0}, 60.0},       {{1900, 3, 1, 0, 0, 0}, 61.0},
        {{2000, 1, 1, 12, 0, 0}, 36526.5},    {{100, 1, 1, 0, 0, 0}, -657434.0},
        {{9999, 12, 31, 0, 0, 0}, 2958465.0},
    };
    for (const auto& k : table) {
        EXPECT_DOUBLE_EQ(modAgeCalc::ToDateValue(k.parts), k.value) << k.value;
        DateParts back;
        ASSERT_TRUE(modAgeCalc::FromDateValue(k.value, back)) << k.value;
        EXPECT_EQ(back, k.parts) << k.value;
    }
}

// Values a hair before midnight round to the following calendar day. Below day 0 the
// fraction counts forward from the day's midnight too, so the following day is the next
// higher day number, not the next lower one.
TEST(DateValue, RoundingToMidnightMovesToTheFollowingDay) {
    const Known table[] = {
        {{1900, 1, 1, 0, 0, 0}, 1.9999999999},    {{1899, 12, 31, 0, 0, 0}, -0.9999999999},
        {{1899, 12, 30, 0, 0, 0}, -1.9999999999}, {{1899, 12, 29, 0, 0, 0}, -2.9999999999},
        {{1899, 12, 30, 12, 0, 0}, -0.5},         {{100, 1, 2, 0, 0, 0}, -657434.9999999},
    };
    for (const auto& k : table) {
        DateParts back;
        ASSERT_TRUE(modAgeCalc::FromDateValue(k.value, back)) << k.value;
        EXPECT_EQ(back, k.parts) << k.value;
    }
}

TEST(DateValue, RefusesValuesOutsideTheRange) {
    const double inf = std::numeric_limits<double>::infinity();
    const double refused[] = {std::nan(""),    inf,  -inf, -657435.0, 2958466.0,
                              2958465.9999999, 1e300};
    for (const double value : refused) {
        DateParts out{2024, 5, 20, 1, 2, 3};
        EXPECT_FALSE(modAgeCalc::FromDateValue(value, out)) << value;
        EXPECT_EQ(out, (DateParts{2024, 5, 20, 1, 2, 3})) << "untouched after " << value;
    }
}

TEST(DateValue, DaySerialTruncatesTowardZeroAndIgnoresNonNumbers) {
    const std::pair<double, std::int32_t> table[] = {
        {2.9, 2},   {-1.25, -1},           {-0.5, 0},
        {0.0, 0},   {2958465.99, 2958465}, {1e12, 0},
        {-1e12, 0}, {std::nan(""), 0},     {std::numeric_limits<double>::infinity(), 0},
    };
    for (const auto& [value, serial] : table)
        EXPECT_EQ(modAgeCalc::DaySerialOf(value), serial) << value;
}

// Julian Day Number of a Gregorian date (Fliegel and Van Flandern), an independent check
// of the day numbering; 12/30/1899 is JDN 2415019.
long julianDayNumber(long y, long m, long d) {
    return (1461 * (y + 4800 + (m - 14) / 12)) / 4 + (367 * (m - 2 - 12 * ((m - 14) / 12))) / 12 -
           (3 * ((y + 4900 + (m - 14) / 12) / 100)) / 4 + d - 32075;
}

int monthLength(int year, int month) {
    static const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = year % 400 == 0 || (year % 4 == 0 && year % 100 != 0);
    return month == 2 && leap ? 29 : lengths[month - 1];
}

// Walks every day from 01/01/0100 to 12/31/9999 with its own calendar and checks the
// day number both ways and the value with a time of day both ways.
TEST(DateValue, EveryDayOfTheRangeAgreesWithAnIndependentCalendar) {
    std::int32_t serial = -657434;
    int failures = 0;
    for (int year = 100; year <= 9999 && failures < 10; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= monthLength(year, month); ++day, ++serial) {
                const int secondOfDay = static_cast<int>((serial * 7919L) % 86400 + 86400) % 86400;
                const DateParts parts{
                    year, month, day, secondOfDay / 3600, secondOfDay / 60 % 60, secondOfDay % 60};
                int y = 0, m = 0, d = 0;
                modAgeCalc::CivilFromSerial(serial, y, m, d);
                DateParts back;
                const bool ok = modAgeCalc::SerialFromCivil(year, month, day) == serial &&
                                julianDayNumber(year, month, day) - 2415019 == serial &&
                                y == year && m == month && d == day &&
                                modAgeCalc::DaySerialOf(modAgeCalc::ToDateValue(parts)) == serial &&
                                modAgeCalc::FromDateValue(modAgeCalc::ToDateValue(parts), back) &&
                                back == parts;
                if (!ok) {
                    ADD_FAILURE() << "day " << serial << ": " << month << "/" << day << "/" << year;
                    ++failures;
                }
            }
        }
    }
    EXPECT_EQ(serial, modAgeCalc::kMaxSerial + 1);
}

}  // namespace
