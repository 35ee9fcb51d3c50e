#include "cli/TabText.h"

namespace cli {

namespace {

void AppendHex(std::string& out, unsigned value) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    out += "\\x";
    out += kDigits[(value >> 4) & 0xF];
    out += kDigits[value & 0xF];
}

// The length of the valid UTF-8 sequence at the start of `text`, 0 when there is none
// (overlong forms, surrogates and values beyond U+10FFFF included).
std::size_t SequenceLength(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned lead = byte(0);
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (length == 0 || lead > 0xF4 || text.size() < length) return 0;
    for (std::size_t i = 1; i < length; ++i)
        if ((byte(i) & 0xC0) != 0x80) return 0;
    const unsigned second = byte(1);
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) ||
        (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second > 0x8F))
        return 0;
    return length;
}

// Appends the character at the start of `text` and returns how many bytes it took.
std::size_t AppendOne(std::string& out, std::string_view text) {
    const auto c = static_cast<unsigned char>(text[0]);
    switch (c) {
        case '\\': out += "\\\\"; return 1;
        case '\t': out += "\\t"; return 1;
        case '\n': out += "\\n"; return 1;
        case '\r': out += "\\r"; return 1;
        default: break;
    }
    if (c < 0x20 || c == 0x7F) {
        AppendHex(out, c);
        return 1;
    }
    if (c < 0x80) {
        out += static_cast<char>(c);
        return 1;
    }
    const std::size_t length = SequenceLength(text);
    if (length == 0) {
        AppendHex(out, c);
        return 1;
    }
    const auto second = static_cast<unsigned char>(text[1]);
    if (c == 0xC2 && second < 0xA0) {  // U+0080 to U+009F, the C1 controls
        AppendHex(out, second);
        return 2;
    }
    out.append(text.substr(0, length));
    return length;
}

}  // namespace

std::string TabField(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    while (!text.empty()) text.remove_prefix(AppendOne(out, text));
    return out;
}

}  // namespace cli
