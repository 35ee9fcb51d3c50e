#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

#include "age/DateText.h"

using modAgeCalc::DateParts;

namespace {

TEST(FormatDateText, WritesMonthDayYearWithLeadingZeros) {
    const std::pair<double, const char*> table[] = {
        {0.0, "12/30/1899"},        {-1.25, "12/29/1899"},        {0.75, "12/30/1899"},
        {60.0, "02/28/1900"},       {61.0, "03/01/1900"},         {36526.5, "01/01/2000"},
        {45339.6458, "02/17/2024"}, {-657434.0, "01/01/0100"},    {-36522.0, "01/01/1800"},
        {2958465.99, "12/31/9999"}, {1.9999999999, "12/31/1899"}, {-1.9999999999, "12/29/1899"},
    };
    for (const auto& [value, text] : table)
        EXPECT_EQ(modAgeCalc::FormatDateText(value), text) << value;
}

TEST(FormatDateText, GivesTheEmptyTextForNoDate) {
    const double inf = std::numeric_limits<double>::infinity();
    for (const double value : {std::nan(""), inf, -inf, -657435.0, 2958466.0})
        EXPECT_EQ(modAgeCalc::FormatDateText(value), "") << value;
}

struct Accepted {
    const char* text;
    DateParts parts;
};

TEST(ParseDateText, ReadsMonthFirstWithAnOptionalTimeOfDay) {
    const Accepted table[] = {
        {"3/1/1980", {1980, 3, 1, 0, 0, 0}},
        {"03/01/1980", {1980, 3, 1, 0, 0, 0}},
        {"12/31/1899", {1899, 12, 31, 0, 0, 0}},
        {"02/29/2000", {2000, 2, 29, 0, 0, 0}},
        {"2/29/2024", {2024, 2, 29, 0, 0, 0}},
        {"01/01/0100", {100, 1, 1, 0, 0, 0}},
        {"12/31/9999 23:59:59", {9999, 12, 31, 23, 59, 59}},
        {"01/03/2000 11:25:31", {2000, 1, 3, 11, 25, 31}},
        {"1/3/2000 11:25", {2000, 1, 3, 11, 25, 0}},
        {"1/3/2000 0:00", {2000, 1, 3, 0, 0, 0}},
        {"1/3/2000 11:25:31 PM", {2000, 1, 3, 23, 25, 31}},
        {"1/3/2000 11:25 AM", {2000, 1, 3, 11, 25, 0}},
        {"12/30/1899 12:00:00 AM", {1899, 12, 30, 0, 0, 0}},
        {"1/1/2000 12:00 PM", {2000, 1, 1, 12, 0, 0}},
        {"1/1/2000 12:30 am", {2000, 1, 1, 0, 30, 0}},
        {"1/1/2000 1:05:09 pm", {2000, 1, 1, 13, 5, 9}},
    };
    for (const auto& a : table) {
        DateParts parts{1, 1, 1, 1, 1, 1};
        ASSERT_TRUE(modAgeCalc::ParseDateParts(a.text, parts)) << a.text;
        EXPECT_EQ(parts, a.parts) << a.text;
        double value = -1e9;
        ASSERT_TRUE(modAgeCalc::ParseDateText(a.text, value)) << a.text;
        EXPECT_DOUBLE_EQ(value, modAgeCalc::ToDateValue(a.parts)) << a.text;
    }
}

TEST(ParseDateText, RefusesAnythingButARealDateAndLeavesTheValue) {
    const char* const refused[] = {
        "",
        " ",
        "1980",
        "13/01/2000",
        "00/10/2000",
        "01/00/2000",
        "01/32/2000",
        "02/30/2000",
        "02/29/1900",
        "02/29/2023",
        "04/31/2023",
        "12/31/99",
        "1/1/02000",
        "123/1/2000",
        "1/123/2000",
        "12/31/0099",
        "1/1/0000",
        " 1/1/2000",
        "1/1/2000 ",
        "1/1/2000x",
        "1/1/2000\n",
        "1-1-2000",
        "2000/01/01",
        "1//2000",
        "+1/1/2000",
        "1/1/2000 24:00",
        "1/1/2000 12:60",
        "1/1/2000 12:00:60",
        "1/1/2000 11:5",
        "1/1/2000 11",
        "1/1/2000 11:",
        "1/1/2000 11:25:",
        "1/1/2000 111:25",
        "1/1/2000  11:25",
        "1/1/2000 13:00 PM",
        "1/1/2000 0:30 AM",
        "1/1/2000 11:25PM",
        "1/1/2000 11:25 XM",
        "1/1/2000 11:25 P",
        "1/1/2000 11:25 PMX",
        "12:00:00 AM",
    };
    for (const char* text : refused) {
        double value = 42.5;
        EXPECT_FALSE(modAgeCalc::ParseDateText(text, value)) << '"' << text << '"';
        EXPECT_EQ(value, 42.5) << '"' << text << '"';
    }
    double value = 42.5;
    EXPECT_FALSE(modAgeCalc::ParseDateText(std::string_view("1/1/2000\0", 9), value))
        << "an embedded NUL is trailing garbage";
}

// Every day of the range is written in the agreed form and reads back as the same day.
TEST(DateText, EveryDayOfTheRangeRoundTrips) {
    int failures = 0;
    for (std::int32_t serial = modAgeCalc::kMinSerial;
         serial <= modAgeCalc::kMaxSerial && failures < 10; ++serial) {
        int y = 0, m = 0, d = 0;
        modAgeCalc::CivilFromSerial(serial, y, m, d);
        char expected[16];
        std::snprintf(expected, sizeof expected, "%02d/%02d/%04d", m, d, y);
        // Six in the morning; below day 0 the time is carried as the fraction's magnitude.
        const std::string text =
            modAgeCalc::FormatDateText(serial < 0 ? serial - 0.25 : serial + 0.25);
        double back = 0;
        if (text != expected || !modAgeCalc::ParseDateText(text, back) || back != serial) {
            ADD_FAILURE() << serial << ": " << text << " read back as " << back;
            ++failures;
        }
    }
}

}  // namespace
