#include <gtest/gtest.h>

#include "ui/main/AgeGroup.h"

using namespace personlist;

TEST(AgeGroup, ValueIsTheLeadingYearsOrZero) {
    const struct {
        const char* ageText;
        int value;
    } cases[] = {
        {"44 Years, 2 Months, 5 Days", 44},
        {"1 Year, 2 Days", 1},
        {"1 Year", 1},
        {"100 Years", 100},
        {"3 Months, 2 Days", 0},
        {"13 Months, 5 Days", 0},  // a birth later than today
        {"20 Days", 0},
        {"0 Days", 0},
        {"", 0},
        {"Years", 0},
        {"12 Yearsx", 0},
        {"12", 0},
        {"99999999999 Years", 0},  // beyond any whole number the list can hold
    };
    for (const auto& c : cases) EXPECT_EQ(AgeGroupValue(c.ageText), c.value) << c.ageText;
}
