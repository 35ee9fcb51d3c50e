#pragma once

#include <cstdint>

#include "age/DateParts.h"

// The date-time value: a double counting days from 12/30/1899 at midnight, the time
// of day as the fraction (0.5 is noon). Before day 0 the whole-day part, truncated
// toward zero, is the day and the fraction's magnitude is the time: -1.25 is
// 12/29/1899 06:00. Valid from 01/01/0100 to 12/31/9999 of the proleptic Gregorian
// calendar.
namespace modAgeCalc {

inline constexpr int kMinYear = 100;
inline constexpr int kMaxYear = 9999;
inline constexpr std::int32_t kMinSerial = -657434;  // 01/01/0100
inline constexpr std::int32_t kMaxSerial = 2958465;  // 12/31/9999

// Days since 12/30/1899 of a Gregorian calendar date (any year; no range check).
std::int32_t SerialFromCivil(int year, int month, int day);

// The calendar date of a day number (any day number; no range check).
void CivilFromSerial(std::int32_t serial, int& year, int& month, int& day);

bool IsLeapYear(int year);
int DaysInMonthOf(int year, int month);  // 28 to 31; 0 for a month outside 1 to 12

// True when the fields form a real date and time within the valid range.
bool IsValidDateParts(const DateParts& p);

// Date and time to the value. The fields must be valid (IsValidDateParts).
double ToDateValue(const DateParts& p);

// The value to calendar fields, rounded to the whole second (23:59:59.6 rounds up
// into the next day). False, leaving `out` untouched, outside the valid range or for
// NaN and infinities.
bool FromDateValue(double value, DateParts& out);

// The calendar date of the value's whole-day part, whatever its time of day: 23:59:59.6
// is still that day. False, leaving the fields untouched, outside the valid range or for
// NaN and infinities.
bool DateOfValue(double value, int& year, int& month, int& day);

// The whole-day part of a value: its day number (truncated toward zero); 0 for NaN,
// infinities and values beyond the 32-bit range.
std::int32_t DaySerialOf(double value);

}  // namespace modAgeCalc
