#include <chrono>

#include "age/DateValue.h"
#include "exchange/ContentLine.h"
#include "exchange/DateForms.h"
#include "exchange/Exchange.h"

namespace exchange {

namespace {

constexpr double kUnixEpoch = 25569;  // 01/01/1970 as a date-time value

double utcNow() {
    const auto since = std::chrono::system_clock::now().time_since_epoch();
    return kUnixEpoch + std::chrono::duration<double>(since).count() / 86400.0;
}

void appendEvent(std::string& out, const ExportPerson& person, const std::string& stamp) {
    modAgeCalc::DateParts p;
    if (!modAgeCalc::FromDateValue(person.birth, p)) return;  // no date, no event
    const std::int32_t day = modAgeCalc::SerialFromCivil(p.year, p.month, p.day);
    out += "BEGIN:VEVENT\r\n";
    AppendFolded(out, "UID:marrowtide-birthday-" + std::to_string(person.key));
    out += "DTSTAMP:" + stamp + "Z\r\n";
    out += "DTSTART;VALUE=DATE:" + BasicDate(day, false) + "\r\n";
    out += "DTEND;VALUE=DATE:" + BasicDate(day + 1, false) + "\r\n";
    // A yearly rule on 29 February would skip three years in four; the last day of
    // February is the birthday every year and still 29 February in leap years.
    out += p.month == 2 && p.day == 29 ? "RRULE:FREQ=YEARLY;BYMONTH=2;BYMONTHDAY=-1\r\n"
                                       : "RRULE:FREQ=YEARLY\r\n";
    AppendFolded(out, "SUMMARY:" + EscapeText(person.name + "'s birthday"));
    out += "DESCRIPTION:Born in " + std::to_string(p.year) + "\r\n";
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
    for (const ExportPerson& person : people) appendEvent(out, person, stamp);
    out += "END:VCALENDAR\r\n";
    return out;
}

}  // namespace exchange
