// A person made from any bytes, written as CSV and as vCard and read back, must come back
// as written: the same name, birth to the second (with its year or without one) and
// comments. The input is a byte that
// picks the kind of birth, eight bytes for the birth, then the name, a NUL byte and the
// comments; bytes that are no UTF-8 are repaired first, as the export does.
#include <cstring>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "age/DateValue.h"
#include "age/YearlessBirth.h"
#include "exchange/AsciiText.h"
#include "exchange/DateForms.h"
#include "exchange/Exchange.h"
#include "exchange/TextEncoding.h"

namespace {

// Phones write 1604 for a birthday whose year they do not know, and the readers take it
// so: a birth in that year never comes back as a full date, and is not made here.
constexpr int kPlaceholderYear = 1604;

// A full date and time of day, anywhere in the calendar but the placeholder year, to
// the second.
void GiveFullBirth(exchange::ExportPerson& person, std::uint64_t bits) {
    constexpr std::int64_t kDays = std::int64_t{modAgeCalc::kMaxSerial} - modAgeCalc::kMinSerial + 1;
    const std::int64_t second = static_cast<std::int64_t>(bits % (kDays * 86400));
    modAgeCalc::DateParts p;
    modAgeCalc::CivilFromSerial(static_cast<std::int32_t>(modAgeCalc::kMinSerial + second / 86400),
                                p.year, p.month, p.day);
    p.hour = static_cast<int>(second % 86400 / 3600);
    p.minute = static_cast<int>(second % 3600 / 60);
    p.second = static_cast<int>(second % 60);
    if (p.year == kPlaceholderYear) p.year += 4;  // a leap year too, so 29 February stays
    person.birth = modAgeCalc::ToDateValue(p);
}

std::string FullBirthText(const exchange::ExportPerson& person) {
    return exchange::IsoDateTime(person.birth);
}

// A birthday without a year: any day of a leap year, 29 February included, and any time
// of day.
void GiveYearlessBirth(exchange::ExportPerson& person, std::uint64_t bits) {
    const int second = static_cast<int>(bits % 86400);
    int year = 0, month = 0, day = 0;
    modAgeCalc::CivilFromSerial(
        modAgeCalc::SerialFromCivil(2000, 1, 1) + static_cast<std::int32_t>(bits / 86400 % 366),
        year, month, day);
    person.yearless = {month, day, second / 3600, second % 3600 / 60, second % 60};
}

std::string YearlessBirthText(const exchange::ExportPerson& person) {
    return modAgeCalc::YearlessToText(person.yearless);
}

// The kinds of birth a person may have, each with the text it must read back as.
struct BirthKind {
    void (*give)(exchange::ExportPerson& person, std::uint64_t bits);
    std::string (*expected)(const exchange::ExportPerson& person);
};
constexpr BirthKind kBirthKinds[] = {{GiveFullBirth, FullBirthText},
                                     {GiveYearlessBirth, YearlessBirthText}};

std::string ReadBirthText(const exchange::ImportRecord& record) {
    if (!record.problem.empty()) return "problem: " + record.problem;
    return record.yearless.IsSet() ? modAgeCalc::YearlessToText(record.yearless)
                                   : exchange::IsoDateTime(record.birth);
}

// vCard has one way to write a line break in a text, "\n", which reads back as LF:
// CRLF and a lone CR come back as LF, in comments and in the rare name that holds one (a
// CSV import can store such a name). A comment of nothing but blanks and line breaks
// comes back empty: the reader leaves out blank NOTE lines, which some programs write
// for "no note". Nothing else may change.
std::string ThroughVCard(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        out += text[i] == '\r' ? '\n' : text[i];
    }
    return out;
}

struct Expected {
    std::string name, birth, comments;
};

void CheckReadBack(const exchange::ReadResult& result, const Expected& expected,
                   std::string_view format) {
    fuzz::Require(result.error.empty() && result.notices.empty() && result.records.size() == 1,
                  "a written file reads back as one person", format);
    const exchange::ImportRecord& record = result.records.front();
    fuzz::Require(record.name == expected.name, "the name comes back", format);
    fuzz::Require(ReadBirthText(record) == expected.birth, "the birth comes back", format);
    fuzz::Require(record.comments == expected.comments, "the comments come back", format);
}

// The writers finish on any bytes, also those the export repairs before writing.
void CheckWritersFinish(std::string_view name, std::string_view comments,
                        const exchange::ExportPerson& person) {
    const std::vector<exchange::ExportPerson> raw = {
        {1, std::string(name), person.birth, std::string(comments), person.yearless}};
    fuzz::Require(exchange::WriteCsv(raw).ends_with("\r\n"), "CSV is written whole");
    fuzz::Require(exchange::WriteVCard(raw).ends_with("END:VCARD\r\n"), "vCard is written whole");
    fuzz::Require(exchange::WriteICalendar(raw, 0).ends_with("END:VCALENDAR\r\n"),
                  "iCalendar is written whole");
}

std::string CleanText(std::string_view bytes) {
    bool replaced = false;
    return exchange::ValidUtf8(bytes, replaced);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes = fuzz::BytesOf(data, size);
    if (bytes.size() < 9) return 0;
    const BirthKind& kind =
        kBirthKinds[static_cast<unsigned char>(bytes[0]) % std::size(kBirthKinds)];
    std::uint64_t bits = 0;
    std::memcpy(&bits, bytes.data() + 1, sizeof bits);
    bytes.remove_prefix(9);
    const std::size_t nul = bytes.find('\0');
    const std::string_view rawName = bytes.substr(0, nul);
    const std::string_view rawComments =
        nul == std::string_view::npos ? std::string_view() : bytes.substr(nul + 1);
    exchange::ExportPerson person;
    person.key = 1;
    person.name = CleanText(rawName);
    person.comments = CleanText(rawComments);
    // Nobody is stored without a name, and a comment holds no NUL byte.
    kind.give(person, bits);
    CheckWritersFinish(rawName, rawComments, person);
    if (exchange::IsBlank(person.name) || person.comments.find('\0') != std::string::npos) return 0;

    // "." is how the store keeps an empty comment.
    const std::string comments = person.comments == "." ? "" : person.comments;
    const std::vector<exchange::ExportPerson> people = {person};
    CheckReadBack(exchange::ReadCsv(exchange::WriteCsv(people)),
                  {person.name, kind.expected(person), comments}, "CSV");
    CheckReadBack(exchange::ReadVCard(exchange::WriteVCard(people)),
                  {ThroughVCard(person.name), kind.expected(person),
                   exchange::IsBlank(comments) ? "" : ThroughVCard(comments)}, "vCard");
    return 0;
}
