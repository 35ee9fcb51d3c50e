#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "age/AgeCalc.h"

using modAgeCalc::DateParts;
using modAgeCalc::ToDateValue;

namespace {

double at(int year, int month, int day, int hour = 0, int minute = 0) {
    return ToDateValue(DateParts{year, month, day, hour, minute, 0});
}

std::string dateText(int year, int month, int day) {
    char text[40];  // room for any int, so no compiler sees a truncation
    std::snprintf(text, sizeof text, "%02d/%02d/%04d", month, day, year);
    return text;
}

TEST(IsBlankDate, OnlyAnEmptyOrBlankTextIsBlank) {
    const std::pair<const char*, bool> table[] = {
        {"", true},
        {" ", true},
        {" \t ", true},
        {"01/01/2000", false},
        {"12/31/1899", false},
        {"12/30/1899", false},  // the zero date is a real date
        {"12/30/1899 12:00:00 AM", false},
        {"not a date", false},  // the caller's text stays as given
    };
    for (const auto& [text, blank] : table)
        EXPECT_EQ(modAgeCalc::IsBlankDate(text), blank) << '"' << text << '"';
}

TEST(FirstOfMonth, GivesTheFirstDayOfTheValuesMonth) {
    const std::pair<double, const char*> table[] = {
        {at(2024, 2, 17, 15, 30), "02/01/2024"}, {at(2024, 3, 1), "03/01/2024"},
        {at(2024, 3, 31, 23, 59), "03/01/2024"}, {at(1899, 12, 15), "12/01/1899"},
        {at(1899, 12, 31, 12), "12/01/1899"},  // day 1.5: the month starts below day 0
        {at(1900, 1, 1, 6), "01/01/1900"},       {at(1800, 2, 28, 18), "02/01/1800"},
        {at(100, 1, 1), "01/01/0100"},           {at(9999, 12, 31, 23, 59), "12/01/9999"},
    };
    for (const auto& [value, text] : table)
        EXPECT_EQ(modAgeCalc::FirstOfMonth(value), text) << value;
}

struct YearMonths {
    int year;
    int lengths[12];
};

// Each month of a leap year, a common year, a 400-year leap year and a 100-year common
// year, asked on its first day, the middle and its last day late in the evening.
TEST(LastOfMonthAndDaysInMonth, FollowTheMonthLengthsOfTheYear) {
    const YearMonths table[] = {
        {2024, {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31}},
        {2023, {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31}},
        {2000, {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31}},
        {1900, {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31}},
        {1896, {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31}},
    };
    for (const auto& y : table) {
        for (int month = 1; month <= 12; ++month) {
            const int length = y.lengths[month - 1];
            const std::string last = dateText(y.year, month, length);
            for (const double value : {at(y.year, month, 1), at(y.year, month, 15, 12),
                                       at(y.year, month, length, 23, 59)}) {
                EXPECT_EQ(modAgeCalc::LastOfMonth(value), last) << value;
                EXPECT_EQ(modAgeCalc::DaysInMonth(value), length) << value;
            }
        }
    }
}

TEST(LastOfMonthAndDaysInMonth, HandleTheEndsOfTheRangeAndDayZero) {
    struct Row {
        double value;
        const char* last;
        int days;
    };
    const Row table[] = {
        {at(9999, 12, 1), "12/31/9999", 31},  // the month after lies outside the range
        {at(9999, 12, 31, 23, 59), "12/31/9999", 31},
        {at(9999, 11, 30), "11/30/9999", 30},
        {at(100, 1, 1), "01/31/0100", 31},
        {at(100, 2, 10), "02/28/0100", 28},
        {at(1899, 12, 15), "12/31/1899", 31},
        {-0.75, "12/31/1899", 31},
        {at(1899, 12, 31, 12), "12/31/1899", 31},
        {at(1800, 2, 3, 4), "02/28/1800", 28},
    };
    for (const auto& r : table) {
        EXPECT_EQ(modAgeCalc::LastOfMonth(r.value), r.last) << r.value;
        EXPECT_EQ(modAgeCalc::DaysInMonth(r.value), r.days) << r.value;
    }
}

// Under a second before midnight is still that day: the date comes from the whole-day
// part, never from the time rounded to the second.
TEST(DateHelpers, TheLastSecondOfADayKeepsItsDate) {
    constexpr double kLastTenth = 86399.7 / 86400;
    struct Row {
        double value;
        const char *date, *first, *last;
        int days;
    };
    const Row table[] = {
        {at(2020, 1, 31) + kLastTenth, "01/31/2020", "01/01/2020", "01/31/2020", 31},
        {at(2023, 2, 28) + kLastTenth, "02/28/2023", "02/01/2023", "02/28/2023", 28},
        {-1 - kLastTenth, "12/29/1899", "12/01/1899", "12/31/1899", 31},
        {at(9999, 12, 31) + kLastTenth, "12/31/9999", "12/01/9999", "12/31/9999", 31},
    };
    for (const auto& r : table) {
        EXPECT_EQ(modAgeCalc::FormatDateText(r.value), r.date) << r.value;
        EXPECT_EQ(modAgeCalc::FirstOfMonth(r.value), r.first) << r.value;
        EXPECT_EQ(modAgeCalc::LastOfMonth(r.value), r.last) << r.value;
        EXPECT_EQ(modAgeCalc::DaysInMonth(r.value), r.days) << r.value;
    }
}

TEST(DateHelpers, ValuesThatAreNoDateGiveEmptyResults) {
    for (const double value : {std::nan(""), -657435.0, 2958466.0, 1e300}) {
        EXPECT_EQ(modAgeCalc::FirstOfMonth(value), "") << value;
        EXPECT_EQ(modAgeCalc::LastOfMonth(value), "") << value;
        EXPECT_EQ(modAgeCalc::DaysInMonth(value), 0) << value;
    }
}

}  // namespace
