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
// they are kept in one list, found through an open-addressed table of positions sized up
// front: no allocation per entry, and little memory to touch.
class IdentitySet {
public:
    explicit IdentitySet(std::size_t expected);

    // True when the identity was not in the set yet.
    bool Insert(const Identity& id);
    bool Contains(const Identity& id) const;

private:
    std::size_t SlotOf(const Identity& id) const;
    void Rebuild(std::size_t capacity);

    std::vector<Identity> items_;
    std::vector<std::uint32_t> slots_;  // a position in items_ plus 1; 0 for a free slot
    std::size_t mask_ = 0;
};

}  // namespace transfer
