#pragma once

#include <string_view>

#include "ui/upcoming/YearlessRow.h"

// The five age groups of the person list, numbered as their images in the image lists:
// 1 Baby, 2 Child, 3 Young Adult, 4 Adult, 5 Senior.
namespace personlist {

inline constexpr int kBaby = 1;
inline constexpr int kChild = 2;
inline constexpr int kYoungAdult = 3;
inline constexpr int kAdult = 4;
inline constexpr int kSenior = 5;
// Not a sixth group: the image of a person whose birth year is unknown, whose age
// therefore falls in no group.
inline constexpr int kAgeUnknown = upcoming::kYearUnknownImage;

// The whole years an age text starts with ("25 Years, 3 Months" gives 25, "1 Year"
// gives 1); 0 when its first item is not a year item ("3 Months, 2 Days", "0 Days").
int AgeGroupValue(std::string_view ageText);

// The image number of the group that the whole years fall in.
int AgeGroupImage(int years);

}  // namespace personlist
