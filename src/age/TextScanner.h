#pragma once

#include <cstddef>
#include <initializer_list>
#include <string_view>

namespace modAgeCalc {

// Reads a date or time text from left to right. Each read either consumes what it
// expects and returns true, or returns false; callers refuse the text on the first
// false, so where the position ends up after a failed read does not matter.
class TextScanner {
public:
    explicit TextScanner(std::string_view text) : text_(text) {}

    bool atEnd() const { return pos_ == text_.size(); }
    // The next character, or '\0' at the end.
    char peek() const { return atEnd() ? '\0' : text_[pos_]; }

    // An unsigned number of minDigits to maxDigits digits. A longer run of digits is
    // left for the caller to refuse: every number is followed by a separator or the end.
    bool readNumber(int minDigits, int maxDigits, int& number) {
        int digits = 0;
        int value = 0;
        while (!atEnd() && isDigit(peek()) && digits < maxDigits) {
            value = value * 10 + (text_[pos_++] - '0');
            ++digits;
        }
        if (digits < minDigits) return false;
        number = value;
        return true;
    }

    // One number of a run of numbers with a separator between them, such as "M/D/YYYY".
    struct Field {
        int minDigits;
        int maxDigits;
        int* out;
    };

    // The fields in order, with `separator` between each two.
    bool readFields(std::initializer_list<Field> fields, char separator) {
        bool first = true;
        for (const Field& f : fields) {
            if (!first && !readChar(separator)) return false;
            if (!readNumber(f.minDigits, f.maxDigits, *f.out)) return false;
            first = false;
        }
        return true;
    }

    bool readChar(char expected) {
        if (peek() != expected || atEnd()) return false;
        ++pos_;
        return true;
    }

    // Digits after a decimal point, as a fraction (".25" gives 0.25); at least one digit.
    bool readFraction(double& fraction) {
        double scale = 0.1;
        const std::size_t start = pos_;
        fraction = 0.0;
        while (!atEnd() && isDigit(peek())) {
            fraction += (text_[pos_++] - '0') * scale;
            scale /= 10.0;
        }
        return pos_ > start;
    }

    // "AM" or "PM" in any case; `afternoon` tells which.
    bool readMeridiem(bool& afternoon) {
        if (pos_ + 2 > text_.size() || upper(text_[pos_ + 1]) != 'M') return false;
        const char first = upper(text_[pos_]);
        if (first != 'A' && first != 'P') return false;
        afternoon = first == 'P';
        pos_ += 2;
        return true;
    }

private:
    static bool isDigit(char c) { return c >= '0' && c <= '9'; }
    static char upper(char c) {
        return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

}  // namespace modAgeCalc
