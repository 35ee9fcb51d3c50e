#include <limits>
#include <string_view>

#include "age/AgeCalc.h"
#include "age/TextBuffer.h"

namespace modAgeCalc {

namespace {

// The figures of one call. All stay 0 when either date does not read as a date.
struct Figures {
    std::int32_t months = 0;  // month boundaries crossed, M
    std::int32_t days = 0;    // midnights crossed, D, after the borrow from the hours
    std::int32_t hours = 0;   // 0 to 23 after the borrow
    std::int32_t minutes = 0;
    std::int32_t seconds = 0;
    std::int32_t dayOfMonthDiff = 0;  // day of month of the to-date less that of the from-date
    std::int32_t fromMonthLength = 0;
};

// The totals of layouts 0 and 1 are 32-bit signed figures. They are computed in 64 bits
// and a total outside the 32-bit range is an overflow: the layout gives the empty text
// instead of a wrapped number. Only the total is judged, so a span of exactly -2^31
// seconds still shows although a 32-bit intermediate product would not hold it.
bool fitsInt32(std::int64_t value) {
    return value >= std::numeric_limits<std::int32_t>::min() &&
           value <= std::numeric_limits<std::int32_t>::max();
}

// Calendar boundaries crossed, then the clock fields balanced so that D, h, n and s
// together are the exact elapsed time with h, n and s never negative.
Figures figuresBetween(const DateParts& from, const DateParts& to) {
    Figures f;
    f.months = (to.year * 12 + to.month) - (from.year * 12 + from.month);
    f.days = SerialFromCivil(to.year, to.month, to.day) -
             SerialFromCivil(from.year, from.month, from.day);
    f.hours = to.hour - from.hour;
    f.minutes = to.minute - from.minute;
    f.seconds = to.second - from.second;
    if (f.seconds < 0) {
        --f.minutes;
        f.seconds += 60;
    }
    if (f.minutes < 0) {
        --f.hours;
        f.minutes += 60;
    }
    if (f.hours < 0) {
        --f.days;
        f.hours += 24;
    }
    f.dayOfMonthDiff = to.day - from.day;
    f.fromMonthLength = DaysInMonthOf(from.year, from.month);
    return f;
}

Figures readFigures(const std::string& fromDate, const std::string& toDate) {
    DateParts from, to;
    if (!ParseDateParts(fromDate, from) || !ParseDateParts(toDate, to)) return {};
    return figuresBetween(from, to);
}

// "<count> <word>" with the word's plural "s" for every count but 1.
void appendCount(TextBuffer& text, std::int64_t count, std::string_view word) {
    text.appendPlain(count);
    text.append(' ');
    text.append(word);
    if (count != 1) text.append('s');
}

std::int64_t wholeHours(const Figures& f) {
    return std::int64_t{f.days} * 24 + f.hours;
}

std::int64_t wholeMinutes(const Figures& f) {
    return wholeHours(f) * 60 + f.minutes;
}

// Layout 3 and 4 show the hours of a positive span as one total, past 24.
std::int64_t clockHours(const Figures& f) {
    return f.days > 0 ? wholeHours(f) : f.hours;
}

bool totalSeconds(const Figures& f, TextBuffer& text) {
    const std::int64_t seconds = wholeMinutes(f) * 60 + f.seconds;
    if (!fitsInt32(seconds)) return false;
    text.appendFourDecimals(static_cast<double>(seconds));
    return true;
}

bool totalMinutes(const Figures& f, TextBuffer& text) {
    const std::int64_t minutes = wholeMinutes(f);
    if (!fitsInt32(minutes)) return false;
    text.appendFourDecimals(static_cast<double>(minutes) + f.seconds / 60.0);
    return true;
}

// Whole hours never leave the 32-bit range: the date range spans fewer than 88 million.
void totalHours(const Figures& f, TextBuffer& text) {
    text.appendFourDecimals(static_cast<double>(wholeHours(f)) + f.minutes / 60.0 +
                            f.seconds / 60.0 / 60.0);
}

void hoursMinutes(const Figures& f, TextBuffer& text) {
    text.appendPlain(clockHours(f));
    text.append(':');
    text.appendTwoDigits(f.minutes);
}

void hoursMinutesSeconds(const Figures& f, TextBuffer& text) {
    text.appendTwoDigits(clockHours(f));
    text.append(':');
    text.appendTwoDigits(f.minutes);
    text.append('.');
    text.appendTwoDigits(f.seconds);
}

void daysAndClock(const Figures& f, TextBuffer& text) {
    text.appendPlain(f.days);
    text.append(' ');
    text.appendTwoDigits(f.hours);
    text.append(':');
    text.appendTwoDigits(f.minutes);
    text.append('.');
    text.appendTwoDigits(f.seconds);
}

void daysAndUnits(const Figures& f, TextBuffer& text) {
    text.appendPlain(f.days);
    text.append("d ");
    text.appendPlain(f.hours);
    text.append("h ");
    text.appendPlain(f.minutes);
    text.append("m ");
    text.appendTwoDigits(f.seconds);
    text.append('s');
}

// Days and hours appear only when not 0 and end in ", "; minutes and seconds always
// appear. The minute item ends in a blank whether singular or plural ("1 Minute 1
// Second", like "5 Minutes 1 Second"): the seconds belong to the minutes without a comma.
void spelledOut(const Figures& f, TextBuffer& text) {
    if (f.days != 0) {
        appendCount(text, f.days, "Day");
        text.append(", ");
    }
    if (f.hours != 0) {
        appendCount(text, f.hours, "Hour");
        text.append(", ");
    }
    appendCount(text, f.minutes, "Minute");
    text.append(' ');
    appendCount(text, f.seconds, "Second");
}

void monthCount(const Figures& f, TextBuffer& text) {
    text.appendPlain(f.months);
    text.append(" Months");
}

// Whole years, the months since the last anniversary and the days since the last
// month-day. Missing days are borrowed from the from-date's month, as a person born on
// the 31st has a monthly anniversary on the 1st of a following short month.
void age(const Figures& f, TextBuffer& text) {
    std::int32_t months = f.months;
    std::int32_t days = f.dayOfMonthDiff;
    if (days < 0) {
        days += f.fromMonthLength;
        --months;
    }
    // A from-date later than the to-date counts its months without years.
    const std::int32_t years = months >= 0 ? months / 12 : 0;
    const std::int32_t monthsLeft = months >= 0 ? months % 12 : -months;
    if (years > 0) appendCount(text, years, "Year");
    if (monthsLeft > 0) {
        if (!text.empty()) text.append(", ");
        appendCount(text, monthsLeft, "Month");
    }
    if (text.empty()) {
        appendCount(text, days, "Day");
    } else if (days > 0) {
        text.append(", ");
        appendCount(text, days, "Day");
    }
}

bool writeLayout(const Figures& f, std::int16_t layout, TextBuffer& text) {
    switch (layout) {
        case 0:
            return totalSeconds(f, text);
        case 1:
            return totalMinutes(f, text);
        case 2:
            totalHours(f, text);
            return true;
        case 3:
            hoursMinutes(f, text);
            return true;
        case 4:
            hoursMinutesSeconds(f, text);
            return true;
        case 5:
            daysAndClock(f, text);
            return true;
        case 6:
            daysAndUnits(f, text);
            return true;
        case 7:
            spelledOut(f, text);
            return true;
        case 8:
            monthCount(f, text);
            return true;
        case 9:
            age(f, text);
            return true;
        default:
            return false;
    }
}

}  // namespace

std::string AgeText(const std::string& fromDate, std::string& toDate, std::int16_t layout) {
    if (IsBlankDate(toDate)) toDate = TodayText();
    if (layout < 0 || layout > 9) return {};
    TextBuffer text;
    if (!writeLayout(readFigures(fromDate, toDate), layout, text)) return {};
    return text.str();
}

}  // namespace modAgeCalc
