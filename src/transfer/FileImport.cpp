#include <utility>

#include "platform/Translate.h"
#include "transfer/FileBytes.h"
#include "transfer/Importer.h"

namespace transfer {

ImportResult ImportFile(const store::PersonRepository& repository, const std::string& path) {
    ImportResult result;
    std::string bytes;
    if (!ReadFileBytes(path, bytes, result.error)) {
        result.error += " " + platform::Translate("transfer", "Nothing was imported.");
        return result;
    }
    const std::string label = FileLabel(path);
    const std::optional<exchange::Format> format = exchange::DetectFormat(bytes, path);
    if (!format || *format == exchange::Format::ICalendar) {
        result.error = platform::Filled(
            platform::Translate("transfer",
                                "%1 is neither a CSV file nor a vCard file (.csv, .vcf or "
                                ".vcard). Nothing was imported."),
            {label});
        return result;
    }
    exchange::ReadResult read =
        *format == exchange::Format::Csv ? exchange::ReadCsv(bytes) : exchange::ReadVCard(bytes);
    std::string().swap(bytes);  // the records hold everything now; a big file frees its memory
    if (!read.error.empty()) {
        result.error = label + ": " + AsSentence(read.error) + " " +
                       platform::Translate("transfer", "Nothing was imported.");
        return result;
    }
    ImportResult imported = ImportRecords(repository, std::move(read.records), label);
    if (!imported.Failed())
        for (exchange::ReadNotice& notice : read.notices)
            imported.notices.push_back({label + ", " + notice.where, std::move(notice.text)});
    return imported;
}

}  // namespace transfer
