#include "transfer/IdentitySet.h"

#include <QString>
#include <algorithm>
#include <functional>

#include "age/DateValue.h"
#include "exchange/TextEncoding.h"

namespace transfer {

namespace {

// The birth's second since 12/30/1899, rounded as the stored text rounds it.
std::optional<std::int64_t> SecondOf(double birth) {
    modAgeCalc::DateParts p;
    if (!modAgeCalc::FromDateValue(birth, p)) return std::nullopt;
    return std::int64_t{modAgeCalc::SerialFromCivil(p.year, p.month, p.day)} * 86400 +
           p.hour * 3600 + p.minute * 60 + p.second;
}

// Beyond the last second of 12/31/9999 (about 3.2e11 seconds from 12/30/1899).
constexpr std::int64_t kYearlessSeconds = std::int64_t{1} << 40;

// Month and day counted as in a leap year, so 29 February has a second of its own.
std::optional<std::int64_t> SecondOf(const modAgeCalc::YearlessBirth& b) {
    if (!modAgeCalc::IsValidYearless(b)) return std::nullopt;
    return kYearlessSeconds +
           std::int64_t{modAgeCalc::SerialFromCivil(2000, b.month, b.day)} * 86400 + b.hour * 3600 +
           b.minute * 60 + b.second;
}

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace

std::optional<Identity> IdentitySet::Of(std::string_view name, double birth) {
    const std::optional<std::int64_t> second = SecondOf(birth);
    if (!second) return std::nullopt;
    return WithName(name, *second);
}

std::optional<Identity> IdentitySet::Of(std::string_view name,
                                        const modAgeCalc::YearlessBirth& birth) {
    const std::optional<std::int64_t> second = SecondOf(birth);
    if (!second) return std::nullopt;
    return WithName(name, *second);
}

Identity IdentitySet::WithName(std::string_view name, std::int64_t second) {
    // ASCII is composed already; bytes that are no UTF-8 are compared as they are.
    if (IsAscii(name) || !exchange::IsValidUtf8(name)) return Identity{name, second};
    const std::string composed = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()))
                                     .normalized(QString::NormalizationForm_C)
                                     .toStdString();
    if (composed == name) return Identity{name, second};
    return Identity{composed_.emplace_back(composed), second};
}

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
