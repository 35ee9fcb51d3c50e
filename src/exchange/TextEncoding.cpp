#include "exchange/TextEncoding.h"

#include <cstdint>
#include <cstring>

namespace exchange {

namespace {

void appendUtf8(std::string& out, std::uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// The code points Windows-1252 puts at 0x80..0x9F; 0 where it leaves a hole (kept as
// the C1 control of the same number, as ISO-8859-1 has it).
constexpr std::uint16_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

std::string utf16ToUtf8(std::string_view bytes, bool bigEndian) {
    std::string out;
    out.reserve(bytes.size());
    auto unit = [&](std::size_t i) -> std::uint32_t {
        const auto a = static_cast<unsigned char>(bytes[i]);
        const auto b = static_cast<unsigned char>(bytes[i + 1]);
        return bigEndian ? (a << 8 | b) : (b << 8 | a);
    };
    const std::size_t end = bytes.size() & ~std::size_t{1};
    for (std::size_t i = 0; i < end; i += 2) {
        std::uint32_t cp = unit(i);
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 3 < end) {
            const std::uint32_t low = unit(i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        if (cp >= 0xD800 && cp <= 0xDFFF) cp = 0xFFFD;
        appendUtf8(out, cp);
    }
    return out;
}

bool AsciiWordAt(std::string_view bytes, std::size_t i) {
    if (i + 8 > bytes.size()) return false;
    std::uint64_t word;
    std::memcpy(&word, bytes.data() + i, sizeof word);
    return (word & 0x8080808080808080ull) == 0;
}

}  // namespace

std::size_t Utf8SequenceAt(std::string_view bytes, std::size_t i) {
    const auto c = static_cast<unsigned char>(bytes[i]);
    int more = 0;
    std::uint32_t cp = 0;
    if (c < 0x80) return 1;
    if (c >= 0xC2 && c <= 0xDF) {
        more = 1, cp = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
        more = 2, cp = c & 0x0F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        more = 3, cp = c & 0x07;
    } else {
        return 0;
    }
    if (i + more >= bytes.size()) return 0;
    for (int k = 1; k <= more; ++k) {
        const auto n = static_cast<unsigned char>(bytes[i + k]);
        if ((n & 0xC0) != 0x80) return 0;
        cp = cp << 6 | (n & 0x3F);
    }
    // Overlong forms, surrogates and code points beyond U+10FFFF.
    if ((more == 2 && cp < 0x800) || (more == 3 && (cp < 0x10000 || cp > 0x10FFFF)) ||
        (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return static_cast<std::size_t>(more + 1);
}

bool RepairUtf8(std::string& text) {
    if (IsValidUtf8(text)) return false;
    bool replaced = false;
    text = ValidUtf8(text, replaced);
    return true;
}

bool IsValidUtf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        // Eight ASCII bytes at a time: most text is ASCII.
        if (AsciiWordAt(bytes, i)) {
            i += 8;
            continue;
        }
        // ASCII runs are the common case; they need no decoding.
        if (static_cast<unsigned char>(bytes[i]) < 0x80) {
            ++i;
            continue;
        }
        const std::size_t n = Utf8SequenceAt(bytes, i);
        if (n == 0) return false;
        i += n;
    }
    return true;
}

bool ReadsAsUtf8(std::string_view bytes) {
    if (IsValidUtf8(bytes)) return true;
    bool invalid = false;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (static_cast<unsigned char>(bytes[i]) < 0x80) continue;
        const std::size_t n = Utf8SequenceAt(bytes, i);
        if (n > 1) return true;
        invalid = true;
    }
    return !invalid;
}

std::string ValidUtf8(std::string_view bytes, bool& replaced) {
    replaced = false;
    if (IsValidUtf8(bytes)) return std::string(bytes);
    std::string out;
    out.reserve(bytes.size() + 8);
    bool inBadRun = false;
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t n = Utf8SequenceAt(bytes, i);
        if (n == 0) {
            // One replacement for each run of bad bytes.
            if (!inBadRun) out += "\xEF\xBF\xBD";
            inBadRun = replaced = true;
            ++i;
            continue;
        }
        inBadRun = false;
        out.append(bytes.substr(i, n));
        i += n;
    }
    return out;
}

std::string Cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (const char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        if (c >= 0x80 && c < 0xA0 && kCp1252High[c - 0x80] != 0)
            appendUtf8(out, kCp1252High[c - 0x80]);
        else
            appendUtf8(out, c);
    }
    return out;
}

