#include "store/BirthText.h"

#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "age/DateText.h"
#include "age/DateValue.h"
#include "age/TextScanner.h"

namespace modAgeCalc {

std::string BirthToIso(double value) {
    DateParts p;
    if (!FromDateValue(value, p)) return {};
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", p.year, p.month, p.day,
                  p.hour, p.minute, p.second);
    return text;
}

namespace {

// One 8-byte stretch of a fixed text layout, as loaded from the text into a word: which
// bytes are digits and which are separators with what value.
struct WordLayout {
    std::uint64_t digits = 0, separators = 0, separatorBytes = 0;
};

constexpr std::uint64_t ByteAt(int index, unsigned char byte) {
    const int shift = std::endian::native == std::endian::little ? 8 * index : 8 * (7 - index);
    return std::uint64_t{byte} << shift;
}

// `layout` has 8 characters: 'D' for a digit, any other character stands for itself.
constexpr WordLayout LayoutOf(std::string_view layout) {
    WordLayout word;
    for (int i = 0; i < 8; ++i) {
        const char c = layout[static_cast<std::size_t>(i)];
        if (c == 'D') {
            word.digits |= ByteAt(i, 0xFF);
        } else {
            word.separators |= ByteAt(i, 0xFF);
            word.separatorBytes |= ByteAt(i, static_cast<unsigned char>(c));
        }
    }
    return word;
}

// The eight bytes from `at` on fit the layout. A byte is a digit when its high half is 3
// and adding 6 leaves it so (0x30 to 0x39); the addition carries into no other byte once
// every digit byte's high half is known to be 3.
bool Fits(const char* at, const WordLayout& layout) {
    constexpr std::uint64_t kHighHalves = 0xF0F0F0F0F0F0F0F0, kThrees = 0x3030303030303030,
                            kSixes = 0x0606060606060606;
    std::uint64_t word;
    std::memcpy(&word, at, sizeof word);
    const std::uint64_t digits = layout.digits;
    return (word & layout.separators) == layout.separatorBytes &&
           (word & digits & kHighHalves) == (kThrees & digits) &&
           ((word + (kSixes & digits)) & digits & kHighHalves) == (kThrees & digits);
}

// "YYYY-MM-DD HH:MM:SS" in three overlapping words, "YYYY-MM-DD" in two.
constexpr WordLayout kDayStart = LayoutOf("DDDD-DD-"), kDayEnd = LayoutOf("DD-DD-DD"),
                     kDayTimeMiddle = LayoutOf("DD DD:DD"), kTimeEnd = LayoutOf("DD:DD:DD");

int TwoDigits(const char* at) {
    return (at[0] - '0') * 10 + (at[1] - '0');
}

// The forms the program writes itself, which make up nearly every stored birth: read by
// their fixed layout, a few word operations instead of the scanner's byte by byte. False
// for any other text, which the scanner then reads; the scanner would read a text of
// this layout to the very same fields.
bool ReadWrittenForm(std::string_view text, DateParts& p) {
    const char* at = text.data();
    if (text.size() == 19) {
        if (!Fits(at, kDayStart) || !Fits(at + 8, kDayTimeMiddle) || !Fits(at + 11, kTimeEnd))
            return false;
        p.hour = TwoDigits(at + 11), p.minute = TwoDigits(at + 14), p.second = TwoDigits(at + 17);
    } else if (text.size() == 10) {
        if (!Fits(at, kDayStart) || !Fits(at + 2, kDayEnd)) return false;
        p.hour = p.minute = p.second = 0;
    } else {
        return false;
    }
    p.year = TwoDigits(at) * 100 + TwoDigits(at + 2);
    p.month = TwoDigits(at + 5);
    p.day = TwoDigits(at + 8);
    return true;
}

bool ReadTime(TextScanner& in, DateParts& p, double& fraction) {
    if (!in.readNumber(2, 2, p.hour) || !in.readChar(':') || !in.readNumber(2, 2, p.minute))
        return false;
    if (in.atEnd()) return true;
    if (!in.readChar(':') || !in.readNumber(2, 2, p.second)) return false;
    if (in.atEnd()) return true;
    return in.readChar('.') && in.readFraction(fraction);
}

bool ReadAnyForm(std::string_view text, DateParts& p, double& fraction) {
    TextScanner in(text);
    p.hour = p.minute = p.second = 0;
    if (!ReadIsoDay(in, p)) return false;
    if (in.atEnd()) return true;
    if (!in.readChar(' ') && !in.readChar('T')) return false;
    return ReadTime(in, p, fraction) && in.atEnd();
}

bool ParseIso(std::string_view text, double& out) {
    DateParts p;
    double fraction = 0.0;
    if (!ReadWrittenForm(text, p) && !ReadAnyForm(text, p, fraction)) return false;
    if (!IsValidDateParts(p)) return false;
    const double day = ToDateValue(p);
    // Before day 0 the time of day grows away from zero.
    const double value = day < 0 ? day - fraction / 86400.0 : day + fraction / 86400.0;
    // The value is used to the whole second: half a second before the end of the calendar
    // rounds beyond it, and such a birth could be neither shown nor saved again. Only a
    // fraction of a second can carry it there, and the program never writes one.
    DateParts rounded;
    if (fraction != 0.0 && !FromDateValue(value, rounded)) return false;
    out = value;
    return true;
}

bool FromDayCount(double value, double& out) {
    DateParts unused;
    if (!FromDateValue(value, unused)) return false;
    out = value;
    return true;
}

}  // namespace

bool BirthFromStored(const store::ValueView& v, double& out) {
    if (const auto* text = std::get_if<std::string_view>(&v)) return ParseIso(*text, out);
    if (const auto* real = std::get_if<double>(&v)) return FromDayCount(*real, out);
    if (const auto* whole = std::get_if<std::int64_t>(&v))
        return FromDayCount(static_cast<double>(*whole), out);
    return false;
}

bool BirthFromStored(const store::Value& v, double& out) {
    return BirthFromStored(store::ViewOf(v), out);
}

}  // namespace modAgeCalc
