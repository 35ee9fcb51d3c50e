#include "age/DateText.h"

#include <cstddef>
#include <cstdio>

#include "age/DateValue.h"
#include "age/TextScanner.h"

namespace modAgeCalc {

namespace {

// 12 AM is midnight and 12 PM noon; other hours of the 12-hour clock move by 12 after noon.
bool toDayHour(int clockHour, bool afternoon, int& hour) {
    if (clockHour < 1 || clockHour > 12) return false;
    hour = clockHour % 12 + (afternoon ? 12 : 0);
    return true;
}

bool readTime(TextScanner& in, DateParts& p) {
    int hour = 0;
    if (!in.readNumber(1, 2, hour) || !in.readChar(':') || !in.readNumber(2, 2, p.minute))
        return false;
    if (in.readChar(':') && !in.readNumber(2, 2, p.second)) return false;
    if (in.atEnd()) {
        p.hour = hour;
        return true;
    }
    bool afternoon = false;
    return in.readChar(' ') && in.readMeridiem(afternoon) && toDayHour(hour, afternoon, p.hour);
}

char* writeTwoDigits(char* out, int value) {
    out[0] = static_cast<char>('0' + value / 10);
    out[1] = static_cast<char>('0' + value % 10);
    return out + 2;
}

}  // namespace

bool ParseDateParts(std::string_view text, DateParts& parts) {
    DateParts p;
    TextScanner in(text);
    if (!in.readFields({{1, 2, &p.month}, {1, 2, &p.day}, {4, 4, &p.year}}, '/')) return false;
    if (!in.atEnd() && !(in.readChar(' ') && readTime(in, p))) return false;
    if (!in.atEnd() || !IsValidDateParts(p)) return false;
    parts = p;
    return true;
}

bool ReadIsoDay(TextScanner& in, DateParts& parts) {
    DateParts p{};
    if (!in.readFields({{4, 4, &p.year}, {2, 2, &p.month}, {2, 2, &p.day}}, '-') ||
        !IsValidDateParts(p))
        return false;
    parts.year = p.year, parts.month = p.month, parts.day = p.day;
    return true;
}

bool ParseIsoDay(std::string_view text, std::int32_t& serial) {
    DateParts p{};
    TextScanner in(text);
    if (!ReadIsoDay(in, p) || !in.atEnd()) return false;
    serial = SerialFromCivil(p.year, p.month, p.day);
    return true;
}

bool ParseDateText(std::string_view text, double& value) {
    DateParts p;
    if (!ParseDateParts(text, p)) return false;
    value = ToDateValue(p);
    return true;
}

std::string FormatDateText(double value) {
    // The date is that of the whole-day part: rounding the time to the second first
    // would turn 23:59:59.7 into the next day.
    DateParts p;
    if (!DateOfValue(value, p.year, p.month, p.day)) return {};
    char text[10];
    char* out = writeTwoDigits(text, p.month);
    *out++ = '/';
    out = writeTwoDigits(out, p.day);
    *out++ = '/';
    out = writeTwoDigits(out, p.year / 100);
    writeTwoDigits(out, p.year % 100);
    return std::string(text, sizeof text);
}

std::string IsoDayText(std::int32_t serial) {
    int year = 0, month = 0, day = 0;
    CivilFromSerial(serial, year, month, day);
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
    return text;
}

}  // namespace modAgeCalc
