#include <gtest/gtest.h>

#include <cmath>

#include "age/Birthday.h"

using modAgeCalc::DateParts;
using modAgeCalc::NextBirthday;
using modAgeCalc::NextBirthdayInfo;
using modAgeCalc::SerialFromCivil;
using modAgeCalc::ToDateValue;

namespace {

struct Ymd {
    int year, month, day;
};

TEST(NextBirthday, FindsTheFirstBirthdayOnOrAfterTheDay) {
    struct Row {
        Ymd birth;
        int hour;
        Ymd from;
        Ymd expected;
        int daysUntil, turns;
    } const table[] = {
        {{1980, 3, 15}, 14, {2026, 3, 15}, {2026, 3, 15}, 0, 46},   // today, time of day ignored
        {{1980, 3, 15}, 0, {2026, 3, 14}, {2026, 3, 15}, 1, 46},    // tomorrow
        {{1980, 3, 15}, 0, {2026, 3, 16}, {2027, 3, 15}, 364, 47},  // just passed
        {{1990, 1, 2}, 0, {2026, 12, 30}, {2027, 1, 2}, 3, 37},     // over the turn of the year
        {{1996, 2, 29}, 0, {2027, 2, 1}, {2027, 2, 28}, 27, 31},    // common year: 28 February
        {{1996, 2, 29}, 0, {2028, 2, 1}, {2028, 2, 29}, 28, 32},    // leap year: 29 February
        {{1996, 2, 29}, 0, {2027, 3, 1}, {2028, 2, 29}, 365, 32},
        {{2026, 12, 7}, 9, {2026, 12, 7}, {2027, 12, 7}, 365, 1},   // born today turns 1 next year
        {{2030, 5, 1}, 0, {2026, 12, 7}, {2031, 5, 1}, 1606, 1},    // not yet born
        {{1800, 6, 1}, 6, {1900, 1, 1}, {1900, 6, 1}, 151, 100},    // before day 0
        {{1899, 12, 29}, 6, {1900, 1, 1}, {1900, 12, 29}, 362, 1},  // negative value with a time
    };
    for (const Row& r : table) {
        const double birth = ToDateValue(DateParts{r.birth.year, r.birth.month, r.birth.day,
                                                   r.hour, 0, 0});
        NextBirthdayInfo info;
        ASSERT_TRUE(NextBirthday(birth, SerialFromCivil(r.from.year, r.from.month, r.from.day), info))
            << r.birth.year << '-' << r.birth.month << '-' << r.birth.day;
        EXPECT_EQ(info.date, SerialFromCivil(r.expected.year, r.expected.month, r.expected.day))
            << r.birth.year << '-' << r.birth.month << '-' << r.birth.day;
        EXPECT_EQ(info.daysUntil, r.daysUntil) << r.birth.year;
        EXPECT_EQ(info.turns, r.turns) << r.birth.year;
    }
}

TEST(NextBirthday, RefusesWhatIsNoDateOrBeyondTheCalendar) {
    const double table[] = {std::nan(""), INFINITY, -1e300, 1e300,
                            ToDateValue(DateParts{9999, 12, 31, 0, 0, 0}) + 1.0};
    NextBirthdayInfo info;
    for (const double birth : table)
        EXPECT_FALSE(NextBirthday(birth, 0, info)) << birth;
    // The next birthday would be in the year 10000.
    EXPECT_FALSE(NextBirthday(ToDateValue(DateParts{2000, 6, 1, 0, 0, 0}),
                              SerialFromCivil(9999, 7, 1), info));
}

}  // namespace
