#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace store {

// One column value as the database hands it over: Null, a whole number, a real
// number or a text. Blobs arrive as their bytes in a text.
using Value = std::variant<std::monostate, std::int64_t, double, std::string>;

// The same value read where it is held: a text is a view of the holder's bytes and
// lives as long as they do (for a recordset's field: until the recordset closes or the
// field is changed). Reading a million rows this way copies no text.
using ValueView = std::variant<std::monostate, std::int64_t, double, std::string_view>;

inline bool IsNull(const Value& v) {
    return std::holds_alternative<std::monostate>(v);
}

inline bool IsNull(const ValueView& v) {
    return std::holds_alternative<std::monostate>(v);
}

inline ValueView ViewOf(const Value& v) {
    if (const auto* text = std::get_if<std::string>(&v)) return std::string_view(*text);
    if (const auto* whole = std::get_if<std::int64_t>(&v)) return *whole;
    if (const auto* real = std::get_if<double>(&v)) return *real;
    return std::monostate{};
}

inline Value ValueOf(const ValueView& v) {
    if (const auto* text = std::get_if<std::string_view>(&v)) return std::string(*text);
    if (const auto* whole = std::get_if<std::int64_t>(&v)) return *whole;
    if (const auto* real = std::get_if<double>(&v)) return *real;
    return std::monostate{};
}

}  // namespace store
