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

enum class Shape { NoDate, Date, NoYear };

// The ISO and basic forms; NoYear for --MM-DD, --MMDD and ---DD.
Shape readIso(std::string_view s, modAgeCalc::DateParts& p) {
    if (s.starts_with("--"))
        return s.find_first_not_of("-0123456789") == std::string_view::npos ? Shape::NoYear
                                                                            : Shape::NoDate;
    if (!takeDigits(s, 4, p.year)) return Shape::NoDate;
    const bool dashes = takeChar(s, '-');
    if (!takeDigits(s, 2, p.month)) return Shape::NoDate;
    if (dashes && !takeChar(s, '-')) return Shape::NoDate;
    if (!takeDigits(s, 2, p.day)) return Shape::NoDate;
    if (!s.empty() && (s.front() == 'T' || s.front() == 't' || s.front() == ' ')) {
        s.remove_prefix(1);
        if (!takeTime(s, p)) return Shape::NoDate;
    }
    return s.empty() ? Shape::Date : Shape::NoDate;
}

// M/D/YYYY (with the program's time forms), and M/D without a year.
Shape readSlashed(std::string_view s, modAgeCalc::DateParts& p) {
    const std::size_t first = s.find('/');
    const std::size_t second = s.find('/', first + 1);
    if (second == std::string_view::npos) {
        for (const char c : s)
            if (!isDigit(c) && c != '/') return Shape::NoDate;
        return Shape::NoYear;
    }
    // The year alone decides whether the date is a placeholder, before the date is
    // checked: 2/30/1604 is a year-less birthday, not an impossible date.
    std::string_view rest = s.substr(second + 1);
    if (takeDigits(rest, 4, p.year) && (rest.empty() || rest.front() == ' ') &&
        (p.year == 0 || p.year == 1604))
        return Shape::Date;
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
    return {0, std::move(text)};
}

BirthReading noDate(std::string_view text) {
    return problem(platform::Filled(platform::Translate("exchange", "%1 is no date"), {text}));
}

BirthReading noBirthday() {
    return problem(platform::Translate("exchange", "no birthday"));
}

BirthReading fromParts(const modAgeCalc::DateParts& p, std::string_view text) {
    if (p.year == 0 || p.year == 1604)
        return problem(platform::Filled(
            platform::Translate("exchange",
                                "the birthday has no year (%1 stands for an unknown year)"),
            {p.year == 0 ? "0000" : "1604"}));
    if (!modAgeCalc::IsValidDateParts(p)) return noDate(text);
    return {modAgeCalc::ToDateValue(p), ""};
}

}  // namespace

std::string NoYearProblem() {
    return platform::Translate("exchange", "the birthday has no year");
}

BirthReading ReadBirthText(std::string_view text) {
    text = Trimmed(text);
    if (text.empty() || allZero(text)) return noBirthday();
    modAgeCalc::DateParts p;
    const Shape shape =
        text.find('/') != std::string_view::npos ? readSlashed(text, p) : readIso(text, p);
    if (shape == Shape::NoYear) return problem(NoYearProblem());
    if (shape == Shape::NoDate) return noDate(text);
    return fromParts(p, text);
}

BirthReading ReadBirthParts(std::string_view year, std::string_view month, std::string_view day) {
    year = Trimmed(year), month = Trimmed(month), day = Trimmed(day);
    if (year.empty() && month.empty() && day.empty()) return noBirthday();
    if (year.empty()) return problem(NoYearProblem());
    const std::string text = std::string(year) + "-" + std::string(month) + "-" + std::string(day);
    if (month.empty() || day.empty()) return noDate(text);
    modAgeCalc::DateParts p;
    auto number = [](std::string_view s, int& out) {
        if (s.empty() || s.size() > 4) return false;
        out = 0;
        for (const char c : s) {
            if (!isDigit(c)) return false;
            out = out * 10 + (c - '0');
        }
        return true;
    };
    if (!number(year, p.year) || !number(month, p.month) || !number(day, p.day))
        return noDate(text);
    return fromParts(p, text);
}

}  // namespace exchange
