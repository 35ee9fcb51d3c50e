#include <cctype>

#include "exchange/Exchange.h"
#include "exchange/TextEncoding.h"

namespace exchange {

namespace {

bool startsWithNoCase(std::string_view s, std::string_view prefix) {
    if (s.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(s[i])) != prefix[i]) return false;
    return true;
}

bool endsWithNoCase(std::string_view s, std::string_view suffix) {
    if (s.size() < suffix.size()) return false;
    s.remove_prefix(s.size() - suffix.size());
    for (std::size_t i = 0; i < suffix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(s[i])) != suffix[i]) return false;
    return true;
}

}  // namespace

std::optional<Format> DetectFormat(std::string_view bytes, std::string_view fileName) {
    // The first line tells; a few kilobytes are enough to find it behind blank lines.
    const std::string text = FileTextToUtf8(bytes.substr(0, 4096));
    std::string_view head = text;
    const std::size_t start = head.find_first_not_of(" \t\r\n");
    head.remove_prefix(start == std::string_view::npos ? head.size() : start);
    const std::string_view firstLine = head.substr(0, head.find_first_of("\r\n"));
    if (startsWithNoCase(firstLine, "BEGIN:VCARD")) return Format::VCard;
    if (startsWithNoCase(firstLine, "BEGIN:VCALENDAR")) return Format::ICalendar;
    if (endsWithNoCase(fileName, ".csv")) return Format::Csv;
    if (endsWithNoCase(fileName, ".vcf") || endsWithNoCase(fileName, ".vcard"))
        return Format::VCard;
    if (endsWithNoCase(fileName, ".ics")) return Format::ICalendar;
    if (firstLine.find(',') != std::string_view::npos) return Format::Csv;
    return std::nullopt;
}

}  // namespace exchange
