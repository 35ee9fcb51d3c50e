#pragma once

#include <cstddef>
#include <string>

#include "transfer/ImportResult.h"

// The words with which the window and the command line report an import.
namespace transfer {

// "Imported 3 people, skipped 2." (one person, one record: singular)
std::string ImportSummary(const ImportResult& result);

// "contacts.csv, line 4: the birthday has no year"
std::string SkippedLine(const SkippedRecord& skipped);

// The summary and the first `limit` skipped records, one a line, with a closing line
// counting the rest; the error alone when nothing was imported because of one.
std::string ImportReport(const ImportResult& result, std::size_t limit);

}  // namespace transfer
