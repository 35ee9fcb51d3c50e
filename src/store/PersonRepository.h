#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "store/Person.h"
#include "store/RepositoryError.h"

namespace store {

// The person table of one database file, for callers without a window: failures come
// back as RepositoryError instead of being asked about in a dialog, and nothing lets
// window events through. Each call opens its own connection and closes it before it
// returns, like every other store access.
class PersonRepository {
public:
    explicit PersonRepository(std::string path) : path_(std::move(path)) {}

    const std::string& path() const { return path_; }

    // Every person, in the table's order.
    bool ReadAll(std::vector<Person>& people, RepositoryError& error) const;

    // The person with `key`; `person` stays empty when there is none.
    bool ReadOne(std::int32_t key, std::optional<Person>& person, RepositoryError& error) const;

    // Adds the people in one transaction: either all of them are stored or, on any
    // failure, none. An empty comment is stored as ".". On success each person's key is
    // the one the database gave it.
    bool AddMany(std::vector<Person>& people, RepositoryError& error) const;

    // Gives the people to add, chosen with every stored person in view.
    using Chooser = std::function<std::vector<Person>(std::vector<Person>&& stored)>;

    // Reads every person and adds the ones `choose` gives, in one write transaction taken
    // before the read: another program cannot add the same people between the check and
    // the inserts, so two imports of one file never store anyone twice. A file another
    // program holds locked is waited for as long as the busy timeout, then reported as
    // Busy. `readFailed` tells whether it failed before `choose` saw the stored people.
    bool AddChosen(const Chooser& choose, std::vector<Person>& added, bool& readFailed,
                   RepositoryError& error) const;

private:
    std::string path_;
};

}  // namespace store
