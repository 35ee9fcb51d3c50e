#include "age/Birthday.h"

#include <algorithm>
#include <cmath>

namespace modAgeCalc {

std::int32_t BirthdayInYear(int month, int day, int year) {
    return SerialFromCivil(year, month, std::min(day, DaysInMonthOf(year, month)));
}

// Day 0, 12/30/1899, was a Saturday.
const char* WeekdayName(std::int32_t day) {
    static const char* const kNames[] = {"Saturday",  "Sunday",   "Monday", "Tuesday",
                                         "Wednesday", "Thursday", "Friday"};
    return kNames[((day % 7) + 7) % 7];
}

bool NextBirthday(double birth, std::int32_t fromDay, NextBirthdayInfo& out) {
    if (!std::isfinite(birth) || birth < kMinSerial || birth >= kMaxSerial + 1.0) return false;
    int birthYear = 0, month = 0, day = 0;
    CivilFromSerial(DaySerialOf(birth), birthYear, month, day);

    int fromYear = 0, fromMonth = 0, fromDate = 0;
    CivilFromSerial(fromDay, fromYear, fromMonth, fromDate);
    int year = std::max(fromYear, birthYear + 1);
    if (BirthdayInYear(month, day, year) < fromDay) ++year;
    if (year > kMaxYear) return false;

    out.date = BirthdayInYear(month, day, year);
    out.daysUntil = out.date - fromDay;
    out.turns = year - birthYear;
    return true;
}

}  // namespace modAgeCalc
