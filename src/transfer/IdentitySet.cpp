#include "transfer/IdentitySet.h"

#include <functional>

namespace transfer {

IdentitySet::IdentitySet(std::size_t expected) {
    items_.reserve(expected);
    std::size_t capacity = 16;
    while (capacity < expected * 2) capacity *= 2;  // at most half full
    Rebuild(capacity);
}

void IdentitySet::Rebuild(std::size_t capacity) {
    slots_.assign(capacity, 0);
    mask_ = capacity - 1;
    for (std::size_t i = 0; i < items_.size(); ++i)
        slots_[SlotOf(items_[i])] = static_cast<std::uint32_t>(i + 1);
}

// The slot holding the identity, or the free one where it belongs (linear probing).
std::size_t IdentitySet::SlotOf(const Identity& id) const {
    const std::size_t hash = std::hash<std::string_view>()(id.name) ^
                             static_cast<std::size_t>(id.second * 0x9E3779B97F4A7C15ull);
    std::size_t slot = hash & mask_;
    while (slots_[slot] != 0 && !(items_[slots_[slot] - 1] == id)) slot = (slot + 1) & mask_;
    return slot;
}

bool IdentitySet::Contains(const Identity& id) const {
    return slots_[SlotOf(id)] != 0;
}

bool IdentitySet::Insert(const Identity& id) {
    const std::size_t slot = SlotOf(id);
    if (slots_[slot] != 0) return false;
    items_.push_back(id);
    if (items_.size() * 2 > slots_.size())
        Rebuild(slots_.size() * 2);  // more than expected
    else
        slots_[slot] = static_cast<std::uint32_t>(items_.size());
    return true;
}

}  // namespace transfer
