#pragma once

#include <string>

#include "exchange/DateForms.h"
#include "exchange/Exchange.h"

namespace exchangetest {

// A record as one line, so that a table row states all of it at once:
// name|YYYY-MM-DD HH:MM:SS (--MM-DD without a year, or the problem)|comments|where.
inline std::string Describe(const exchange::ImportRecord& r) {
    const std::string birth = !r.problem.empty()   ? r.problem
                              : r.yearless.IsSet() ? modAgeCalc::YearlessToText(r.yearless)
                                                   : exchange::IsoDateTime(r.birth);
    return r.name + "|" + birth + "|" + r.comments + "|" + r.where;
}

}  // namespace exchangetest
