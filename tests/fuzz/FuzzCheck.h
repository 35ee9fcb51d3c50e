#pragma once

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "age/DateValue.h"
#include "age/YearlessBirth.h"
#include "exchange/Exchange.h"
#include "exchange/TextEncoding.h"

// The rules every fuzz target checks on what a reader gives back. A broken rule is
// written to standard error and aborts: libFuzzer keeps the input as a crash, and the
// replay of the corpus fails. Nothing here catches an exception, so none can hide.
namespace fuzz {

inline std::string_view BytesOf(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

inline void Require(bool holds, std::string_view rule, std::string_view detail = "") {
    if (holds) return;
    std::fprintf(stderr, "broken rule: %.*s [%.*s]\n", static_cast<int>(rule.size()), rule.data(),
                 static_cast<int>(detail.size()), detail.data());
    std::abort();
}

// The lines of a text as the readers count them: CRLF, LF and a lone CR each end one.
inline long LineCount(std::string_view text) {
    long lines = 1;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')))
            ++lines;
    return lines;
}

// The number after `prefix` when `place` is exactly the prefix and a number; -1 else.
inline long NumberAfter(std::string_view place, std::string_view prefix) {
    if (!place.starts_with(prefix)) return -1;
    place.remove_prefix(prefix.size());
    long number = -1;
    const auto [end, error] = std::from_chars(place.data(), place.data() + place.size(), number);
    return error == std::errc() && end == place.data() + place.size() ? number : -1;
}

// A place "line N" (after `prefix`) must name a line of the input.
inline void RequireLineInside(std::string_view place, std::string_view prefix, long lines) {
    const long line = NumberAfter(place, std::string(prefix) + "line ");
    Require(line >= 1 && line <= lines, "the place names a line of the input", place);
}

// A usable birth is a date-time value within 01/01/0100..12/31/9999.
inline bool IsCalendarValue(double value) {
    modAgeCalc::DateParts unused;
    return modAgeCalc::FromDateValue(value, unused);
}

inline bool IsCleanText(std::string_view text) {
    return exchange::IsValidUtf8(text) && text.find('\0') == std::string_view::npos;
}

// A record without a problem is one the importer may store: a real birth, and names and
// comments of valid UTF-8 without NUL bytes (a record holding others is skipped).
inline void RequireSoundRecord(const exchange::ImportRecord& record) {
    if (!record.problem.empty()) return;
    Require(record.yearless.IsSet() ? modAgeCalc::IsValidYearless(record.yearless)
                                    : IsCalendarValue(record.birth),
            "a record without a problem has a usable birth", record.where);
    Require(IsCleanText(record.name) && IsCleanText(record.comments),
            "a record without a problem holds valid UTF-8 without NUL", record.where);
}

// What a reader refused whole holds nothing else; every notice names a line.
inline void RequireSoundResult(const exchange::ReadResult& result, long lines) {
    if (!result.error.empty())
        Require(result.records.empty() && result.notices.empty(), "a refused file gives nothing",
                result.error);
    for (const exchange::ReadNotice& notice : result.notices) {
        RequireLineInside(notice.where, "", lines);
        Require(!notice.text.empty(), "a notice says what", notice.where);
    }
}

}  // namespace fuzz
