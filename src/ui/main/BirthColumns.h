#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "age/YearlessBirth.h"
#include "platform/qt/list/ListRowStore.h"
#include "store/Value.h"

namespace personlist {

// The cells a person's stored birth gives a list row: the "Year" text, the "Age" text
// against today and the age group's image. For a birth that reads as a date the two
// texts are not stored: the list works them out from the row's birth when it shows
// them (YearText, AgeText), and only the image is worked out here, once per day of
// birth. A birthday without a year ("--MM-DD") shows "MM/DD", no age and the image
// kAgeUnknown. Any other stored birth that is no date is shown as stored, with its
// texts kept.
class BirthColumns {
public:
    using TextId = platform::ListRowStore::TextId;

    struct Cells {
        TextId yearText = 0;
        TextId ageText = 0;
        int image = 1;
        double birth = platform::ListRow::kNoBirth;  // the stored value, time of day kept
    };

    // Texts go into `rows`, which must outlive this object. `today` is "MM/DD/YYYY".
    BirthColumns(platform::ListRowStore& rows, std::string today);

    Cells For(const store::ValueView& stored);

    // The texts a row with a readable birth shows; `today` is "MM/DD/YYYY".
    static QString YearText(double birth);
    static QString AgeText(double birth, const std::string& today);

private:
    // A day's image as kept between rows; 0 marks a day not worked out yet.
    struct DayCells {
        std::int32_t image = 0;
    };
    // A million people are born on some tens of thousands of days within a century or
    // so, in no order, and every row looks its day up. An array over the days seen so
    // far finds a day with one memory access; days too far from the others to widen it
    // for (beyond kMaxWindow days, some 350 years) go to a map.
    static constexpr std::int64_t kMaxWindow = std::int64_t(1) << 17;
    static constexpr std::int64_t kFirstSpare = 512;

    Cells Compute(const std::string& birthText);
    Cells ForYearless(const modAgeCalc::YearlessBirth& birth);
    const DayCells& ForDay(std::int32_t day, double birth);
    DayCells* Slot(std::int32_t day);
    bool Widen(std::int32_t day);

    platform::ListRowStore& rows_;
    std::string today_;
    std::vector<DayCells> window_;  // the days from windowStart_ on
    std::int32_t windowStart_ = 0;
    std::unordered_map<std::int32_t, DayCells> farDays_;
    std::optional<Cells> none_;
    std::array<TextId, 13 * 32> monthDays_{};  // "MM/DD" by month * 32 + day; 0: not yet
};

}  // namespace personlist
