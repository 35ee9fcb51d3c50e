#include <gtest/gtest.h>

#include "age/DateValue.h"

using modAgeCalc::DateParts;

namespace {

struct Known {
    DateParts parts;
    double value;
};

TEST(DateValue, KnownValuesConvertBothWays) {
    const Known table[] = {
        {{1899, 12, 30, 0, 0, 0}, 0.0},
        {{1899, 12, 29, 6, 0, 0}, -1.25},
        {{1900, 2, 28, 0, 0, 0}, 60.0},
        {{1900, 3, 1, 0, 0, 0}, 61.0},
        {{2000, 1, 1, 12, 0, 0}, 36526.5},
        {{100, 1, 1, 0, 0, 0}, -657434.0},
        {{9999, 12, 31, 0, 0, 0}, 2958465.0},
    };
    for (const auto& k : table) {
        EXPECT_DOUBLE_EQ(modAgeCalc::ToDateValue(k.parts), k.value) << k.value;
        DateParts back;
        ASSERT_TRUE(modAgeCalc::FromDateValue(k.value, back)) << k.value;
        EXPECT_EQ(back, k.parts) << k.value;
    }
}

}  // namespace
