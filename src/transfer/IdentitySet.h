#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace transfer {

// Name and birth to the second: the pair that makes two people the same person.
struct Identity {
    std::string_view name;  // a view of a text that outlives the set
    std::int64_t second = 0;
    friend bool operator==(const Identity&, const Identity&) = default;
};

// The identities met so far. An import meets one per stored person and per record, so
// the set is one open-addressed table sized up front: no allocation per entry.
class IdentitySet {
public:
    explicit IdentitySet(std::size_t expected);

    // True when the identity was not in the set yet.
    bool Insert(const Identity& id);
    bool Contains(const Identity& id) const;

private:
    std::size_t SlotOf(const Identity& id) const;

    std::vector<Identity> slots_;
    std::vector<bool> used_;
    std::size_t mask_ = 0;
    std::size_t count_ = 0;
};

}  // namespace transfer
