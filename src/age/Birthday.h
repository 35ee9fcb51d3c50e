#pragma once

#include <cstdint>

#include "age/DateValue.h"

// Birthday arithmetic shared by the upcoming-birthday views and the command line.
// A person born on 29 February has the birthday on 28 February in common years.
namespace modAgeCalc {

struct NextBirthdayInfo {
    std::int32_t date = 0;       // day number of the birthday
    std::int32_t daysUntil = 0;  // 0 when the birthday is on the day asked from
    int turns = 0;               // the age in whole years the person turns that day (1 or more)
};

// The day number of the birthday in `year` of someone born on month/day.
std::int32_t BirthdayInYear(int month, int day, int year);

// The English name of the weekday of a day number ("Monday").
const char* WeekdayName(std::int32_t day);

// The first birthday on or after `fromDay` (a day number) of someone born at `birth` (a
// date-time value; its whole-day part is the birth date). A person turns at least 1 on a
// birthday, so for a birth on or after `fromDay` it is the first birthday after the birth.
// False when `birth` is no date, or the birthday would fall after 12/31/9999.
bool NextBirthday(double birth, std::int32_t fromDay, NextBirthdayInfo& out);

}  // namespace modAgeCalc
