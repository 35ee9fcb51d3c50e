#pragma once

#include <algorithm>
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

// Hands out one record after the other, leaving out blank lines. Records are read
// into the caller's CsvRecord so that its strings are reused from record to record.
class CsvParser {
public:
    explicit CsvParser(std::string_view text) : text_(text) {}

    // False at the end of the text, and when a quoted field never closes (error()).
    bool next(CsvRecord& record);
    // Keeps at most `limit` (at least 1) fields of each record from now on: a line of
    // millions of commas must not cost a string for each.
    void setFieldLimit(std::size_t limit) { fieldLimit_ = std::max<std::size_t>(limit, 1); }
    const std::string& error() const { return error_; }

private:
    bool readRecord(CsvRecord& record);

    std::string_view text_;
    std::size_t pos_ = 0;
    int line_ = 1;
    std::string error_;
    std::size_t fieldLimit_ = 65536;  // more columns than any spreadsheet saves
    std::string dropped_;
};

// Appends one field as it is written: in quotes (inner quotes doubled) only when it
// holds a comma, a quote or a line break. A field that a spreadsheet would run as a
// formula (beginning with =, +, -, @, a tab or a carriage return) is guarded with a
// leading apostrophe, which spreadsheets show as text and do not run.
void AppendCsvField(std::string& out, std::string_view value);

// The field without the apostrophe AppendCsvField put before it, so that what we write
// reads back exactly; any other field as it is.
std::string_view UnguardedCsvField(std::string_view field);

}  // namespace exchange
