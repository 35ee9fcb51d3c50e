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

std::string IsoDateTime(double value) {
    modAgeCalc::DateParts p;
    if (!modAgeCalc::FromDateValue(value, p)) return {};
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", p.year, p.month, p.day,
                  p.hour, p.minute, p.second);
    return text;
}

bool HasTimeOfDay(double value) {
    modAgeCalc::DateParts p;
    return modAgeCalc::FromDateValue(value, p) && (p.hour || p.minute || p.second);
}

}  // namespace exchange
