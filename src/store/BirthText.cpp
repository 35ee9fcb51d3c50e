#include "store/BirthText.h"

#include <cstdio>
#include <string_view>

#include "age/DateText.h"
#include "age/DateValue.h"
#include "age/TextScanner.h"

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

bool ReadTime(TextScanner& in, DateParts& p, double& fraction) {
    if (!in.readNumber(2, 2, p.hour) || !in.readChar(':') || !in.readNumber(2, 2, p.minute))
        return false;
    if (in.atEnd()) return true;
    if (!in.readChar(':') || !in.readNumber(2, 2, p.second)) return false;
    if (in.atEnd()) return true;
    return in.readChar('.') && in.readFraction(fraction);
}

bool ParseIso(std::string_view text, double& out) {
    DateParts p;
    TextScanner in(text);
    p.hour = p.minute = p.second = 0;
    if (!ReadIsoDay(in, p)) return false;
    double fraction = 0.0;
    if (!in.atEnd()) {
        if (!in.readChar(' ') && !in.readChar('T')) return false;
        if (!ReadTime(in, p, fraction) || !in.atEnd()) return false;
    }
    if (!IsValidDateParts(p)) return false;
    const double day = ToDateValue(p);
    // Before day 0 the time of day grows away from zero.
    const double value = day < 0 ? day - fraction / 86400.0 : day + fraction / 86400.0;
    // The value is used to the whole second: half a second before the end of the calendar
    // rounds beyond it, and such a birth could be neither shown nor saved again. Only a
    // fraction of a second can carry it there, and the program never writes one.
    DateParts rounded;
    if (fraction != 0.0 && !FromDateValue(value, rounded)) return false;
    out = value;
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

}  // namespace modAgeCalc
