#include "age/DateValue.h"

#include <cmath>

namespace modAgeCalc {

namespace {
// Day number of 12/30/1899 counted from 03/01/0000 in the civil-from-days scheme.
constexpr std::int64_t kEpochShift = 693899;  // days from 0000-03-01 to 1899-12-30, +60

std::int64_t daysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe);  // days since 0000-03-01
}
}  // namespace

std::int32_t SerialFromCivil(int year, int month, int day) {
    return static_cast<std::int32_t>(
        daysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) -
        kEpochShift);
}

void CivilFromSerial(std::int32_t serial, int& year, int& month, int& day) {
    const std::int64_t z = static_cast<std::int64_t>(serial) + kEpochShift;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    year = static_cast<int>(static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2));
    month = static_cast<int>(m);
    day = static_cast<int>(d);
}

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonthOf(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool IsValidDateParts(const DateParts& p) {
    return p.year >= kMinYear && p.year <= kMaxYear && p.month >= 1 && p.month <= 12 &&
           p.day >= 1 && p.day <= DaysInMonthOf(p.year, p.month) && p.hour >= 0 && p.hour <= 23 &&
           p.minute >= 0 && p.minute <= 59 && p.second >= 0 && p.second <= 59;
}

double ToDateValue(const DateParts& p) {
    const std::int32_t serial = SerialFromCivil(p.year, p.month, p.day);
    const double time = (p.hour * 3600 + p.minute * 60 + p.second) / 86400.0;
    // Before day 0 the time of day is carried as the fraction's magnitude.
    return serial < 0 ? serial - time : serial + time;
}

std::int32_t DaySerialOf(double value) {
    // Converting NaN or a value beyond 32 bits to an integer is undefined; such values
    // are no dates and count as day 0.
    if (!(std::fabs(value) < 2147483647.0)) return 0;
    return static_cast<std::int32_t>(value);  // truncates toward zero, without a call
}

bool DateOfValue(double value, int& year, int& month, int& day) {
    if (!std::isfinite(value)) return false;
    if (value <= kMinSerial - 1.0 || value >= kMaxSerial + 1.0) return false;
    const std::int32_t serial = DaySerialOf(value);
    if (serial < kMinSerial || serial > kMaxSerial) return false;
    CivilFromSerial(serial, year, month, day);
    return true;
}

bool FromDateValue(double value, DateParts& out) {
    if (!std::isfinite(value)) return false;
    if (value <= kMinSerial - 1.0 || value >= kMaxSerial + 1.0) return false;
    std::int32_t serial = DaySerialOf(value);
    long seconds = std::lround(std::fabs(value - serial) * 86400.0);
    if (seconds >= 86400) {
        // Rounding reached the next midnight. Day numbers run forward through the
        // calendar on both sides of day 0 (only the fraction is mirrored below it), so
        // the next day is always serial + 1: -1.9999999 is 12/29/1899 23:59:59.99 and
        // rounds to 12/30/1899, not to 12/28/1899.
        seconds -= 86400;
        serial += 1;
    }
    if (serial < kMinSerial || serial > kMaxSerial) return false;
    DateParts p;
    CivilFromSerial(serial, p.year, p.month, p.day);
    p.hour = static_cast<int>(seconds / 3600);
    p.minute = static_cast<int>(seconds / 60 % 60);
    p.second = static_cast<int>(seconds % 60);
    out = p;
    return true;
}

}  // namespace modAgeCalc
