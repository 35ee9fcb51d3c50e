#include "exchange/CsvParser.h"

#include <algorithm>

#include "platform/Translate.h"

namespace exchange {

namespace {

// The length of a line break at i: 2 for CRLF, 1 for LF or CR, 0 for none.
int breakAt(std::string_view text, std::size_t i) {
    if (text[i] == '\r') return i + 1 < text.size() && text[i + 1] == '\n' ? 2 : 1;
    return text[i] == '\n' ? 1 : 0;
}

// Whether a spreadsheet would run the value as a formula, or would once the apostrophes
// in front of it were gone: guarding those too keeps removing one apostrophe exact.
bool NeedsGuard(std::string_view value) {
    const std::size_t first = value.find_first_not_of('\'');
    return first != std::string_view::npos &&
           std::string_view("=+-@\t\r").find(value[first]) != std::string_view::npos;
}

}  // namespace

bool CsvParser::readRecord(CsvRecord& record) {
    std::size_t count = 0;
    // Fields past the limit are read, so the record ends where it should, but not kept.
    auto field = [&]() -> std::string& {
        if (count >= fieldLimit_) return dropped_;
        if (count == record.fields.size()) record.fields.emplace_back();
        return record.fields[count];
    };
    field().clear();
    bool quoted = false;
    while (pos_ < text_.size()) {
        const char c = text_[pos_];
        if (quoted) {
            if (c == '"' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '"') {
                field() += '"';
                pos_ += 2;
            } else if (c == '"') {
                quoted = false;
                ++pos_;
            } else {
                if (c == '\n' || (c == '\r' && breakAt(text_, pos_) == 1)) ++line_;
                field() += c;
                ++pos_;
            }
        } else if (c == '"' && field().empty()) {
            quoted = true;
            ++pos_;
        } else if (c == ',') {
            ++count;
            field().clear();
            ++pos_;
        } else if (const int n = breakAt(text_, pos_)) {
            pos_ += n;
            ++line_;
            break;
        } else {
            // Plain text runs up to the next comma, quote or line break in one append.
            std::size_t end = pos_ + 1;
            while (end < text_.size() && text_[end] != ',' && text_[end] != '\r' &&
                   text_[end] != '\n')
                ++end;
            field().append(text_.substr(pos_, end - pos_));
            pos_ = end;
        }
    }
    record.fields.resize(std::min(count + 1, fieldLimit_));
    return !quoted;
}

bool CsvParser::next(CsvRecord& record) {
    while (pos_ < text_.size() && error_.empty()) {
        record.line = line_;
        if (!readRecord(record)) {
            error_ = platform::Filled(
                platform::Translate("exchange",
                                    "Line %1: a field opened with a double quote is never closed. "
                                    "Each quote inside a quoted field must be doubled (\"\")."),
                {std::to_string(record.line)});
            return false;
        }
        if (record.fields.size() > 1 || !record.fields[0].empty()) return true;
    }
    return false;
}

std::string_view UnguardedCsvField(std::string_view field) {
    if (field.starts_with('\'') && NeedsGuard(field)) field.remove_prefix(1);
    return field;
}

void AppendCsvField(std::string& out, std::string_view value) {
    const bool guard = NeedsGuard(value);
    if (value.find_first_of(",\"\r\n") == std::string_view::npos) {
        if (guard) out += '\'';
        out.append(value);
        return;
    }
    out += '"';
    if (guard) out += '\'';
    for (const char c : value) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

}  // namespace exchange
