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
// them (YearText, AgeText), and only the image is worked out here: from the days on
// which the age group changes, found once, for births up to today, and once per day for
// the (rare) births after today. A birthday without a year ("--MM-DD") shows "MM/DD",
// no age and the image kAgeUnknown. Any other stored birth that is no date is shown as
// stored, with its texts kept.
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

    // The age group's image for a birth on `day`, worked out from the age text.
    int ImageOn(std::int32_t day) const;

private:
    // From `firstDay` on, births up to today fall in the age group of `image`.
    struct GroupSpan {
        std::int32_t firstDay;
        int image;
    };
    Cells Compute(const std::string& birthText);
    Cells ForYearless(const modAgeCalc::YearlessBirth& birth);
    void FindGroupSpans();
    void SplitSpan(std::int32_t first, int firstImage, std::int32_t last, int lastImage);
    int ImageFor(std::int32_t day);

    platform::ListRowStore& rows_;
    std::string today_;
    std::int32_t todaySerial_ = 0;
    // The births up to today, oldest first, split where the age group changes; empty
    // when today's date does not read.
    std::vector<GroupSpan> spans_;
    // The images of the days after today (of every day when today does not read).
    std::unordered_map<std::int32_t, int> laterDays_;
    std::optional<Cells> none_;
    std::array<TextId, 13 * 32> monthDays_{};  // "MM/DD" by month * 32 + day; 0: not yet
};

}  // namespace personlist
