#include <gtest/gtest.h>

#include "ui/main/WindowPlacement.h"

using placement::FormatPlacementValue;
using placement::ParsePlacementValue;

namespace {

struct Accepted {
    const char* text;
    double value;
};

TEST(ParsePlacementValue, AcceptsWhatASettingsStoreMayHold) {
    const Accepted cases[] = {
        {"1000", 1000}, {" 1000 ", 1000}, {"\t616\r\n", 616}, {"-200", -200},
        {"+45", 45},    {"1e3", 1000},    {"6990.5", 6990.5}, {".5", 0.5},
        {"1E-1", 0.1},  {"0", 0},         {"-0", 0},
    };
    for (const auto& c : cases) {
        const auto parsed = ParsePlacementValue(c.text);
        ASSERT_TRUE(parsed.has_value()) << '"' << c.text << '"';
        EXPECT_DOUBLE_EQ(*parsed, c.value) << '"' << c.text << '"';
    }
}

TEST(ParsePlacementValue, RefusesTextsThatAreNotOneNumber) {
    const char* cases[] = {"",   "   ", "abc", "12px", "px12", "1,000", "0x10",  "inf",  "-nan",
                           "1e", "--5", "+-5", "++5",  "+",    "-",     "12 34", "1e999"};
    for (const char* text : cases)
        EXPECT_FALSE(ParsePlacementValue(text).has_value()) << '"' << text << '"';
}

TEST(FormatPlacementValue, WritesTheSinglePrecisionValueWithoutNeedlessDecimals) {
    const struct {
        double twips;
        const char* text;
    } cases[] = {
        {6990, "6990"}, {6990.5, "6990.5"}, {-200, "-200"},
        {0, "0"},       {-0.0, "0"},        {1e7, "10000000"},
        {0.1, "0.1"},   {1005, "1005"},     {123456789, "123456792"},  // beyond a float's 24 bits
        {1e40, ""},                                                    // no float holds it
    };
    for (const auto& c : cases) EXPECT_EQ(FormatPlacementValue(c.twips), c.text) << c.twips;
}

TEST(FormatPlacementValue, EveryWholePixelPositionReadsBackExactly) {
    for (int pixels = -70000; pixels <= 70000; pixels += 7) {
        const double twips = pixels * 15.0;
        const std::string text = FormatPlacementValue(twips);
        ASSERT_EQ(text.find('.'), std::string::npos) << text;
        ASSERT_EQ(ParsePlacementValue(text), twips) << text;
    }
}

}  // namespace
