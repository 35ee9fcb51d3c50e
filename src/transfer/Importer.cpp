#include "transfer/Importer.h"

#include <unordered_set>

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

// Name and birth to the second, the pair that makes two people the same person.
std::string IdentityOf(const std::string& name, const std::string& birthKey) {
    std::string identity = name;
    identity += '\0';
    identity += birthKey;
    return identity;
}

}  // namespace

std::string AsSentence(const std::string& text) {
    if (text.empty() || text.back() == '.') return text;
    return text + ".";
}

ImportResult ImportRecords(const store::PersonRepository& repository,
                           const std::vector<exchange::ImportRecord>& records,
                           const std::string& fileLabel) {
    ImportResult result;
    store::RepositoryError error;
    std::vector<store::Person> stored;
    if (!repository.ReadAll(stored, error)) {
        result.error = "The database could not be read: " + AsSentence(error.message) +
                       " Nothing was imported.";
        return result;
    }
    std::unordered_set<std::string> known;
    known.reserve(stored.size() + records.size());
    for (const store::Person& person : stored)
        known.insert(IdentityOf(person.name, store::BirthKey(person.birth)));
    stored.clear();

    std::vector<store::Person> people;
    for (const exchange::ImportRecord& record : records) {
        const auto skip = [&](const std::string& reason, bool alreadyStored = false) {
            result.skipped.push_back({Place(fileLabel, record.where), reason, alreadyStored});
        };
        if (IsBlank(record.name)) {
            skip(kNoName);
            continue;
        }
        if (!record.problem.empty()) {
            skip(record.problem);
            continue;
        }
        const std::string birthKey = store::BirthKey(record.birth);
        if (birthKey.empty()) {
            skip(kOutOfRange);
            continue;
        }
        if (!known.insert(IdentityOf(record.name, birthKey)).second) {
            skip(kAlreadyStored, true);
            continue;
        }
        people.push_back({0, record.name, record.birth, record.comments});
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
