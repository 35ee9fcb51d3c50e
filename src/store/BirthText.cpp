#include "store/BirthText.h"

#include <cstdio>
#include <string_view>

#include "age/DateValue.h"

namespace modAgeCalc {

std::string BirthToIso(double value) {
    DateParts p;
    if (!FromDateValue(value, p)) return {};
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", p.year, p.month, p.day,
                  p.hour, p.minute, p.second);
    return text;
}

namespace {

// Reads exactly `digits` decimal digits at `at`, advancing past them.
bool ReadNumber(std::string_view text, std::size_t& at, int digits, int& out) {
    if (at + static_cast<std::size_t>(digits) > text.size()) return false;
    int n = 0;
    for (int i = 0; i < digits; ++i) {
        const char c = text[at++];
        if (c < '0' || c > '9') return false;
        n = n * 10 + (c - '0');
    }
    out = n;
    return true;
}

bool Expect(std::string_view text, std::size_t& at, char c) {
    if (at >= text.size() || text[at] != c) return false;
    ++at;
    return true;
}

// Fractional seconds after a '.', as a fraction of a second.
bool ReadFraction(std::string_view text, std::size_t& at, double& fraction) {
    double scale = 0.1;
    const std::size_t start = at;
    fraction = 0.0;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9') {
        fraction += (text[at++] - '0') * scale;
        scale /= 10.0;
    }
    return at > start;
}

bool ReadTime(std::string_view text, std::size_t& at, DateParts& p, double& fraction) {
    if (!ReadNumber(text, at, 2, p.hour) || !Expect(text, at, ':') ||
        !ReadNumber(text, at, 2, p.minute))
        return false;
    if (at == text.size()) return true;
    if (!Expect(text, at, ':') || !ReadNumber(text, at, 2, p.second)) return false;
    if (at == text.size()) return true;
    return Expect(text, at, '.') && ReadFraction(text, at, fraction);
}

bool ParseIso(std::string_view text, double& out) {
    DateParts p;
    std::size_t at = 0;
    if (!ReadNumber(text, at, 4, p.year) || !Expect(text, at, '-') ||
        !ReadNumber(text, at, 2, p.month) || !Expect(text, at, '-') ||
        !ReadNumber(text, at, 2, p.day))
        return false;
    p.hour = p.minute = p.second = 0;
    double fraction = 0.0;
    if (at < text.size()) {
        if (text[at] != ' ' && text[at] != 'T') return false;
        ++at;
        if (!ReadTime(text, at, p, fraction) || at != text.size()) return false;
    }
    if (!IsValidDateParts(p)) return false;
    const double value = ToDateValue(p);
    // Before day 0 the time of day grows away from zero.
    out = value < 0 ? value - fraction / 86400.0 : value + fraction / 86400.0;
    return true;
}

bool FromDayCount(double value, double& out) {
    DateParts unused;
    if (!FromDateValue(value, unused)) return false;
    out = value;
    return true;
}

}  // namespace

bool BirthFromStored(const store::ValueView& v, double& out) {
    if (const auto* text = std::get_if<std::string_view>(&v)) return ParseIso(*text, out);
    if (const auto* real = std::get_if<double>(&v)) return FromDayCount(*real, out);
    if (const auto* whole = std::get_if<std::int64_t>(&v))
        return FromDayCount(static_cast<double>(*whole), out);
    return false;
}

bool BirthFromStored(const store::Value& v, double& out) {
    return BirthFromStored(store::ViewOf(v), out);
}

bool BirthFromStored(const std::string& text, double& out) {
    return ParseIso(text, out);
}

}  // namespace modAgeCalc
