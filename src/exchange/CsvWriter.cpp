#include "exchange/CsvParser.h"
#include "exchange/DateForms.h"
#include "exchange/Exchange.h"

namespace exchange {

std::string WriteCsv(const std::vector<ExportPerson>& people) {
    std::string out = "Name,Birth,Comments\r\n";
    out.reserve(people.size() * 48);
    for (const ExportPerson& person : people) {
        out += CsvField(person.name);
        out += ',';
        out += IsoDateTime(person.birth);
        out += ',';
        out += CsvField(person.comments);
        out += "\r\n";
    }
    return out;
}

}  // namespace exchange
