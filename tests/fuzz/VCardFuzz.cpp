// The vCard reader on any bytes: folding, groups, escapes, quoted-printable and its
// charsets, cards inside cards and cards without END.
#include <string>

#include "FuzzCheck.h"
#include "exchange/AsciiText.h"
#include "exchange/Exchange.h"
#include "exchange/TextEncoding.h"

namespace {

// The lines that read exactly BEGIN:VCARD and are not folded on. Each starts a card of
// its own, unless a quoted-printable soft break joins it to the line before or it is an
// agent's card.
long PlainBegins(std::string_view text) {
    long begins = 0;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find_first_of("\r\n", start), text.size());
        std::size_t next = end;
        if (next < text.size() && text[next] == '\r') ++next;
        if (next < text.size() && text[next] == '\n') ++next;
        const bool folded = next < text.size() && (text[next] == ' ' || text[next] == '\t');
        if (!folded && exchange::EqualsNoCase(text.substr(start, end - start), "BEGIN:VCARD"))
            ++begins;
        start = next;
    }
    return begins;
}

bool Holds(std::string_view text, std::string_view word) {
    return exchange::AsciiUpper(text).find(word) != std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = fuzz::BytesOf(data, size);
    const exchange::ReadResult result = exchange::ReadVCard(bytes);
    std::string converted;
    const std::string_view text = exchange::FileText(bytes, converted);
    const long lines = fuzz::LineCount(text);
    fuzz::RequireSoundResult(result, lines);
    // A card is named by its number, counted from the top; each starts on a line of its own.
    long card = 0;
    for (const exchange::ImportRecord& record : result.records) {
        fuzz::Require(fuzz::NumberAfter(record.where, "card ") == ++card,
                      "cards are numbered in their order", record.where);
        fuzz::Require(card <= lines, "a card starts on a line of the input", record.where);
        fuzz::RequireSoundRecord(record);
    }
    // A card without its END must not swallow the cards after it.
    if (!Holds(text, "QUOTED-PRINTABLE") && !Holds(text, "AGENT"))
        fuzz::Require(card >= PlainBegins(text), "every BEGIN:VCARD line starts a card");
    return 0;
}
