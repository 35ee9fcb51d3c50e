#pragma once

#include <optional>

#include "age/YearlessBirth.h"
#include "platform/qt/list/ListRowStore.h"

// How the person list marks a person whose birth year is unknown: the row has no birth
// value, the image kYearUnknownImage (after the five age groups' images) and its
// birthday as "MM/DD" in the Year column.
namespace upcoming {

inline constexpr int kYearUnknownImage = 6;
inline constexpr int kYearColumn = 1;

// The birthday a Year column text "MM/DD" stands for, at midnight; nothing for any other
// text.
std::optional<modAgeCalc::YearlessBirth> YearlessFromMonthDay(const QString& shown);

// The month and day of such a row (at midnight: the row does not keep the time of day);
// nothing for any other row.
std::optional<modAgeCalc::YearlessBirth> YearlessOfRow(const platform::ListRowStore& rows, int row);

}  // namespace upcoming
