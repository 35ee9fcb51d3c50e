#pragma once

namespace platform {

// A calendar date and time of day, to the whole second, in the proleptic Gregorian
// calendar: what the clock reads, and what the age library calculates with. The
// defaults are day 0 of the date-time value, 12/30/1899 at midnight.
struct DateParts {
    int year = 1899;
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;

    friend bool operator==(const DateParts&, const DateParts&) = default;
};

}  // namespace platform
