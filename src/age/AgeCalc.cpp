#include "age/AgeCalc.h"

#include <cmath>

#include "platform/Clock.h"

namespace modAgeCalc {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// The month of a value's whole-day part as its year and month; false when the value is
// no date. Working from calendar fields instead of adding and subtracting day counts
// keeps the helpers right on both sides of day 0, where the time of day runs the other
// way; the time of day itself never moves the month.
bool monthOf(double date, int& year, int& month) {
    int day = 0;
    return DateOfValue(date, year, month, day);
}

}  // namespace

bool IsBlankDate(const std::string& text) {
    for (const char c : text)
        if (!isBlank(c)) return false;
    return true;
}

std::string FirstOfMonth(double date) {
    int year = 0, month = 0;
    if (!monthOf(date, year, month)) return {};
    return FormatDateText(SerialFromCivil(year, month, 1));
}

// The last day is taken from the month length rather than as "first of next month less
// a day", which has no answer for December 9999.
std::string LastOfMonth(double date) {
    int year = 0, month = 0;
    if (!monthOf(date, year, month)) return {};
    return FormatDateText(SerialFromCivil(year, month, DaysInMonthOf(year, month)));
}

std::int32_t DaysInMonth(double date) {
    int year = 0, month = 0;
    if (!monthOf(date, year, month)) return 0;
    return DaysInMonthOf(year, month);
}

double NowValue() {
    const DateParts p = platform::Now();
    // A clock that answers no real date gives a value that is no date either.
    return IsValidDateParts(p) ? ToDateValue(p) : std::nan("");
}

std::int32_t TodaySerial() {
    const DateParts now = platform::Now();
    return SerialFromCivil(now.year, now.month, now.day);
}

std::string TodayText() {
    return FormatDateText(NowValue());
}

}  // namespace modAgeCalc
