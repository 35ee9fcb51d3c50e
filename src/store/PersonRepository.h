#pragma once

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

    // Adds the people in one transaction: either all of them are stored or, on any
    // failure, none. An empty comment is stored as ".". On success each person's key is
    // the one the database gave it.
    bool AddMany(std::vector<Person>& people, RepositoryError& error) const;

    // The first stored person with exactly this name whose birth is the same to the
    // second; nothing when there is none.
    bool FindByNameAndBirth(const std::string& name, double birth, std::optional<Person>& found,
                            RepositoryError& error) const;

private:
    std::string path_;
};

// The birth as the duplicate check compares it: "YYYY-MM-DD HH:MM:SS", "" for no date.
std::string BirthKey(double birth);

}  // namespace store
