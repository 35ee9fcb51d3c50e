#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace personlist {

// The person key behind a list row's item key ("K17" gives 17). Every upper-case "K"
// is dropped and the rest must be a plain decimal 32-bit signed number: no blanks, no
// '+', nothing after the digits. Empty for the placeholder row (no item key), for a
// rest that is not such a number or out of range, and for 0, which stands for no
// stored person.
std::optional<std::int32_t> PersonKeyOf(const QString& itemKey);

}  // namespace personlist
