#pragma once

#include <string>

#include "store/Value.h"

// How a birth date-time value is kept in the dtmBirth column: as SQLite's own date
// text "YYYY-MM-DD HH:MM:SS", exact to the second.
namespace modAgeCalc {

// The value as "YYYY-MM-DD HH:MM:SS", rounded to the whole second; the empty text
// for a value outside 01/01/0100 to 12/31/9999 (or NaN), which has no such text.
// A value before day 0 carries its time of day as the fraction's magnitude, so -0.5
// and 0.5 are the same moment (noon of 12/30/1899) and both give that text.
std::string BirthToIso(double value);

// The value a stored dtmBirth stands for. Accepts the date text with or without the
// time ("YYYY-MM-DD", "YYYY-MM-DD HH:MM", "YYYY-MM-DD HH:MM:SS", optionally with
// fractional seconds and with "T" between date and time) and a REAL or INTEGER day
// count. False, leaving `out` untouched, for Null, other texts, impossible dates and
// values outside 01/01/0100 to 12/31/9999.
bool BirthFromStored(const store::Value& v, double& out);
bool BirthFromStored(const store::ValueView& v, double& out);

}  // namespace modAgeCalc
