#pragma once

#include <string>

#include "exchange/DateForms.h"
#include "exchange/Exchange.h"

namespace exchangetest {

// A record as one line, so that a table row states all of it at once:
// name|YYYY-MM-DD HH:MM:SS (or the problem)|comments|where.
inline std::string Describe(const exchange::ImportRecord& r) {
    return r.name + "|" + (r.problem.empty() ? exchange::IsoDateTime(r.birth) : r.problem) + "|" +
           r.comments + "|" + r.where;
}

}  // namespace exchangetest
