#include "exchange/AsciiText.h"
#include "exchange/ContentLine.h"
#include "exchange/DateForms.h"
#include "exchange/Exchange.h"

namespace exchange {

namespace {

// N wants the family name apart from the given names, which a single name field does
// not keep; the last word is the family name in most address books' guess too. FN
// carries the name exactly, and readers take it first.
std::string structuredName(std::string_view name) {
    name = Trimmed(name);
    const std::size_t space = name.rfind(' ');
    if (space == std::string_view::npos) return EscapeText(name) + ";;;;";
    std::string_view given = name.substr(0, space);
    given = Trimmed(given);
    return EscapeText(name.substr(space + 1)) + ";" + EscapeText(given) + ";;;";
}

}  // namespace

std::string WriteVCard(const std::vector<ExportPerson>& people) {
    std::string out;
    out.reserve(people.size() * 120);
    for (const ExportPerson& person : people) {
        out += "BEGIN:VCARD\r\nVERSION:4.0\r\n";
        AppendFolded(out, "FN:" + EscapeText(person.name));
        AppendFolded(out, "N:" + structuredName(person.name));
        const std::string birth = person.yearless.IsSet()
                                      ? BasicYearless(person.yearless)
                                      : BasicDate(person.birth, HasTimeOfDay(person.birth));
        if (!birth.empty()) out += "BDAY:" + birth + "\r\n";
        if (!person.comments.empty() && person.comments != ".")
            AppendFolded(out, "NOTE:" + EscapeText(person.comments));
        out += "END:VCARD\r\n";
    }
    return out;
}

}  // namespace exchange
