#pragma once

#include <string>
#include <string_view>

// Reading a birth date as other programs write it, and saying why when it is no full
// date. A year is never made up: a date without one is a problem, not a guess.
namespace exchange {

struct BirthReading {
    double value = 0;     // the date-time value; meaningful only when `problem` is ""
    std::string problem;  // why the text gives no usable birth
};

// Accepted, with blanks around ignored:
//   YYYY-MM-DD and YYYYMMDD, optionally followed by "T" or a blank and a time of day
//   HH:MM[:SS] or HHMM[SS], fractions of a second and a zone ("Z", +HH, +HH:MM, +HHMM)
//   that are ignored: the date as written is the birth date.
//   M/D/YYYY with an optional time, as the program's own date texts.
// Year-less forms (--MM-DD, --MMDD, M/D), the placeholder years 0000 and 1604, empty
// texts (also 0/0/00) and impossible dates give a problem.
BirthReading ReadBirthText(std::string_view text);

// A birth given as separate year, month and day texts.
BirthReading ReadBirthParts(std::string_view year, std::string_view month, std::string_view day);

// The problem for a birthday whose year the file marks as left out.
std::string NoYearProblem();

}  // namespace exchange
