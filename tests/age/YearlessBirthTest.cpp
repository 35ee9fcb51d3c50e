#include <gtest/gtest.h>

#include "age/Birthday.h"
#include "age/YearlessBirth.h"

using modAgeCalc::YearlessBirth;
using modAgeCalc::YearlessFromText;
using modAgeCalc::YearlessToText;

TEST(YearlessBirth, ReadsTheStoredFormAndWritesItBack) {
    struct Row {
        const char* text;
        YearlessBirth birth;
        const char* written;
    } const table[] = {
        {"--12-08", {12, 8, 0, 0, 0}, "--12-08"},
        {"--12-08 08:30:00", {12, 8, 8, 30, 0}, "--12-08 08:30:00"},
        {"--12-08T08:30", {12, 8, 8, 30, 0}, "--12-08 08:30:00"},
        {"--02-29", {2, 29, 0, 0, 0}, "--02-29"},
        {"--01-01 23:59:59", {1, 1, 23, 59, 59}, "--01-01 23:59:59"},
        {"--12-08 00:00:00", {12, 8, 0, 0, 0}, "--12-08"},
    };
    for (const Row& r : table) {
        const auto read = YearlessFromText(r.text);
        ASSERT_TRUE(read.has_value()) << r.text;
        EXPECT_EQ(*read, r.birth) << r.text;
        EXPECT_EQ(YearlessToText(*read), r.written) << r.text;
    }
}

TEST(YearlessBirth, RefusesEveryOtherText) {
    const char* const table[] = {"",          "--",          "--1208",      "--12-8",
                                 "--02-30",   "--13-01",     "--00-10",     "--12-00",
                                 "--12-08 ",  "--12-08 24:00", "--12-08 08:60", "--12-08x08:30",
                                 "2000-12-08", "-12-08",     "--12-08 08:30:00 ", "--12-08 8:30"};
    for (const char* text : table)
        EXPECT_FALSE(YearlessFromText(text).has_value()) << '"' << text << '"';
    EXPECT_EQ(YearlessToText(YearlessBirth{}), "");
    EXPECT_EQ(YearlessToText(YearlessBirth{4, 31, 0, 0, 0}), "");
}

TEST(YearlessBirth, TwentyNinthOfFebruaryFallsOnTheTwentyEighthInCommonYears) {
    const YearlessBirth leapDay{2, 29, 0, 0, 0};
    EXPECT_EQ(modAgeCalc::YearlessDayIn(leapDay, 2027), modAgeCalc::SerialFromCivil(2027, 2, 28));
    EXPECT_EQ(modAgeCalc::YearlessDayIn(leapDay, 2028), modAgeCalc::SerialFromCivil(2028, 2, 29));
    EXPECT_EQ(modAgeCalc::YearlessMonthDay(leapDay), "02/29");
}

TEST(YearlessBirth, NextBirthdayIsTheFirstOnOrAfterTheDayAndTurnsNoKnownAge) {
    using modAgeCalc::SerialFromCivil;
    struct Row {
        YearlessBirth birth;
        std::int32_t from;
        std::int32_t date;
    } const table[] = {
        {{12, 8, 8, 30, 0}, SerialFromCivil(2026, 12, 7), SerialFromCivil(2026, 12, 8)},
        {{12, 8, 0, 0, 0}, SerialFromCivil(2026, 12, 8), SerialFromCivil(2026, 12, 8)},
        {{12, 8, 0, 0, 0}, SerialFromCivil(2026, 12, 9), SerialFromCivil(2027, 12, 8)},
        {{2, 29, 0, 0, 0}, SerialFromCivil(2026, 12, 9), SerialFromCivil(2027, 2, 28)},
        {{2, 29, 0, 0, 0}, SerialFromCivil(2027, 3, 1), SerialFromCivil(2028, 2, 29)},
    };
    for (const Row& r : table) {
        modAgeCalc::NextBirthdayInfo next;
        ASSERT_TRUE(modAgeCalc::NextYearlessBirthday(r.birth, r.from, next)) << r.from;
        EXPECT_EQ(next.date, r.date) << r.from;
        EXPECT_EQ(next.daysUntil, r.date - r.from) << r.from;
        EXPECT_EQ(next.turns, 0) << r.from;
    }
    modAgeCalc::NextBirthdayInfo next;
    EXPECT_FALSE(modAgeCalc::NextYearlessBirthday({2, 30, 0, 0, 0}, 0, next));
    EXPECT_FALSE(
        modAgeCalc::NextYearlessBirthday({12, 8, 0, 0, 0}, SerialFromCivil(9999, 12, 9), next));
}
