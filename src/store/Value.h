#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace store {

// One column value as the database hands it over: Null, a whole number, a real
// number or a text. Blobs arrive as their bytes in a text.
using Value = std::variant<std::monostate, std::int64_t, double, std::string>;

inline bool IsNull(const Value& v) {
    return std::holds_alternative<std::monostate>(v);
}

}  // namespace store
