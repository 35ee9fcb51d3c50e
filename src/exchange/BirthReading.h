#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "age/YearlessBirth.h"

// Reading a birth date as other programs write it, and saying why when it is no usable
// date. A year is never made up: a birthday whose year the file leaves out, or marks as
// unknown with a placeholder, is kept as a birthday without a year.
namespace exchange {

struct BirthReading {
    double value = 0;     // the date-time value; meaningful only when `problem` is "" and
                          // `yearless` is not set
    std::string problem;  // why the text gives no usable birth
    // Set when the text gives month and day but no year (or a placeholder for one).
    modAgeCalc::YearlessBirth yearless;
};

// Accepted, with blanks around ignored:
//   YYYY-MM-DD and YYYYMMDD, optionally followed by "T" or a blank and a time of day
//   HH:MM[:SS] or HHMM[SS], fractions of a second and a zone ("Z", +HH, +HH:MM, +HHMM)
//   that are ignored: the date as written is the birth date.
//   M/D/YYYY with an optional time, as the program's own date texts.
//   Without a year: --MM-DD and --MMDD (with a time of day as above), and M/D.
// The years 0000 and 1604, which address books write for an unknown year, and the year
// `omittedYear` (a vCard's X-APPLE-OMIT-YEAR) give a birthday without a year; so does
// 29 February with any of them. Empty texts (also 0/0/00), a day without its month or
// a month without its day, and impossible dates give a problem.
BirthReading ReadBirthText(std::string_view text, std::optional<int> omittedYear = std::nullopt);

// A birth given as separate year, month and day texts; an empty year beside a month and
// a day is a birthday without a year.
BirthReading ReadBirthParts(std::string_view year, std::string_view month, std::string_view day);

}  // namespace exchange
