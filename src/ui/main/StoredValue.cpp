#include "ui/main/StoredValue.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace personlist {

namespace {

constexpr const char* kSource = "Marrowtide";

store::Error TypeMismatch() {
    return {13, "Type mismatch", kSource};
}
store::Error Overflow() {
    return {6, "Overflow", kSource};
}

std::string RealText(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.15g", value);
    return text;
}

bool TextAsReal(std::string_view text, double& out) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return false;
    const auto last = text.find_last_not_of(" \t");
    const std::string trimmed(text.substr(first, last - first + 1));
    char* end = nullptr;
    out = std::strtod(trimmed.c_str(), &end);
    return end == trimmed.c_str() + trimmed.size();
}

bool RealAsLong(double value, std::int32_t& out, store::Error& error) {
    const double rounded = std::nearbyint(value);  // the default rounding: half to even
    if (!std::isfinite(rounded) || rounded < std::numeric_limits<std::int32_t>::min() ||
        rounded > std::numeric_limits<std::int32_t>::max()) {
        error = Overflow();
        return false;
    }
    out = static_cast<std::int32_t>(rounded);
    return true;
}

}  // namespace

std::string ValueAsText(const store::Value& value) {
    if (const auto* text = std::get_if<std::string>(&value)) return *text;
    if (const auto* whole = std::get_if<std::int64_t>(&value)) return std::to_string(*whole);
    if (const auto* real = std::get_if<double>(&value)) return RealText(*real);
    return {};
}

std::string_view ValueText(const store::ValueView& value, std::string& buffer) {
    if (const auto* text = std::get_if<std::string_view>(&value)) return *text;
    buffer = ValueAsText(store::ValueOf(value));
    return buffer;
}

bool ValueAsLong(const store::ValueView& value, std::int32_t& out, store::Error& error) {
    if (const auto* whole = std::get_if<std::int64_t>(&value)) {
        if (*whole < std::numeric_limits<std::int32_t>::min() ||
            *whole > std::numeric_limits<std::int32_t>::max()) {
            error = Overflow();
            return false;
        }
        out = static_cast<std::int32_t>(*whole);
        return true;
    }
    if (const auto* real = std::get_if<double>(&value)) return RealAsLong(*real, out, error);
    double parsed = 0;
    if (const auto* text = std::get_if<std::string_view>(&value); text && TextAsReal(*text, parsed))
        return RealAsLong(parsed, out, error);
    error = TypeMismatch();
    return false;
}

}  // namespace personlist
