#pragma once

#include <string>

#include "age/YearlessBirth.h"

// The date texts the writers put into files.
namespace exchange {

// "YYYYMMDD", with "THHMMSS" after it when `withTime`; empty for a value outside
// 01/01/0100..12/31/9999 (or NaN).
std::string BasicDate(double value, bool withTime);

// "YYYY-MM-DD HH:MM:SS"; empty as above.
std::string IsoDateTime(double value);

// A birthday without a year as vCard writes it: "--MMDD", with "THHMMSS" after it when
// its time of day is not midnight; empty when it is no such birthday.
std::string BasicYearless(const modAgeCalc::YearlessBirth& birth);

// True when the value's time of day, to the second, is not midnight.
bool HasTimeOfDay(double value);

}  // namespace exchange
