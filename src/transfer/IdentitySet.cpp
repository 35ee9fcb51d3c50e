#include "transfer/IdentitySet.h"

#include <functional>

namespace transfer {

IdentitySet::IdentitySet(std::size_t expected) {
    std::size_t capacity = 16;
    while (capacity < expected * 2) capacity *= 2;  // at most half full
    slots_.resize(capacity);
    used_.resize(capacity);
    mask_ = capacity - 1;
}

// The slot holding the identity, or the free one where it belongs (linear probing).
std::size_t IdentitySet::SlotOf(const Identity& id) const {
    const std::size_t hash = std::hash<std::string_view>()(id.name) ^
                             static_cast<std::size_t>(id.second * 0x9E3779B97F4A7C15ull);
    std::size_t slot = hash & mask_;
    while (used_[slot] && !(slots_[slot] == id)) slot = (slot + 1) & mask_;
    return slot;
}

bool IdentitySet::Contains(const Identity& id) const {
    return used_[SlotOf(id)];
}

bool IdentitySet::Insert(const Identity& id) {
    std::size_t slot = SlotOf(id);
    if (used_[slot]) return false;
    if ((count_ + 1) * 2 > slots_.size()) {  // more than expected: grow and rehash
        std::vector<Identity> old;
        old.reserve(count_);
        for (std::size_t i = 0; i < slots_.size(); ++i)
            if (used_[i]) old.push_back(slots_[i]);
        *this = IdentitySet(slots_.size());
        for (const Identity& kept : old) {
            const std::size_t free = SlotOf(kept);
            slots_[free] = kept;
            used_[free] = true;
        }
        count_ = old.size();
        slot = SlotOf(id);
    }
    slots_[slot] = id;
    used_[slot] = true;
    ++count_;
    return true;
}

}  // namespace transfer
