#include <gtest/gtest.h>

#include <string>

#include "age/AgeCalc.h"
#include "platform/qt/list/ListRowStore.h"
#include "ui/main/AgeGroup.h"
#include "ui/main/BirthColumns.h"

using namespace personlist;

namespace {

// The image a birth's age text gives, worked out the slow way for each day.
int ImageFromAgeText(std::int32_t day, const std::string& today) {
    std::string to = today;
    return AgeGroupImage(AgeGroupValue(modAgeCalc::AgeText(
        modAgeCalc::FormatDateText(static_cast<double>(day)), to, 9)));
}

}  // namespace

// Every birth gets the age group of its own age text: around each group's border (the
// 16th, 19th, 21st and 61st birthdays), on leap days, and after today.
TEST(BirthColumns, EveryBirthGetsTheImageOfItsAgeText) {
    const char* todays[] = {"05/20/2024", "02/29/2024", "02/28/2023", "03/01/2025",
                            "12/31/1999", "01/01/0160"};
    for (const char* today : todays) {
        double now = 0;
        ASSERT_TRUE(modAgeCalc::ParseDateText(today, now));
        const std::int32_t todaySerial = modAgeCalc::DaySerialOf(now);
        platform::ListRowStore rows;
        BirthColumns columns(rows, today);
        // 62 years back to a year ahead, every day; the times of day must not matter.
        for (std::int32_t day = todaySerial - 62 * 366; day <= todaySerial + 366; ++day) {
            if (day < modAgeCalc::kMinSerial) continue;
            // Before day 0 the time of day counts away from zero.
            const double time = (day % 3 + 3) % 3 * 0.25;
            const double birth = day < 0 ? day - time : day + time;
            const int image = columns.For(store::ValueView(birth)).image;
            ASSERT_EQ(image, ImageFromAgeText(day, today))
                << today << " born " << modAgeCalc::FormatDateText(birth);
        }
        // Far after today, as a mistyped year gives.
        for (std::int32_t day = todaySerial + 366; day <= todaySerial + 70 * 366; day += 97)
            ASSERT_EQ(columns.For(store::ValueView(double(day))).image,
                      ImageFromAgeText(day, today))
                << today << " born " << modAgeCalc::FormatDateText(day);
        EXPECT_EQ(columns.For(store::ValueView(double(modAgeCalc::kMinSerial))).image,
                  ImageFromAgeText(modAgeCalc::kMinSerial, today));
    }
}
