// The vCard reader on any bytes: folding, groups, escapes, quoted-printable and its
// charsets, cards inside cards and cards without END.
#include <string>

#include "FuzzCheck.h"
#include "exchange/Exchange.h"
#include "exchange/TextEncoding.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = fuzz::BytesOf(data, size);
    const exchange::ReadResult result = exchange::ReadVCard(bytes);
    std::string converted;
    const long lines = fuzz::LineCount(exchange::FileText(bytes, converted));
    fuzz::RequireSoundResult(result, lines);
    // A card is named by its number, counted from the top; each starts on a line of its own.
    long card = 0;
    for (const exchange::ImportRecord& record : result.records) {
        fuzz::Require(fuzz::NumberAfter(record.where, "card ") == ++card,
                      "cards are numbered in their order", record.where);
        fuzz::Require(card <= lines, "a card starts on a line of the input", record.where);
        fuzz::RequireSoundRecord(record);
    }
    return 0;
}
