// The date texts the window and the companion read, on any text: the month-first date
// of the editor and the list, the ISO day of the command line, the births of imported
// files (whole or as year, month and day) and the birthday without a year.
#include <string>

#include "FuzzCheck.h"
#include "age/DateText.h"
#include "age/YearlessBirth.h"
#include "exchange/BirthReading.h"
#include "exchange/DateForms.h"

namespace {

// A date read month first is a real date whose own text reads back to the same day.
void CheckMonthFirst(std::string_view text) {
    modAgeCalc::DateParts parts;
    const bool read = modAgeCalc::ParseDateParts(text, parts);
    double value = 0;
    fuzz::Require(modAgeCalc::ParseDateText(text, value) == read,
                  "the date text reads the same into fields and into a value", text);
    if (!read) return;
    fuzz::Require(modAgeCalc::IsValidDateParts(parts), "a date read is a real date", text);
    const std::string shown = modAgeCalc::FormatDateText(value);
    modAgeCalc::DateParts again;
    fuzz::Require(modAgeCalc::ParseDateParts(shown, again) && again.year == parts.year &&
                      again.month == parts.month && again.day == parts.day,
                  "the text shown for a date reads back to it", shown);
}

// The ISO day is exactly "YYYY-MM-DD": what reads is the text written for that day.
void CheckIsoDay(std::string_view text) {
    std::int32_t serial = 0;
    if (!modAgeCalc::ParseIsoDay(text, serial)) return;
    fuzz::Require(serial >= modAgeCalc::kMinSerial && serial <= modAgeCalc::kMaxSerial,
                  "an ISO day lies in the calendar", text);
    fuzz::Require(modAgeCalc::IsoDayText(serial) == text, "an ISO day is written as it was read", text);
}

void CheckReading(const exchange::BirthReading& birth, std::string_view text) {
    if (!birth.problem.empty()) return;
    if (birth.yearless.IsSet()) {
        fuzz::Require(modAgeCalc::IsValidYearless(birth.yearless),
                      "a birthday read without a year is a real day", text);
        const std::string written = modAgeCalc::YearlessToText(birth.yearless);
        const exchange::BirthReading again = exchange::ReadBirthText(written);
        fuzz::Require(again.problem.empty() && again.yearless == birth.yearless,
                      "the text stored for a birthday without a year reads back to it", written);
        return;
    }
    fuzz::Require(fuzz::IsCalendarValue(birth.value), "a birth read lies in the calendar", text);
    const std::string written = exchange::IsoDateTime(birth.value);
    const exchange::BirthReading again = exchange::ReadBirthText(written);
    fuzz::Require(again.problem.empty() && exchange::IsoDateTime(again.value) == written,
                  "the text written for a birth reads back to it", written);
}

// An imported birth, whole, and as year, month and day split at the first two line breaks.
void CheckImportedBirth(std::string_view text) {
    CheckReading(exchange::ReadBirthText(text), text);
    const std::size_t first = text.find('\n');
    const std::size_t second = first == std::string_view::npos ? first : text.find('\n', first + 1);
    if (second == std::string_view::npos) return;
    CheckReading(exchange::ReadBirthParts(text.substr(0, first),
                                          text.substr(first + 1, second - first - 1),
                                          text.substr(second + 1)),
                 text);
}

void CheckYearless(std::string_view text) {
    const std::optional<modAgeCalc::YearlessBirth> birth = modAgeCalc::YearlessFromText(text);
    if (!birth) return;
    fuzz::Require(modAgeCalc::IsValidYearless(*birth), "a birthday read is a real day", text);
    const std::string written = modAgeCalc::YearlessToText(*birth);
    fuzz::Require(modAgeCalc::YearlessFromText(written) == birth,
                  "the text written for a birthday reads back to it", written);
    // 29 February falls on 28 February in common years; every other day stays.
    for (const int year : {2023, 2024}) {
        int y = 0, month = 0, day = 0;
        modAgeCalc::CivilFromSerial(modAgeCalc::YearlessDayIn(*birth, year), y, month, day);
        const int expected = modAgeCalc::DaysInMonthOf(year, birth->month) < birth->day
                                 ? birth->day - 1
                                 : birth->day;
        fuzz::Require(y == year && month == birth->month && day == expected,
                      "a birthday falls on its day in every year", written);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::BytesOf(data, size);
    CheckMonthFirst(text);
    CheckIsoDay(text);
    CheckImportedBirth(text);
    CheckYearless(text);
    return 0;
}
