#include "age/TextBuffer.h"

#include <charconv>
#include <cmath>

namespace modAgeCalc {

void TextBuffer::appendPlain(std::int64_t value) {
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    append(std::string_view(digits, static_cast<std::size_t>(result.ptr - digits)));
}

void TextBuffer::appendTwoDigits(std::int64_t value) {
    if (value < 0) {
        append('-');
        value = -value;
    }
    if (value < 10) append('0');
    appendPlain(value);
}

void TextBuffer::appendFourDecimals(double value) {
    // Totals stay far below 2^53 ten-thousandths, so the scaled value is an exact integer.
    const double scaled = std::round(value * 10000.0);
    if (!(std::fabs(scaled) < 9.0e15)) return;
    auto units = static_cast<std::int64_t>(scaled);
    if (units < 0) {  // tested after rounding, so nothing prints as "-0."
        append('-');
        units = -units;
    }
    appendPlain(units / 10000);
    append('.');
    auto fraction = static_cast<int>(units % 10000);
    char digits[4];
    for (int i = 3; i >= 0; --i, fraction /= 10) digits[i] = static_cast<char>('0' + fraction % 10);
    std::size_t kept = 4;
    while (kept > 0 && digits[kept - 1] == '0') --kept;
    append(std::string_view(digits, kept));
}

}  // namespace modAgeCalc
