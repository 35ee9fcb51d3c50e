// The detection and decoding of a file's text on any bytes: UTF-8 with and without a
// byte-order mark, UTF-16 and UTF-32 in both byte orders, Windows-1252, and the repair
// of bytes that are no UTF-8.
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "exchange/TextEncoding.h"

namespace {

// The code points of valid UTF-8.
std::vector<char32_t> CodePoints(std::string_view utf8) {
    std::vector<char32_t> points;
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t n = exchange::Utf8SequenceAt(utf8, i);
        const unsigned char lead = static_cast<unsigned char>(utf8[i]);
        char32_t cp = n == 1 ? lead : lead & (0xFF >> (n + 1));
        for (std::size_t k = 1; k < n; ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        points.push_back(cp);
        i += n;
    }
    return points;
}

void AppendUnit(std::string& out, std::uint32_t unit, int bytes, bool bigEndian) {
    for (int k = 0; k < bytes; ++k)
        out += static_cast<char>(unit >> (8 * (bigEndian ? bytes - 1 - k : k)));
}

// The text as a UTF-16 or UTF-32 file with its byte-order mark.
std::string WideFile(const std::vector<char32_t>& points, int unitBytes, bool bigEndian) {
    std::string out;
    AppendUnit(out, 0xFEFF, unitBytes, bigEndian);
    for (const char32_t cp : points) {
        if (unitBytes == 4 || cp < 0x10000) {
            AppendUnit(out, cp, unitBytes, bigEndian);
        } else {
            AppendUnit(out, 0xD800 + ((cp - 0x10000) >> 10), 2, bigEndian);
            AppendUnit(out, 0xDC00 + ((cp - 0x10000) & 0x3FF), 2, bigEndian);
        }
    }
    return out;
}

bool WalksAsUtf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t n = exchange::Utf8SequenceAt(bytes, i);
        if (n == 0) return false;
        i += n;
    }
    return true;
}

void CheckRepair(std::string_view bytes, bool valid) {
    bool replaced = false;
    const std::string repaired = exchange::ValidUtf8(bytes, replaced);
    fuzz::Require(exchange::IsValidUtf8(repaired), "the repaired text is valid UTF-8");
    fuzz::Require(replaced == !valid, "a repair is told exactly when bytes were bad");
    if (valid) fuzz::Require(repaired == bytes, "valid UTF-8 stays as it is");
    std::string inPlace(bytes);
    fuzz::Require(exchange::RepairUtf8(inPlace) == replaced && inPlace == repaired,
                  "the repair in place gives the same text");
}

bool HoldsMultiByteSequence(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i)
        if (exchange::Utf8SequenceAt(bytes, i) > 1) return true;
    return false;
}

void CheckFallback(std::string_view bytes, bool valid) {
    const std::string cp1252 = exchange::Cp1252ToUtf8(bytes);
    fuzz::Require(exchange::IsValidUtf8(cp1252) && cp1252.size() >= bytes.size(),
                  "Windows-1252 gives valid UTF-8, a character for each byte");
    const std::string either = exchange::Utf8OrCp1252(bytes);
    fuzz::Require(either == (valid ? std::string(bytes) : cp1252),
                  "UTF-8 when valid, else Windows-1252");
    // One bad byte must not turn a UTF-8 file into Windows-1252 as a whole.
    fuzz::Require(exchange::ReadsAsUtf8(bytes) == (valid || HoldsMultiByteSequence(bytes)),
                  "a text is UTF-8 when valid or holding one multi-byte sequence");
}

void CheckFileText(std::string_view bytes) {
    std::string converted;
    const std::string_view text = exchange::FileText(bytes, converted);
    fuzz::Require(text == exchange::FileTextToUtf8(bytes), "both ways to a file's text agree");
    const bool view = text.data() >= bytes.data() && text.data() <= bytes.data() + bytes.size();
    if (!view) fuzz::Require(exchange::IsValidUtf8(text), "converted text is valid UTF-8");
}

// Any text written as UTF-16 or UTF-32 with its mark comes back as it was. A text that
// begins with U+0000 is left out: after the UTF-16LE mark it reads as the UTF-32LE mark.
void CheckWideFiles(std::string_view bytes) {
    bool replaced = false;
    const std::string text = exchange::ValidUtf8(bytes, replaced);
    const std::vector<char32_t> points = CodePoints(text);
    if (!points.empty() && points.front() == 0) return;
    for (const int unitBytes : {2, 4})
        for (const bool bigEndian : {false, true})
            fuzz::Require(
                exchange::FileTextToUtf8(WideFile(points, unitBytes, bigEndian)) == text,
                "a UTF-16 or UTF-32 file with its mark reads back", bigEndian ? "BE" : "LE");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = fuzz::BytesOf(data, size);
    const bool valid = exchange::IsValidUtf8(bytes);
    fuzz::Require(WalksAsUtf8(bytes) == valid, "valid UTF-8 is a run of whole sequences");
    CheckRepair(bytes, valid);
    CheckFallback(bytes, valid);
    CheckFileText(bytes);
    CheckWideFiles(bytes);
    return 0;
}
