#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "age/YearlessBirth.h"

// Reading and writing people in the file formats other programs use: CSV, vCard and
// iCalendar. Everything here works on UTF-8 text in memory and needs no window and no
// database; what to do with the records (skip rules, duplicates, storing) is the
// importer's business.
namespace exchange {

enum class Format { Csv, VCard, ICalendar };

// One person as read from a file.
struct ImportRecord {
    std::string name;      // "" when the record names nobody
    double birth = 0;      // date-time value (days from 12/30/1899); valid only when `problem` is ""
    std::string comments;  // as in the file, "" when there are none
    std::string where;     // where it stands, for messages: "line 12" (CSV) or "card 3" (vCard)
    std::string problem;   // why the birth cannot be used ("02/30/2001 is no date", "no
                           // birthday", ...); "" when the birth is a full date or a birthday
                           // without a year
    // Set, and `birth` meaningless, when the birthday is known without its year.
    modAgeCalc::YearlessBirth yearless;
};

// Something the user should look at in a file that was read all the same.
struct ReadNotice {
    std::string where;  // "line 12"
    std::string text;   // "card 3 has no END:VCARD; it was read up to ..."
};

// The records of one file, or why the whole file was refused (`error` not empty, for the
// user: for example a CSV header without any name column, naming the columns understood).
struct ReadResult {
    std::vector<ImportRecord> records;
    std::vector<ReadNotice> notices;
    std::string error;
};

// One person to write.
struct ExportPerson {
    std::int32_t key = 0;
    std::string name;
    double birth = 0;  // date-time value
    std::string comments;
    // Set, and `birth` meaningless, when the birthday is known without its year.
    modAgeCalc::YearlessBirth yearless;
};

// The format of a file from its content, else from its name's extension (.csv, .vcf,
// .vcard, .ics); nothing when neither tells.
std::optional<Format> DetectFormat(std::string_view bytes, std::string_view fileName);

// The readers take the file's bytes as they are: UTF-8 with or without a byte-order mark,
// or UTF-16 with one. A file holding one valid multi-byte UTF-8 sequence is UTF-8, and a
// record in it with bytes that are not is skipped; any other file that is not valid
// UTF-8 is Windows-1252.
ReadResult ReadCsv(std::string_view bytes);
ReadResult ReadVCard(std::string_view bytes);

// The writers give the whole file's bytes. A birthday without a year is written as
// vCard writes it (BDAY:--MMDD) and in CSV as the program stores it ('--MM-DD, guarded
// like every cell beginning with "-"); in the calendar its yearly event starts on the
// next birthday from today (platform::Now).
std::string WriteCsv(const std::vector<ExportPerson>& people);
std::string WriteVCard(const std::vector<ExportPerson>& people);
std::string WriteICalendar(const std::vector<ExportPerson>& people);

// WriteICalendar with the moment of writing (DTSTAMP) given as a date-time value in UTC,
// for output that does not depend on the clock.
std::string WriteICalendar(const std::vector<ExportPerson>& people, double stampUtc);

}  // namespace exchange
