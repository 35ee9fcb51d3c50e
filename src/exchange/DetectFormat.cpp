#include "exchange/AsciiText.h"
#include "exchange/Exchange.h"
#include "exchange/TextEncoding.h"

namespace exchange {

std::optional<Format> DetectFormat(std::string_view bytes, std::string_view fileName) {
    // The first line tells; a few kilobytes are enough to find it behind blank lines.
    const std::string text = FileTextToUtf8(bytes.substr(0, 4096));
    std::string_view head = text;
    const std::size_t start = head.find_first_not_of(kWhiteSpace);
    head.remove_prefix(start == std::string_view::npos ? head.size() : start);
    const std::string_view firstLine = head.substr(0, head.find_first_of("\r\n"));
    if (StartsWithNoCase(firstLine, "BEGIN:VCARD")) return Format::VCard;
    if (StartsWithNoCase(firstLine, "BEGIN:VCALENDAR")) return Format::ICalendar;
    if (EndsWithNoCase(fileName, ".csv")) return Format::Csv;
    if (EndsWithNoCase(fileName, ".vcf") || EndsWithNoCase(fileName, ".vcard"))
        return Format::VCard;
    if (EndsWithNoCase(fileName, ".ics")) return Format::ICalendar;
    if (firstLine.find(',') != std::string_view::npos) return Format::Csv;
    return std::nullopt;
}

}  // namespace exchange
