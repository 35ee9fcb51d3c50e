#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "ClockOverride.h"
#include "age/AgeCalc.h"

using agetest::ClockOverride;

namespace {

struct Example {
    const char* from;
    const char* to;
    const char* text;
};

std::string ageText(const std::string& from, std::string to, int layout) {
    return modAgeCalc::AgeText(from, to, static_cast<std::int16_t>(layout));
}

void expectLayout(int layout, const Example& e) {
    std::string to = e.to;
    EXPECT_EQ(modAgeCalc::AgeText(e.from, to, static_cast<std::int16_t>(layout)), e.text)
        << "layout " << layout << " from " << e.from << " to " << e.to;
    EXPECT_EQ(to, e.to) << "a to-date that is given stays as it is";
}

TEST(AgeTextLayout9, WorkedExamples) {
    const Example table[] = {
        {"03/15/1980", "05/20/2024", "44 Years, 2 Months, 5 Days"},
        {"03/15/1980", "01/10/2024", "43 Years, 9 Months, 26 Days"},
        {"03/15/1980", "03/15/2024", "44 Years"},
        {"06/15/2023", "08/10/2024", "1 Year, 1 Month, 25 Days"},
        {"04/10/2023", "05/11/2024", "1 Year, 1 Month, 1 Day"},
        {"06/15/2023", "06/15/2024", "1 Year"},
        {"12/31/2023", "01/01/2024", "1 Day"},
        {"02/29/2024", "03/28/2024", "28 Days"},
        {"05/20/2024", "05/20/2024", "0 Days"},
        {"06/15/2025", "03/20/2024", "15 Months, 5 Days"},
    };
    for (const auto& e : table) expectLayout(9, e);
}

TEST(AgeTextLayout9, BorrowsTheDaysOfTheFromDatesMonth) {
    const Example table[] = {
        {"01/31/2024", "03/01/2024", "1 Month, 1 Day"},
        {"02/29/2020", "02/28/2023", "2 Years, 11 Months, 28 Days"},
        {"02/29/2020", "03/01/2023", "3 Years, 1 Day"},
        {"02/29/2020", "02/28/2021", "11 Months, 28 Days"},
        {"01/31/2023", "02/28/2023", "28 Days"},
        {"11/30/1899", "01/02/1900", "1 Month, 2 Days"},
        {"06/20/2025", "03/15/2024", "16 Months, 25 Days"},
    };
    for (const auto& e : table) expectLayout(9, e);
}

TEST(AgeTextLayout9, UsesSingularWordsAndLeavesOutZeroParts) {
    const Example table[] = {
        {"06/10/2023", "06/15/2024", "1 Year, 5 Days"},
        {"01/15/2020", "02/15/2022", "2 Years, 1 Month"},
        {"01/15/2020", "03/16/2020", "2 Months, 1 Day"},
        {"01/15/2020", "02/15/2020", "1 Month"},
        {"01/15/2020", "01/17/2020", "2 Days"},
        {"01/15/2019", "01/16/2020", "1 Year, 1 Day"},
        {"01/15/2010", "03/15/2020", "10 Years, 2 Months"},
    };
    for (const auto& e : table) expectLayout(9, e);
}

TEST(AgeTextLayout9, WorksAcrossTheWholeDateRangeAndIgnoresTheTimeOfDay) {
    const Example table[] = {
        {"03/15/1850", "05/20/1899", "49 Years, 2 Months, 5 Days"},
        {"12/29/1899", "12/31/1899", "2 Days"},
        {"01/01/0100", "12/31/9999", "9899 Years, 11 Months, 30 Days"},
        {"03/15/1980 23:59:59", "05/20/2024 00:00:00", "44 Years, 2 Months, 5 Days"},
        {"3/15/1980 11:30 PM", "5/20/2024", "44 Years, 2 Months, 5 Days"},
    };
    for (const auto& e : table) expectLayout(9, e);
}

// From 01/01/2000 10:20:30 to 01/03/2000 11:25:31: D = 2, h = 1, n = 5, s = 1.
TEST(AgeTextOtherLayouts, WorkedExamples) {
    const char* const texts[] = {
        "176701.",  "2945.0167",  "49.0836",      "49:05",
        "49:05.01", "2 01:05.01", "2d 1h 5m 01s", "2 Days, 1 Hour, 5 Minutes 1 Second",
        "0 Months"};
    for (int layout = 0; layout <= 8; ++layout)
        expectLayout(layout, {"01/01/2000 10:20:30", "01/03/2000 11:25:31", texts[layout]});
}

// The same span backwards: the borrow leaves D = -3, h = 22, n = 54, s = 59.
TEST(AgeTextOtherLayouts, ALaterFromDateGivesNegativeTotals) {
    const char* const texts[] = {
        "-176701.", "-2945.0167",  "-49.0836",        "22:54",
        "22:54.59", "-3 22:54.59", "-3d 22h 54m 59s", "-3 Days, 22 Hours, 54 Minutes 59 Seconds",
        "0 Months"};
    for (int layout = 0; layout <= 8; ++layout)
        expectLayout(layout, {"01/03/2000 11:25:31", "01/01/2000 10:20:30", texts[layout]});
}

TEST(AgeTextOtherLayouts, BorrowAndNumberForms) {
    struct Row {
        int layout;
        Example e;
    };
    const Row table[] = {
        {0, {"1/1/2000 10:00", "1/1/2000 11:00", "3600."}},
        {0, {"1/1/2000 23:59:59", "1/2/2000 0:00:00", "1."}},
        {5, {"1/1/2000 23:59:59", "1/2/2000 0:00:00", "0 00:00.01"}},
        {1, {"1/1/2000 10:00:00", "1/1/2000 10:01:30", "1.5"}},
        {1, {"1/1/2000 10:00:00", "1/1/2000 10:00:00", "0."}},
        {2, {"1/1/2000 10:00:00", "1/1/2000 10:00:01", "0.0003"}},
        {2, {"1/1/2000 10:00:00", "1/1/2000 11:30:00", "1.5"}},
        {3, {"1/1/2000 10:00:00", "1/6/2000 13:07:00", "123:07"}},
        {4, {"1/1/2000 10:00:00", "1/6/2000 13:07:09", "123:07.09"}},
        {4, {"1/1/2000 10:00:00", "1/1/2000 10:00:00", "00:00.00"}},
        {6, {"1/1/2000 10:00:00", "1/1/2000 10:00:00", "0d 0h 0m 00s"}},
        {7, {"1/1/2000 0:00:00", "1/2/2000 1:01:01", "1 Day, 1 Hour, 1 Minute 1 Second"}},
        {7, {"1/1/2000 10:00:00", "1/1/2000 10:01:00", "1 Minute 0 Seconds"}},
        {7, {"1/1/2000 10:00:00", "1/1/2000 12:00:02", "2 Hours, 0 Minutes 2 Seconds"}},
        {7, {"1/1/2000 10:00:00", "1/4/2000 10:00:00", "3 Days, 0 Minutes 0 Seconds"}},
        {8, {"01/31/2024", "02/01/2024", "1 Months"}},
        {8, {"04/15/2024", "01/15/2024", "-3 Months"}},
        {8, {"03/15/1980", "05/20/2024", "530 Months"}},
    };
    for (const auto& r : table) expectLayout(r.layout, r.e);
}

// Layout 0 holds about 68 years of seconds and layout 1 about 4083 years of minutes,
// in either direction; beyond that the text is empty.
TEST(AgeTextOtherLayouts, TotalsBeyond32BitsGiveTheEmptyText) {
    struct Row {
        int layout;
        Example e;
    };
    const Row table[] = {
        {0, {"01/01/1950", "01/01/2020", ""}},
        {0, {"01/01/2020", "01/01/1950", ""}},
        {0, {"01/01/1960", "01/01/2020", "1893456000."}},
        {0, {"01/01/2000 0:00:00", "01/19/2068 03:14:07", "2147483647."}},
        {0, {"01/01/2000 0:00:00", "01/19/2068 03:14:08", ""}},
        {0, {"01/01/2000 0:00:00", "12/13/1931 20:45:52", "-2147483648."}},
        {0, {"01/01/2000 0:00:00", "12/13/1931 20:45:51", ""}},
        {1, {"01/01/2000 0:00:00", "01/23/6083 02:07:59", "2147483647.9833"}},
        {1, {"01/01/2000 0:00:00", "01/23/6083 02:08:00", ""}},
        {1, {"01/01/0100", "12/31/9999", ""}},
        {1, {"12/31/9999", "01/01/0100", ""}},
        {2, {"01/01/0100", "12/31/9999", "86781576."}},
        {9, {"01/01/1950", "01/01/2020", "70 Years"}},
    };
    for (const auto& r : table) expectLayout(r.layout, r.e);
}

TEST(AgeText, AFromDateThatIsNoDateLeavesEveryFigureAtZero) {
    const char* const texts[] = {"0.",       "0.",         "0.",           "0:00",
                                 "00:00.00", "0 00:00.00", "0d 0h 0m 00s", "0 Minutes 0 Seconds",
                                 "0 Months", "0 Days"};
    for (const char* from : {"", "garbage", "13/01/2000", "02/30/2024", "05/20/2024 x"}) {
        for (int layout = 0; layout <= 9; ++layout)
            expectLayout(layout, {from, "05/20/2024", texts[layout]});
    }
}

TEST(AgeText, AToDateThatIsNoDateIsKeptAndGivesZeroFigures) {
    ClockOverride clock({2024, 5, 20, 9, 0, 0});
    expectLayout(9, {"03/15/1980", "next week", "0 Days"});
    expectLayout(8, {"03/15/1980", "13/13/2024", "0 Months"});
}

TEST(AgeText, LayoutsOutsideZeroToNineGiveTheEmptyText) {
    for (const int layout : {-32768, -1, 10, 11, 32767})
        EXPECT_EQ(ageText("03/15/1980", "05/20/2024", layout), "") << layout;
}

TEST(AgeText, ABlankToDateBecomesTodayForTheCallerToo) {
    ClockOverride clock({2024, 5, 20, 14, 30, 15});
    for (const char* blank : {"", "   "}) {
        std::string to = blank;
        EXPECT_EQ(modAgeCalc::AgeText("03/15/1980", to, 9), "44 Years, 2 Months, 5 Days");
        EXPECT_EQ(to, "05/20/2024");
    }
    std::string to;
    EXPECT_EQ(modAgeCalc::AgeText("05/20/2024", to, 8), "0 Months");
    EXPECT_EQ(to, "05/20/2024");
}

TEST(AgeText, ABlankToDateFollowsTheClock) {
    ClockOverride clock({2025, 3, 15, 0, 0, 0});
    std::string to;
    EXPECT_EQ(modAgeCalc::AgeText("03/15/1980", to, 9), "45 Years");
    EXPECT_EQ(to, "03/15/2025");
}

TEST(Clock, NowValueAndTodayTextComeFromTheInstalledClock) {
    {
        ClockOverride clock({2000, 1, 1, 12, 0, 0});
        EXPECT_DOUBLE_EQ(modAgeCalc::NowValue(), 36526.5);
        EXPECT_EQ(modAgeCalc::TodayText(), "01/01/2000");
    }
    {
        ClockOverride clock({1899, 12, 29, 6, 0, 0});
        EXPECT_DOUBLE_EQ(modAgeCalc::NowValue(), -1.25);
        EXPECT_EQ(modAgeCalc::TodayText(), "12/29/1899");
    }
    {
        ClockOverride clock({2024, 13, 1, 0, 0, 0});  // a broken clock gives no date at all
        EXPECT_TRUE(std::isnan(modAgeCalc::NowValue()));
        EXPECT_EQ(modAgeCalc::TodayText(), "");
    }
}

}  // namespace
