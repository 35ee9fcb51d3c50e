#pragma once

#include "platform/DateParts.h"

namespace modAgeCalc {

// The clock's date and time parts, under the name the age library has always used.
using DateParts = platform::DateParts;

}  // namespace modAgeCalc
