#pragma once

#include <string>

// The date texts the writers put into files.
namespace exchange {

// "YYYYMMDD", with "THHMMSS" after it when `withTime`; empty for a value outside
// 01/01/0100..12/31/9999 (or NaN).
std::string BasicDate(double value, bool withTime);

// "YYYY-MM-DD HH:MM:SS"; empty as above.
std::string IsoDateTime(double value);

// True when the value's time of day, to the second, is not midnight.
bool HasTimeOfDay(double value);

}  // namespace exchange
