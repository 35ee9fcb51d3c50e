#include "age/DateText.h"

#include <cstddef>

namespace modAgeCalc {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads an unsigned number of minDigits to maxDigits digits at `pos`. A longer run of
// digits is left for the caller to refuse: every number is followed by a separator or
// the end, so "123/1/2000" is no date.
bool readNumber(std::string_view text, std::size_t& pos, int minDigits, int maxDigits,
                int& number) {
    int digits = 0;
    int value = 0;
    while (pos < text.size() && isDigit(text[pos]) && digits < maxDigits) {
        value = value * 10 + (text[pos] - '0');
        ++pos;
        ++digits;
    }
    if (digits < minDigits) return false;
    number = value;
    return true;
}

bool readChar(std::string_view text, std::size_t& pos, char expected) {
    if (pos >= text.size() || text[pos] != expected) return false;
    ++pos;
    return true;
}

char upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// Reads "AM" or "PM" (any case); `afternoon` tells which.
bool readMeridiem(std::string_view text, std::size_t& pos, bool& afternoon) {
    if (pos + 2 > text.size() || upper(text[pos + 1]) != 'M') return false;
    const char first = upper(text[pos]);
    if (first != 'A' && first != 'P') return false;
    afternoon = first == 'P';
    pos += 2;
    return true;
}

// 12 AM is midnight and 12 PM noon; other hours of the 12-hour clock move by 12 after noon.
bool toDayHour(int clockHour, bool afternoon, int& hour) {
    if (clockHour < 1 || clockHour > 12) return false;
    hour = clockHour % 12 + (afternoon ? 12 : 0);
    return true;
}

bool readTime(std::string_view text, std::size_t& pos, DateParts& p) {
    int hour = 0;
    if (!readNumber(text, pos, 1, 2, hour) || !readChar(text, pos, ':') ||
        !readNumber(text, pos, 2, 2, p.minute))
        return false;
    if (pos < text.size() && text[pos] == ':') {
        ++pos;
        if (!readNumber(text, pos, 2, 2, p.second)) return false;
    }
    if (pos == text.size()) {
        p.hour = hour;
        return true;
    }
    bool afternoon = false;
    return readChar(text, pos, ' ') && readMeridiem(text, pos, afternoon) &&
           toDayHour(hour, afternoon, p.hour);
}

char* writeTwoDigits(char* out, int value) {
    out[0] = static_cast<char>('0' + value / 10);
    out[1] = static_cast<char>('0' + value % 10);
    return out + 2;
}

}  // namespace

bool ParseDateParts(std::string_view text, DateParts& parts) {
    DateParts p;
    std::size_t pos = 0;
    if (!readNumber(text, pos, 1, 2, p.month) || !readChar(text, pos, '/') ||
        !readNumber(text, pos, 1, 2, p.day) || !readChar(text, pos, '/') ||
        !readNumber(text, pos, 4, 4, p.year))
        return false;
    if (pos < text.size() && !(readChar(text, pos, ' ') && readTime(text, pos, p))) return false;
    if (pos != text.size() || !IsValidDateParts(p)) return false;
    parts = p;
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

}  // namespace modAgeCalc
