#pragma once

#include <string_view>

// The five age groups of the person list, numbered as their images in the image lists:
// 1 Baby, 2 Child, 3 Young Adult, 4 Adult, 5 Senior.
namespace personlist {

inline constexpr int kBaby = 1;
inline constexpr int kChild = 2;
inline constexpr int kYoungAdult = 3;
inline constexpr int kAdult = 4;
inline constexpr int kSenior = 5;

// The whole years an age text starts with ("25 Years, 3 Months" gives 25, "1 Year"
// gives 1); 0 when its first item is not a year item ("3 Months, 2 Days", "0 Days").
int AgeGroupValue(std::string_view ageText);

// The image number of the group that the whole years fall in.
int AgeGroupImage(int years);

}  // namespace personlist
