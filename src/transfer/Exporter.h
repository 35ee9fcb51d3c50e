#pragma once

#include <optional>
#include <string>
#include <vector>

#include "exchange/Exchange.h"
#include "store/PersonRepository.h"

namespace transfer {

struct ExportResult {
    int exported = 0;
    int leftOut = 0;          // people whose stored birth is no date nor a birthday
                              // without a year
    int repaired = 0;         // people whose stored text was not valid UTF-8: written with
                              // U+FFFD in place of the bad bytes
    std::string error;        // set when nothing was written
    bool fileExists = false;  // the file was there and overwriting was not allowed
};

// The people in the order the list shows them: by name in a reader's order
// (platform/TextFold.h), people whose names fold alike by key.
void SortByName(std::vector<store::Person>& people);
// The same order as positions in `people`, which stays as it is.
std::vector<std::size_t> NameOrder(const std::vector<store::Person>& people);

// Every person with a birth date or a birthday without a year in `format`, as `bytes`,
// for a caller that writes them elsewhere (standard output).
ExportResult ExportBytes(const store::PersonRepository& repository, exchange::Format format,
                         std::string& bytes);

// Writes every person with a birth date or a birthday without a year to the file at
// `path` (UTF-8 path) in `format`. An existing file is replaced only when `overwrite` is
// set; the file is written whole or not at all (WriteFileBytes). The database and the
// files SQLite keeps beside it are refused.
ExportResult ExportFile(const store::PersonRepository& repository, const std::string& path,
                        exchange::Format format, bool overwrite);

}  // namespace transfer