std::string Utf8OrCp1252(std::string_view bytes) {
    return IsValidUtf8(bytes) ? std::string(bytes) : Cp1252ToUtf8(bytes);
}

namespace {

enum class Unicode { None, Utf16Le, Utf16Be, Utf32Le, Utf32Be };

// A file in UTF-16 or UTF-32 from its byte-order mark (`skip` its length) or, without
// one, from the zero bytes its first character (ASCII in every format we read) brings.
Unicode WideEncoding(std::string_view b, std::size_t& skip) {
    struct Mark {
        std::string_view bytes;
        Unicode unicode;
    };
    static constexpr Mark kMarks[] = {{{"\xFF\xFE\0\0", 4}, Unicode::Utf32Le},
                                      {{"\0\0\xFE\xFF", 4}, Unicode::Utf32Be},
                                      {"\xFF\xFE", Unicode::Utf16Le},
                                      {"\xFE\xFF", Unicode::Utf16Be}};
    for (const Mark& mark : kMarks) {
        if (b.starts_with(mark.bytes)) {
            skip = mark.bytes.size();
            return mark.unicode;
        }
    }
    skip = 0;
    const auto zero = [&](std::size_t i) { return b[i] == '\0'; };
    if (b.size() < 4) return Unicode::None;
    if (!zero(0) && zero(1) && zero(2) && zero(3)) return Unicode::Utf32Le;
    if (zero(0) && zero(1) && zero(2) && !zero(3)) return Unicode::Utf32Be;
    if (!zero(0) && zero(1) && !zero(2) && zero(3)) return Unicode::Utf16Le;
    if (zero(0) && !zero(1) && zero(2) && !zero(3)) return Unicode::Utf16Be;
    return Unicode::None;
}

std::string utf32ToUtf8(std::string_view bytes, bool bigEndian) {
    std::string out;
    out.reserve(bytes.size() / 4);
    for (std::size_t i = 0; i + 4 <= bytes.size(); i += 4) {
        std::uint32_t cp = 0;
        for (std::size_t k = 0; k < 4; ++k)
            cp |= std::uint32_t{static_cast<unsigned char>(bytes[i + k])}
                  << (8 * (bigEndian ? 3 - k : k));
        if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = 0xFFFD;
        appendUtf8(out, cp);
    }
    return out;
}

}  // namespace

std::string_view FileText(std::string_view bytes, std::string& converted) {
    if (bytes.starts_with("\xEF\xBB\xBF")) return bytes.substr(3);
    std::size_t skip = 0;
    if (WideEncoding(bytes, skip) == Unicode::None) return bytes;
    converted = FileTextToUtf8(bytes);
    return converted;
}

std::string FileTextToUtf8(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF")) return std::string(bytes.substr(3));
    std::size_t skip = 0;
    switch (WideEncoding(bytes, skip)) {
        case Unicode::Utf16Le:
            return utf16ToUtf8(bytes.substr(skip), false);
        case Unicode::Utf16Be:
            return utf16ToUtf8(bytes.substr(skip), true);
        case Unicode::Utf32Le:
            return utf32ToUtf8(bytes.substr(skip), false);
        case Unicode::Utf32Be:
            return utf32ToUtf8(bytes.substr(skip), true);
        case Unicode::None:
            break;
    }
    return std::string(bytes);
}

}  // namespace exchange
