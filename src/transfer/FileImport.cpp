#include <optional>
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
    exchange::ReadResult read;
    const bool readable = ReadImportRecords(bytes, path, read, result.error);
    std::string().swap(bytes);  // the records hold everything now; a big file frees its memory
    if (!readable) return result;
    const std::string label = FileLabel(path);
    ImportResult imported = ImportRecords(repository, std::move(read.records), label);
    if (!imported.Failed()) AddNotices(imported, read.notices, label);
    return imported;
}

bool ReadImportRecords(std::string_view bytes, const std::string& path, exchange::ReadResult& read,
                       std::string& error) {
    const std::string label = FileLabel(path);
    const std::optional<exchange::Format> format = exchange::DetectFormat(bytes, path);
    if (!format || *format == exchange::Format::ICalendar) {
        error = platform::Filled(
            platform::Translate("transfer",
                                "%1 is neither a CSV file nor a vCard file (.csv, .vcf or "
                                ".vcard). Nothing was imported."),
            {label});
        return false;
    }
    read = *format == exchange::Format::Csv ? exchange::ReadCsv(bytes) : exchange::ReadVCard(bytes);
    if (read.error.empty()) return true;
    error = label + ": " + AsSentence(read.error) + " " +
            platform::Translate("transfer", "Nothing was imported.");
    return false;
}

void AddNotices(ImportResult& result, std::vector<exchange::ReadNotice>& notices,
                const std::string& fileLabel) {
    for (exchange::ReadNotice& notice : notices)
        result.notices.push_back({fileLabel + ", " + notice.where, std::move(notice.text)});
}

}  // namespace transfer
