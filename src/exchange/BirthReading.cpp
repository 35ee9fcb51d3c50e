#include "exchange/BirthReading.h"

#include "age/DateText.h"
#include "age/DateValue.h"
#include "exchange/AsciiText.h"
#include "platform/Translate.h"

namespace exchange {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads exactly `count` digits at the front of `s`.
bool takeDigits(std::string_view& s, int count, int& out) {
    if (s.size() < static_cast<std::size_t>(count)) return false;
    out = 0;
    for (int i = 0; i < count; ++i) {
        if (!isDigit(s[i])) return false;
        out = out * 10 + (s[i] - '0');
    }
    s.remove_prefix(count);
    return true;
}

bool takeChar(std::string_view& s, char c) {
    if (s.empty() || s.front() != c) return false;
    s.remove_prefix(1);
    return true;
}

// HH:MM[:SS] or HHMM[SS], then a fraction of a second and a zone, both passed over:
// the time of day is kept as written, so the date never moves with a zone.
bool takeTime(std::string_view& s, modAgeCalc::DateParts& p) {
    if (!takeDigits(s, 2, p.hour)) return false;
    const bool colon = takeChar(s, ':');
    if (!takeDigits(s, 2, p.minute)) return false;
    if ((colon ? takeChar(s, ':') : !s.empty() && isDigit(s.front())) &&
        !takeDigits(s, 2, p.second))
        return false;
    if (takeChar(s, '.') || takeChar(s, ',')) {
        if (s.empty() || !isDigit(s.front())) return false;
        while (!s.empty() && isDigit(s.front())) s.remove_prefix(1);
    }
    if (takeChar(s, 'Z') || takeChar(s, 'z')) return true;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        s.remove_prefix(1);
        int zone = 0;
        if (!takeDigits(s, 2, zone)) return false;
        takeChar(s, ':');
        if (!s.empty() && !takeDigits(s, 2, zone)) return false;
    }
    return true;
}

// The year of a birthday written without one.
constexpr int kNoYear = -1;

// Years that stand for an unknown year: 1604 is what phones write (a leap year, so that
// 29 February fits), 0000 what other address books write; neither is a birth year the
// program can hold.
bool isPlaceholderYear(int year, std::optional<int> omittedYear) {
    return year == 0 || year == 1604 || (omittedYear && year == *omittedYear);
}

enum class Shape { NoDate, Date, NoMonth, NoDay };

// MM-DD or MMDD at the front of `s`, then an optional time of day; nothing after it.
Shape readMonthDay(std::string_view s, modAgeCalc::DateParts& p, bool dashes) {
    if (!takeDigits(s, 2, p.month)) return Shape::NoDate;
    if (dashes && !takeChar(s, '-')) return Shape::NoDate;
    if (!takeDigits(s, 2, p.day)) return Shape::NoDate;
    if (!s.empty() && (s.front() == 'T' || s.front() == 't' || s.front() == ' ')) {
        s.remove_prefix(1);
        if (!takeTime(s, p)) return Shape::NoDate;
    }
    return s.empty() ? Shape::Date : Shape::NoDate;
}

// The ISO and basic forms, and the year-less --MM-DD and --MMDD; --MM (no day) and ---DD
// (no month) are told apart so that the reason says what is missing.
Shape readIso(std::string_view s, modAgeCalc::DateParts& p) {
    if (s.starts_with("---")) {
        s.remove_prefix(3);
        return takeDigits(s, 2, p.day) && s.empty() ? Shape::NoMonth : Shape::NoDate;
    }
    if (s.starts_with("--")) {
        p.year = kNoYear;
        const std::string_view monthDay = s.substr(2);
        if (monthDay.size() == 2 && isDigit(monthDay[0]) && isDigit(monthDay[1]))
            return Shape::NoDay;
        return readMonthDay(monthDay, p, monthDay.size() > 2 && monthDay[2] == '-');
    }
    if (!takeDigits(s, 4, p.year)) return Shape::NoDate;
    const bool dashes = takeChar(s, '-');
    return readMonthDay(s, p, dashes);
}

