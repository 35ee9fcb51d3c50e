#include "exchange/CsvParser.h"
#include "exchange/DateForms.h"
#include "exchange/Exchange.h"

namespace exchange {

std::string WriteCsv(const std::vector<ExportPerson>& people) {
    std::size_t size = 21;
    for (const ExportPerson& person : people)
        size += person.name.size() + person.comments.size() + 24;
    std::string out;
    out.reserve(size);
    out += "Name,Birth,Comments\r\n";
    for (const ExportPerson& person : people) {
        AppendCsvField(out, person.name);
        out += ',';
        out += person.yearless.IsSet() ? modAgeCalc::YearlessToText(person.yearless)
                                       : IsoDateTime(person.birth);
        out += ',';
        // "." is how the store keeps an empty comment.
        AppendCsvField(out, person.comments == "." ? std::string_view() : person.comments);
        out += "\r\n";
    }
    return out;
}

}  // namespace exchange
