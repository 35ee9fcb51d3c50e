// The CSV reader on any bytes: every dialect it recognises (header names of the
// address books, quoting, line breaks, UTF-8, UTF-16 and Windows-1252).
#include "FuzzCheck.h"
#include "exchange/Exchange.h"
#include "exchange/TextEncoding.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = fuzz::BytesOf(data, size);
    const exchange::ReadResult result = exchange::ReadCsv(bytes);
    std::string converted;
    const long lines = fuzz::LineCount(exchange::FileText(bytes, converted));
    fuzz::RequireSoundResult(result, lines);
    long previous = 1;  // the header's line
    for (const exchange::ImportRecord& record : result.records) {
        fuzz::RequireLineInside(record.where, "", lines);
        const long line = fuzz::NumberAfter(record.where, "line ");
        fuzz::Require(line > previous, "records come in the order of their lines", record.where);
        previous = line;
        fuzz::RequireSoundRecord(record);
    }
    return 0;
}