// M/D/YYYY (with the program's time forms), and M/D without a year.
Shape readSlashed(std::string_view s, modAgeCalc::DateParts& p, std::optional<int> omittedYear) {
    const std::size_t first = s.find('/');
    const std::size_t second = s.find('/', first + 1);
    if (second == std::string_view::npos) {
        p.year = kNoYear;
        return ReadDigits(s.substr(0, first), 2, p.month) &&
                       ReadDigits(s.substr(first + 1), 2, p.day)
                   ? Shape::Date
                   : Shape::NoDate;
    }
    // A placeholder year is read as a leap year, so that 2/29/1604 is 29 February and
    // 2/30/1604 still no date; the year is put back after.
    std::string_view rest = s.substr(second + 1);
    int year = 0;
    if (takeDigits(rest, 4, year) && (rest.empty() || rest.front() == ' ') &&
        isPlaceholderYear(year, omittedYear)) {
        std::string leap(s);
        leap.replace(second + 1, 4, "2000");
        if (!modAgeCalc::ParseDateParts(leap, p)) return Shape::NoDate;
        p.year = year;
        return Shape::Date;
    }
    return modAgeCalc::ParseDateParts(s, p) ? Shape::Date : Shape::NoDate;
}

bool allZero(std::string_view s) {
    bool digit = false;
    for (const char c : s) {
        if (c != '0' && c != '/' && c != '-' && c != '.' && c != ' ') return false;
        digit = digit || c == '0';
    }
    return digit;
}

BirthReading problem(std::string text) {
    return {0, std::move(text), {}};
}

// The text as a message quotes it: a long one is cut (at a character's start) so that
// a line of garbage does not become a line of the report as long.
std::string quoted(std::string_view text) {
    constexpr std::size_t kLongest = 40;
    if (text.size() <= kLongest) return std::string(text);
    std::size_t end = kLongest;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    return std::string(text.substr(0, end)) + "...";
}

BirthReading noDate(std::string_view text) {
    return problem(
        platform::Filled(platform::Translate("exchange", "%1 is no date"), {quoted(text)}));
}

BirthReading noBirthday() {
    return problem(platform::Translate("exchange", "no birthday"));
}

BirthReading noMonth() {
    return problem(platform::Translate("exchange", "the birthday has no month"));
}

BirthReading noDay() {
    return problem(platform::Translate("exchange", "the birthday has no day"));
}

BirthReading fromParts(const modAgeCalc::DateParts& p, std::string_view text,
                       std::optional<int> omittedYear) {
    if (p.year == kNoYear || isPlaceholderYear(p.year, omittedYear)) {
        const modAgeCalc::YearlessBirth yearless{p.month, p.day, p.hour, p.minute, p.second};
        if (!modAgeCalc::IsValidYearless(yearless)) return noDate(text);
        return {0, "", yearless};
    }
    if (!modAgeCalc::IsValidDateParts(p)) return noDate(text);
    return {modAgeCalc::ToDateValue(p), "", {}};
}

}  // namespace

BirthReading ReadBirthText(std::string_view text, std::optional<int> omittedYear) {
    text = Trimmed(text);
    if (text.empty() || allZero(text)) return noBirthday();
    modAgeCalc::DateParts p;
    const Shape shape = text.find('/') != std::string_view::npos ? readSlashed(text, p, omittedYear)
                                                                 : readIso(text, p);
    if (shape == Shape::NoMonth) return noMonth();
    if (shape == Shape::NoDay) return noDay();
    if (shape == Shape::NoDate) return noDate(text);
    return fromParts(p, text, omittedYear);
}

BirthReading ReadBirthParts(std::string_view year, std::string_view month, std::string_view day) {
    year = Trimmed(year), month = Trimmed(month), day = Trimmed(day);
    if (year.empty() && month.empty() && day.empty()) return noBirthday();
    if (year.empty() && month.empty()) return noMonth();
    if (year.empty() && day.empty()) return noDay();
    const std::string text =
        std::string(year.empty() ? "-" : year) + "-" + std::string(month) + "-" + std::string(day);
    if (month.empty() || day.empty()) return noDate(text);
    modAgeCalc::DateParts p;
    const auto number = [](std::string_view s, int& out) { return ReadDigits(s, 4, out); };
    if (year.empty())
        p.year = kNoYear;
    else if (!number(year, p.year))
        return noDate(text);
    if (!number(month, p.month) || !number(day, p.day)) return noDate(text);
    return fromParts(p, text, std::nullopt);
}

}  // namespace exchange
