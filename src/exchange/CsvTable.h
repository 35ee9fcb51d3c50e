#pragma once

#include <string>
#include <string_view>
#include <vector>

// Comma-separated values as RFC 4180 describes them, read leniently: records end at
// CRLF, LF or a lone CR; a field in double quotes may hold commas, line breaks and
// doubled quotes; a quote inside an unquoted field is an ordinary character.
namespace exchange {

struct CsvRecord {
    std::vector<std::string> fields;
    int line = 0;  // the physical line (from 1) the record starts on
};

struct CsvTable {
    std::vector<CsvRecord> records;  // blank lines left out
    std::string error;               // a quoted field that never closes
};

CsvTable ParseCsv(std::string_view text);

// One field as it is written: in quotes (inner quotes doubled) only when it holds a
// comma, a quote or a line break.
std::string CsvField(std::string_view value);

}  // namespace exchange
