#include <chrono>
#include <optional>

#include "age/DateValue.h"
#include "exchange/ContentLine.h"
#include "exchange/DateForms.h"
#include "exchange/Exchange.h"
#include "platform/Clock.h"

namespace exchange {

namespace {

constexpr double kUnixEpoch = 25569;  // 01/01/1970 as a date-time value

double utcNow() {
    const auto since = std::chrono::system_clock::now().time_since_epoch();
    return kUnixEpoch + std::chrono::duration<double>(since).count() / 86400.0;
}

// The first day of the event and whether it falls on the last day of February every
// year; nothing when the person has no birthday to put in a calendar.
struct EventStart {
    std::int32_t day = 0;
    bool endOfFebruary = false;
};

// A birth with a year starts its event on the birth day itself.
std::optional<EventStart> StartOfDated(double birth) {
    modAgeCalc::DateParts p;
    if (!modAgeCalc::FromDateValue(birth, p)) return std::nullopt;
    return EventStart{modAgeCalc::SerialFromCivil(p.year, p.month, p.day),
                      p.month == 2 && p.day == 29};
}

// A birthday without a year has no first day to start from; its event starts on the
// next birthday, today's included.
std::optional<EventStart> StartOfYearless(const modAgeCalc::YearlessBirth& b,
                                          const platform::DateParts& now) {
    if (!modAgeCalc::IsValidYearless(b)) return std::nullopt;
    const std::int32_t today = modAgeCalc::SerialFromCivil(now.year, now.month, now.day);
    std::int32_t day = modAgeCalc::YearlessDayIn(b, now.year);
    if (day < today) day = modAgeCalc::YearlessDayIn(b, now.year + 1);
    return EventStart{day, b.month == 2 && b.day == 29};
}

void appendEvent(std::string& out, const ExportPerson& person, const std::string& stamp,
                 const platform::DateParts& now) {
    const std::optional<EventStart> start = person.yearless.IsSet()
                                                ? StartOfYearless(person.yearless, now)
                                                : StartOfDated(person.birth);
    if (!start) return;  // no date, no event
    out += "BEGIN:VEVENT\r\n";
    AppendFolded(out, "UID:marrowtide-birthday-" + std::to_string(person.key));
    out += "DTSTAMP:" + stamp + "Z\r\n";
    out += "DTSTART;VALUE=DATE:" + BasicDate(start->day, false) + "\r\n";
    out += "DTEND;VALUE=DATE:" + BasicDate(start->day + 1, false) + "\r\n";
    // A yearly rule on 29 February would skip three years in four; the last day of
    // February is the birthday every year, 28 February in common years as everywhere in
    // the program, and still 29 February in leap years.
    out += start->endOfFebruary ? "RRULE:FREQ=YEARLY;BYMONTH=2;BYMONTHDAY=-1\r\n"
                                : "RRULE:FREQ=YEARLY\r\n";
    AppendFolded(out, "SUMMARY:" + EscapeText(person.name + "'s birthday"));
    // Nothing is said of a year nobody knows.
    if (!person.yearless.IsSet()) {
        modAgeCalc::DateParts p;
        modAgeCalc::FromDateValue(person.birth, p);
        out += "DESCRIPTION:Born in " + std::to_string(p.year) + "\r\n";
    }
    out += "TRANSP:TRANSPARENT\r\n";
    out += "END:VEVENT\r\n";
}

}  // namespace

std::string WriteICalendar(const std::vector<ExportPerson>& people) {
    return WriteICalendar(people, utcNow());
}

std::string WriteICalendar(const std::vector<ExportPerson>& people, double stampUtc) {
    const std::string stamp = BasicDate(stampUtc, true);
    std::string out =
        "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Marrowtide//Marrowtide//EN\r\n"
        "CALSCALE:GREGORIAN\r\n";
    out.reserve(people.size() * 300);
    // Today is read once, so that a file written across midnight starts every birthday
    // without a year from the same day.
    const platform::DateParts now = platform::Now();
    for (const ExportPerson& person : people) appendEvent(out, person, stamp, now);
    out += "END:VCALENDAR\r\n";
    return out;
}

}  // namespace exchange
