// The whole import rule on any bytes, without a database: the format found, the file
// read, and each record stored or skipped with its reason, as ImportFile does it.
#include <cmath>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "exchange/AsciiText.h"
#include "exchange/TextEncoding.h"
#include "transfer/IdentitySet.h"
#include "transfer/Importer.h"

namespace {

constexpr std::string_view kFile = "fuzz.csv";  // vCard content is found by its first line

// Every record is stored or skipped, each skip with a reason at a place inside the file,
// and no two people stored are the same person.
void CheckChoice(const std::vector<store::Person>& people,
                 const std::vector<transfer::SkippedRecord>& skipped, std::size_t records,
                 long lines) {
    fuzz::Require(people.size() + skipped.size() == records,
                  "each record is stored or skipped, once");
    for (const transfer::SkippedRecord& skip : skipped) {
        fuzz::Require(!skip.reason.empty(), "a skip has its reason", skip.where);
        const std::string_view where = skip.where;
        const long card = fuzz::NumberAfter(where, std::string(kFile) + ", card ");
        if (card < 0)
            fuzz::RequireLineInside(where, std::string(kFile) + ", ", lines);
        else
            fuzz::Require(card >= 1 && card <= lines, "a card lies inside the file", where);
    }
    transfer::IdentitySet identities(people.size());
    for (const store::Person& person : people) {
        fuzz::Require(!exchange::IsBlank(person.name) && fuzz::IsCleanText(person.name) &&
                          fuzz::IsCleanText(person.comments),
                      "a person stored has a name, and clean texts", person.name);
        const auto id = person.yearless.IsSet() ? identities.Of(person.name, person.yearless)
                                                : identities.Of(person.name, person.birth);
        fuzz::Require(id.has_value(),
                      "a person stored has a birth in the calendar or a birthday without a year",
                      person.name);
        fuzz::Require(!person.yearless.IsSet() || (std::isnan(person.birth) &&
                                                   modAgeCalc::IsValidYearless(person.yearless)),
                      "a birthday without a year is a real day and no date", person.name);
        fuzz::Require(identities.Insert(*id), "a file adds each person once", person.name);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = fuzz::BytesOf(data, size);
    exchange::ReadResult read;
    std::string error;
    if (!transfer::ReadImportRecords(bytes, std::string(kFile), read, error)) {
        fuzz::Require(!error.empty(), "a refused file says why");
        return 0;
    }
    std::string converted;
    const long lines = fuzz::LineCount(exchange::FileText(bytes, converted));
    const std::vector<exchange::ImportRecord> records = read.records;
    std::vector<transfer::SkippedRecord> skipped;
    const std::vector<store::Person> people =
        transfer::ChooseNew(read.records, {}, std::string(kFile), skipped);
    CheckChoice(people, skipped, records.size(), lines);

    transfer::ImportResult result;
    transfer::AddNotices(result, read.notices, std::string(kFile));
    for (const transfer::SkippedRecord& notice : result.notices)
        fuzz::RequireLineInside(notice.where, std::string(kFile) + ", ", lines);

    // Importing the same file again adds nobody: each person stored before is met again.
    std::vector<exchange::ImportRecord> again = records;
    std::vector<transfer::SkippedRecord> skippedAgain;
    fuzz::Require(transfer::ChooseNew(again, people, std::string(kFile), skippedAgain).empty(),
                  "a file imported twice adds nobody the second time");
    return 0;
}
