#pragma once

#include <cstdint>
#include <string>

#include "age/DateText.h"
#include "age/DateValue.h"

// The shared routines of the age calculation: the date helpers and the age text.
// None of them ever reports an error; a step that cannot be done leaves its result empty.
namespace modAgeCalc {

// True for the empty text and a text of blanks only. A text that is no date (or names the
// zero date 12/30/1899) is not blank: it is the caller's text and stays as given.
bool IsBlankDate(const std::string& text);

// "MM/DD/YYYY" of the first day of the value's month; "" when the value is no date.
std::string FirstOfMonth(double date);

// "MM/DD/YYYY" of the last day of the value's month (12/31/9999 for December 9999);
// "" when the value is no date.
std::string LastOfMonth(double date);

// The number of days of the value's month, 28 to 31; 0 when the value is no date.
std::int32_t DaysInMonth(double date);

// The time from fromDate to toDate as a text in one of ten layouts (0 to 9; any other
// number gives ""). Layout 9 is a person's age: "44 Years, 2 Months, 5 Days". A blank
// toDate is replaced, for the caller too, by today's date. A date that does not read as
// one leaves every figure at 0; a total beyond 32 bits (layouts 0 and 1) gives "".
std::string AgeText(const std::string& fromDate, std::string& toDate, std::int16_t layout);

// The installed clock's current local date and time as a date-time value.
double NowValue();

// Today's day number from the installed clock.
std::int32_t TodaySerial();

// Today's date from the installed clock as "MM/DD/YYYY".
std::string TodayText();

}  // namespace modAgeCalc
