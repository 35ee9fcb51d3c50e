#include "exchange/DateForms.h"

#include <cstdio>

#include "age/DateValue.h"

namespace exchange {

std::string BasicDate(double value, bool withTime) {
    modAgeCalc::DateParts p;
    if (!modAgeCalc::FromDateValue(value, p)) return {};
    char text[32];
    if (withTime)
        std::snprintf(text, sizeof text, "%04d%02d%02dT%02d%02d%02d", p.year, p.month, p.day,
                      p.hour, p.minute, p.second);
    else
        std::snprintf(text, sizeof text, "%04d%02d%02d", p.year, p.month, p.day);
    return text;
}

std::string BasicYearless(const modAgeCalc::YearlessBirth& b) {
    if (!modAgeCalc::IsValidYearless(b)) return {};
    char text[32];
    if (b.hour || b.minute || b.second)
        std::snprintf(text, sizeof text, "--%02d%02dT%02d%02d%02d", b.month, b.day, b.hour,
                      b.minute, b.second);
    else
        std::snprintf(text, sizeof text, "--%02d%02d", b.month, b.day);
    return text;
}

namespace {

void PutDigits(char* at, int value, int digits) {
    for (int i = digits - 1; i >= 0; --i, value /= 10) at[i] = static_cast<char>('0' + value % 10);
}

}  // namespace

// Without printf: an export writes one for each person.
std::string IsoDateTime(double value) {
    modAgeCalc::DateParts p;
    if (!modAgeCalc::FromDateValue(value, p)) return {};
    std::string text = "0000-00-00 00:00:00";
    PutDigits(text.data(), p.year, 4);
    PutDigits(text.data() + 5, p.month, 2);
    PutDigits(text.data() + 8, p.day, 2);
    PutDigits(text.data() + 11, p.hour, 2);
    PutDigits(text.data() + 14, p.minute, 2);
    PutDigits(text.data() + 17, p.second, 2);
    return text;
}

bool HasTimeOfDay(double value) {
    modAgeCalc::DateParts p;
    return modAgeCalc::FromDateValue(value, p) && (p.hour || p.minute || p.second);
}

}  // namespace exchange
