#include "transfer/Importer.h"

#include <limits>

#include "exchange/AsciiText.h"
#include "transfer/IdentitySet.h"

namespace transfer {

namespace {

std::string Place(const std::string& fileLabel, const std::string& where) {
    if (where.empty()) return fileLabel;
    if (fileLabel.empty()) return where;
    return fileLabel + ", " + where;
}

// The identity of a stored person or a record, with a year or without one.
std::optional<Identity> IdentityOf(IdentitySet& known, std::string_view name, double birth,
                                   const modAgeCalc::YearlessBirth& yearless) {
    return yearless.IsSet() ? known.Of(name, yearless) : known.Of(name, birth);
}

std::string FailureText(const store::RepositoryError& error, bool readFailed) {
    std::string text = platform::Filled(
        readFailed ? platform::Translate("transfer", "The database could not be read: %1")
                   : platform::Translate("transfer", "The database could not be written: %1"),
        {AsSentence(error.message)});
    if (error.kind == store::RepositoryError::Kind::Busy)
        text += " " + platform::Translate("transfer",
                                          "Another program is changing it; try again in a moment.");
    return text + " " + platform::Translate("transfer", "Nothing was imported.");
}

}  // namespace

std::vector<store::Person> ChooseNew(std::vector<exchange::ImportRecord>& records,
                                     const std::vector<store::Person>& stored,
                                     const std::string& fileLabel,
                                     std::vector<SkippedRecord>& skipped) {
    IdentitySet known(stored.size() + records.size());
    for (const store::Person& person : stored)
        if (const auto id = IdentityOf(known, person.name, person.birth, person.yearless))
            known.Insert(*id);

    // Reserved in full, so the names the set views never move.
    std::vector<store::Person> people;
    people.reserve(records.size());
    for (exchange::ImportRecord& record : records) {
        const auto skip = [&](const std::string& reason, bool alreadyStored = false) {
            skipped.push_back({Place(fileLabel, record.where), reason, alreadyStored});
        };
        const auto skipFor = [&](const char* reason, bool alreadyStored = false) {
            skip(platform::Translate("transfer", reason), alreadyStored);
        };
        if (exchange::IsBlank(record.name)) {
            skipFor(kNoName);
        } else if (!record.problem.empty()) {
            skip(record.problem);
        } else if (const auto id = IdentityOf(known, record.name, record.birth, record.yearless);
                   !id) {
            skipFor(kOutOfRange);
        } else if (known.Contains(*id)) {
            skipFor(kAlreadyStored, true);
        } else {
            const double birth =
                record.yearless.IsSet() ? std::numeric_limits<double>::quiet_NaN() : record.birth;
            people.push_back(
                {0, std::move(record.name), birth, std::move(record.comments), record.yearless});
            // The view may be of the record's name, moved now: look it up again.
            const store::Person& added = people.back();
            known.Insert(*IdentityOf(known, added.name, added.birth, added.yearless));
        }
    }
    return people;
}

std::string AsSentence(const std::string& text) {
    if (text.empty() || text.back() == '.') return text;
    return text + ".";
}

ImportResult ImportRecords(const store::PersonRepository& repository,
                           std::vector<exchange::ImportRecord> records,
                           const std::string& fileLabel) {
    ImportResult result;
    const auto choose = [&](std::vector<store::Person>&& stored) {
        return ChooseNew(records, stored, fileLabel, result.skipped);
    };
    std::vector<store::Person> added;
    bool readFailed = false;
    store::RepositoryError error;
    if (!repository.AddChosen(choose, added, readFailed, error)) {
        result.skipped.clear();
        result.error = FailureText(error, readFailed);
        return result;
    }
    result.imported = static_cast<int>(added.size());
    return result;
}

}  // namespace transfer
