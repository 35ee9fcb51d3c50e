#include "age/YearlessBirth.h"

#include <cstdio>

#include "age/Birthday.h"
#include "age/DateValue.h"

namespace modAgeCalc {

namespace {

// Reads exactly `width` digits at `pos`; false when any is not a digit.
bool ReadDigits(std::string_view text, std::size_t pos, std::size_t width, int& out) {
    if (pos + width > text.size()) return false;
    int value = 0;
    for (std::size_t i = pos; i < pos + width; ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    out = value;
    return true;
}

bool ReadTimeOfDay(std::string_view text, YearlessBirth& b) {
    // HH:MM or HH:MM:SS, nothing after it.
    if (!ReadDigits(text, 0, 2, b.hour) || text.size() < 5 || text[2] != ':' ||
        !ReadDigits(text, 3, 2, b.minute))
        return false;
    if (text.size() == 5) return true;
    return text.size() == 8 && text[5] == ':' && ReadDigits(text, 6, 2, b.second);
}

}  // namespace

bool IsValidYearless(const YearlessBirth& b) {
    return b.month >= 1 && b.month <= 12 && b.day >= 1 && b.day <= DaysInMonthOf(2000, b.month) &&
           b.hour >= 0 && b.hour <= 23 && b.minute >= 0 && b.minute <= 59 && b.second >= 0 &&
           b.second <= 59;
}

std::string YearlessToText(const YearlessBirth& b) {
    if (!IsValidYearless(b)) return {};
    char buffer[32];
    if (b.hour == 0 && b.minute == 0 && b.second == 0)
        std::snprintf(buffer, sizeof buffer, "--%02d-%02d", b.month, b.day);
    else
        std::snprintf(buffer, sizeof buffer, "--%02d-%02d %02d:%02d:%02d", b.month, b.day, b.hour,
                      b.minute, b.second);
    return buffer;
}

std::optional<YearlessBirth> YearlessFromText(std::string_view text) {
    YearlessBirth b;
    if (text.size() < 7 || text.substr(0, 2) != "--" || !ReadDigits(text, 2, 2, b.month) ||
        text[4] != '-' || !ReadDigits(text, 5, 2, b.day))
        return std::nullopt;
    if (text.size() > 7) {
        if (text[7] != ' ' && text[7] != 'T') return std::nullopt;
        if (!ReadTimeOfDay(text.substr(8), b)) return std::nullopt;
    }
    if (!IsValidYearless(b)) return std::nullopt;
    return b;
}

std::string YearlessMonthDay(const YearlessBirth& b) {
    if (!IsValidYearless(b)) return {};
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%02d/%02d", b.month, b.day);
    return buffer;
}

int YearlessDayIn(const YearlessBirth& b, int year) {
    return BirthdayInYear(b.month, b.day, year);
}

bool NextYearlessBirthday(const YearlessBirth& b, std::int32_t fromDay, NextBirthdayInfo& out) {
    if (!IsValidYearless(b)) return false;
    int year = 0, month = 0, day = 0;
    CivilFromSerial(fromDay, year, month, day);
    if (YearlessDayIn(b, year) < fromDay) ++year;
    if (year > kMaxYear) return false;
    out.date = YearlessDayIn(b, year);
    out.daysUntil = out.date - fromDay;
    out.turns = 0;
    return true;
}

}  // namespace modAgeCalc
