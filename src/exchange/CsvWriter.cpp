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
        // The stored form begins with "-", which a spreadsheet would take for a formula
        // (--12-08 makes 4): it is guarded like any other such cell, and reads back as is.
        if (person.yearless.IsSet())
            AppendCsvField(out, modAgeCalc::YearlessToText(person.yearless));
        else
            out += IsoDateTime(person.birth);
        out += ',';
        // "." is how the store keeps an empty comment.
        AppendCsvField(out, person.comments == "." ? std::string_view() : person.comments);
        out += "\r\n";
    }
    return out;
}

}  // namespace exchange
