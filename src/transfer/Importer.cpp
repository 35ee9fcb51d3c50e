#include "transfer/Importer.h"

#include <cstdint>

#include "age/DateValue.h"
#include "transfer/IdentitySet.h"

namespace transfer {

namespace {

bool IsBlank(const std::string& text) {
    return text.find_first_not_of(" \t\r\n") == std::string::npos;
}

std::string Place(const std::string& fileLabel, const std::string& where) {
    if (where.empty()) return fileLabel;
    if (fileLabel.empty()) return where;
    return fileLabel + ", " + where;
}

// The birth's second since 12/30/1899, rounded as the stored text rounds it; false for a
// birth outside the calendar.
bool SecondOf(double birth, std::int64_t& second) {
    modAgeCalc::DateParts p;
    if (!modAgeCalc::FromDateValue(birth, p)) return false;
    second = std::int64_t{modAgeCalc::SerialFromCivil(p.year, p.month, p.day)} * 86400 +
             p.hour * 3600 + p.minute * 60 + p.second;
    return true;
}

}  // namespace

std::string AsSentence(const std::string& text) {
    if (text.empty() || text.back() == '.') return text;
    return text + ".";
}

ImportResult ImportRecords(const store::PersonRepository& repository,
                           std::vector<exchange::ImportRecord> records,
                           const std::string& fileLabel) {
    ImportResult result;
    store::RepositoryError error;
    std::vector<store::Person> stored;
    if (!repository.ReadAll(stored, error)) {
        result.error = "The database could not be read: " + AsSentence(error.message) +
                       " Nothing was imported.";
        return result;
    }
    IdentitySet known(stored.size() + records.size());
    for (const store::Person& person : stored) {
        Identity id{person.name};
        if (SecondOf(person.birth, id.second)) known.Insert(id);
    }

    // Reserved in full, so the names the set views never move.
    std::vector<store::Person> people;
    people.reserve(records.size());
    for (exchange::ImportRecord& record : records) {
        const auto skip = [&](const std::string& reason, bool alreadyStored = false) {
            result.skipped.push_back({Place(fileLabel, record.where), reason, alreadyStored});
        };
        Identity id{record.name};
        if (IsBlank(record.name)) {
            skip(kNoName);
        } else if (!record.problem.empty()) {
            skip(record.problem);
        } else if (!SecondOf(record.birth, id.second)) {
            skip(kOutOfRange);
        } else if (known.Contains(id)) {
            skip(kAlreadyStored, true);
        } else {
            people.push_back({0, std::move(record.name), record.birth, std::move(record.comments)});
            known.Insert({people.back().name, id.second});
        }
    }

    if (!people.empty() && !repository.AddMany(people, error)) {
        result.error = "The database could not be written: " + AsSentence(error.message) +
                       " Nothing was imported.";
        return result;
    }
    result.imported = static_cast<int>(people.size());
    return result;
}

}  // namespace transfer
