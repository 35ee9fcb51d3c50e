#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "age/Birthday.h"

// A birthday whose year nobody knows: phones and mail programs keep many of them. It is
// kept as written in vCard and ISO 8601, "--MM-DD" with the time of day after a blank
// when there is one ("--12-08 08:30:00"), and a year is never made up for it.
namespace modAgeCalc {

struct YearlessBirth {
    int month = 0;  // 1 to 12; 0 when there is no such birthday
    int day = 0;    // 1 to the month's days in a leap year (29 February is allowed)
    int hour = 0;
    int minute = 0;
    int second = 0;

    bool IsSet() const { return month != 0; }
    friend bool operator==(const YearlessBirth&, const YearlessBirth&) = default;
};

// True for a month and day that some year has (29 February included) and a time of day.
bool IsValidYearless(const YearlessBirth& b);

// "--MM-DD", or "--MM-DD HH:MM:SS" when the time of day is not midnight; "" when `b`
// is not valid.
std::string YearlessToText(const YearlessBirth& b);

// The birthday a stored text stands for: "--MM-DD", optionally followed by a blank or
// "T" and HH:MM or HH:MM:SS. Nothing for any other text, an impossible day (--02-30)
// or time.
std::optional<YearlessBirth> YearlessFromText(std::string_view text);

// "MM/DD", as the list shows such a birth where it shows a year.
std::string YearlessMonthDay(const YearlessBirth& b);

// The day number of the birthday in `year`; 29 February falls on 28 February in common
// years.
int YearlessDayIn(const YearlessBirth& b, int year);

// The first birthday on or after `fromDay`, with `turns` 0: the age it brings is not
// known. False for a birthday that is not valid or would fall after 12/31/9999.
bool NextYearlessBirthday(const YearlessBirth& b, std::int32_t fromDay, NextBirthdayInfo& out);

}  // namespace modAgeCalc
