#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "age/YearlessBirth.h"

namespace transfer {

// Name and birth to the second: the pair that makes two people the same person.
struct Identity {
    std::string_view name;  // composed (NFC); a view of a text that outlives the set
    // Seconds since 12/30/1899; for a birthday without a year, seconds into a year that
    // starts far beyond any date, so that it never equals a birth with a year.
    std::int64_t second = 0;
    friend bool operator==(const Identity&, const Identity&) = default;
};

// The identities met so far: the one rule for "already stored". An import meets one per
// stored person and per record, so they are kept in one list, found through an
// open-addressed table of positions sized up front: no allocation per entry, and little
// memory to touch.
class IdentitySet {
public:
    explicit IdentitySet(std::size_t expected);

    // The identity of a person; nothing for a birth outside the calendar. The birth counts
    // to the second as the stored text rounds it. A name counts in its composed Unicode
    // form, so "é" as one code point and as "e" with a combining accent are one name;
    // the name itself is never changed. The view refers to `name` or to the set.
    std::optional<Identity> Of(std::string_view name, double birth);
    // The same for a birthday without a year, which counts to the second as stored
    // ("--MM-DD HH:MM:SS"); nothing when it is no such birthday.
    std::optional<Identity> Of(std::string_view name, const modAgeCalc::YearlessBirth& birth);

    // True when the identity was not in the set yet.
    bool Insert(const Identity& id);
    bool Contains(const Identity& id) const;

private:
    Identity WithName(std::string_view name, std::int64_t second);
    std::size_t SlotOf(const Identity& id) const;
    void Rebuild(std::size_t capacity);

    std::vector<Identity> items_;
    std::vector<std::uint32_t> slots_;  // a position in items_ plus 1; 0 for a free slot
    std::size_t mask_ = 0;
    std::deque<std::string> composed_;  // names whose composed form differs from them
};

}  // namespace transfer
