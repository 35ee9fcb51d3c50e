#include "exchange/CsvTable.h"

namespace exchange {

namespace {

// Reads one record from `pos`, leaving `pos` after its line break and `line` on the
// line that follows. False when a quoted field runs to the end of the text.
bool readRecord(std::string_view text, std::size_t& pos, int& line, CsvRecord& record) {
    std::string field;
    bool quoted = false;
    auto breakAt = [&](std::size_t i) {  // length of a line break at i, 0 if none
        if (text[i] == '\r') return i + 1 < text.size() && text[i + 1] == '\n' ? 2 : 1;
        return text[i] == '\n' ? 1 : 0;
    };
    while (pos < text.size()) {
        const char c = text[pos];
        if (quoted) {
            if (c == '"' && pos + 1 < text.size() && text[pos + 1] == '"') {
                field += '"';
                pos += 2;
            } else if (c == '"') {
                quoted = false;
                ++pos;
            } else {
                if (breakAt(pos) == 2) field += text[pos++];
                if (breakAt(pos) == 1) ++line;
                field += text[pos++];
            }
        } else if (c == '"' && field.empty()) {
            quoted = true;
            ++pos;
        } else if (c == ',') {
            record.fields.push_back(std::move(field));
            field.clear();
            ++pos;
        } else if (const int n = breakAt(pos)) {
            pos += n;
            ++line;
            break;
        } else {
            field += c;
            ++pos;
        }
    }
    record.fields.push_back(std::move(field));
    return !quoted;
}

bool isBlank(const CsvRecord& r) {
    return r.fields.size() == 1 && r.fields[0].empty();
}

}  // namespace

CsvTable ParseCsv(std::string_view text) {
    CsvTable table;
    std::size_t pos = 0;
    int line = 1;
    while (pos < text.size()) {
        CsvRecord record;
        record.line = line;
        if (!readRecord(text, pos, line, record)) {
            table.error = "Line " + std::to_string(record.line) +
                          ": a field opened with a double quote is never closed. Each quote "
                          "inside a quoted field must be doubled (\"\").";
            return table;
        }
        if (!isBlank(record)) table.records.push_back(std::move(record));
    }
    return table;
}

std::string CsvField(std::string_view value) {
    if (value.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(value);
    std::string out = "\"";
    for (const char c : value) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
    return out;
}

}  // namespace exchange
