#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace modAgeCalc {

// Builds a short text on the stack so that making an age text costs one allocation at
// most: the finished string. Text beyond the capacity is dropped; the age texts stay
// far below it.
class TextBuffer {
public:
    static constexpr std::size_t kCapacity = 96;

    // Inline and copied char by char: the pieces are a few characters long, where a call
    // to memmove costs more than the copy.
    void append(std::string_view text) {
        for (const char c : text) append(c);
    }
    void append(char c) {
        if (length_ < kCapacity) text_[length_++] = c;
    }
    // Plain: decimal, "-" when negative, no leading zeros (7, 530, -3).
    void appendPlain(std::int64_t value);
    // Pattern "00": at least two digits (07, 00, 123).
    void appendTwoDigits(std::int64_t value);
    // Pattern "0.####": rounded to four decimals, trailing zeros dropped, and the point
    // kept when no decimals remain (1.5, 0.0167, 3600.).
    void appendFourDecimals(double value);

    bool empty() const { return length_ == 0; }
    std::string str() const { return std::string(text_, length_); }

private:
    char text_[kCapacity];
    std::size_t length_ = 0;
};

}  // namespace modAgeCalc
