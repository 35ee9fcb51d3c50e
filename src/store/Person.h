#pragma once

#include <cstdint>
#include <limits>
#include <string>

#include "age/YearlessBirth.h"

namespace store {

// One person as the program keeps it, away from any window.
struct Person {
    std::int32_t key = 0;  // lngID; 0 while the person is not stored
    std::string name;
    // Date-time value (days from 12/30/1899). NaN when the stored birth is Null or reads
    // as no date, so that such a row is never taken for someone born on 12/30/1899.
    double birth = std::numeric_limits<double>::quiet_NaN();
    std::string comments;
    // Set, with `birth` NaN, for a birthday whose year is unknown (stored as "--MM-DD").
    modAgeCalc::YearlessBirth yearless;
};

}  // namespace store
