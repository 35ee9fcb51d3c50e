#pragma once

#include <string>
#include <string_view>

#include "age/DateValue.h"

// Date texts: the program writes dates as "MM/DD/YYYY" and reads them month first,
// whatever the user's regional settings say.
namespace modAgeCalc {

class TextScanner;

// The date of a value's whole-day part as "MM/DD/YYYY" (leading zeros, four-digit year,
// no time of day);
// the empty text for NaN, infinities and values outside 01/01/0100..12/31/9999.
std::string FormatDateText(double value);

// Reads a date text, month first, into calendar fields. Accepted forms:
//   M/D/YYYY                    month and day of one or two digits, year of four
//   M/D/YYYY H:MM[:SS]          24-hour time after one blank
//   M/D/YYYY H:MM[:SS] AM|PM    12-hour time (hour 1 to 12, AM/PM in any case)
// Nothing may precede or follow; a time of day alone is no date. False, leaving
// `parts` untouched, when the text is not one of these forms or names no real date
// and time within 01/01/0100..12/31/9999.
bool ParseDateParts(std::string_view text, DateParts& parts);

// The one check of "YYYY-MM-DD" (four, two and two digits): the date at the front of
// `in`, read on to its end, into the date fields of `parts` (the time stays as it is).
// False when it is not that form or no real date within 01/01/0100..12/31/9999.
bool ReadIsoDay(TextScanner& in, DateParts& parts);
// A text that is exactly "YYYY-MM-DD", as the day's serial.
bool ParseIsoDay(std::string_view text, std::int32_t& serial);
// The day's serial as "YYYY-MM-DD", the text ParseIsoDay reads.
std::string IsoDayText(std::int32_t serial);

// ParseDateParts, giving the date-time value. False leaves `value` untouched.
bool ParseDateText(std::string_view text, double& value);

}  // namespace modAgeCalc
