#include "ui/main/FileExchange.h"

#include <QApplication>
#include <algorithm>
#include <filesystem>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

#include "platform/FileDialog.h"
#include "platform/MessageBox.h"
#include "store/Database.h"
#include "store/PersonRepository.h"
#include "transfer/Exporter.h"
#include "transfer/FileBytes.h"
#include "transfer/Importer.h"
#include "transfer/ResultText.h"

namespace fileexchange {

namespace {

const std::vector<std::string> kImportFilters = {"Contacts (*.csv *.vcf *.vcard)",
                                                 "CSV files (*.csv)", "vCard files (*.vcf *.vcard)",
                                                 "All files (*)"};

struct ExportFilter {
    const char* filter;
    const char* extension;
    exchange::Format format;
};
const ExportFilter kExportFilters[] = {
    {"CSV files (*.csv)", ".csv", exchange::Format::Csv},
    {"vCard files (*.vcf)", ".vcf", exchange::Format::VCard},
    {"iCalendar files (*.ics)", ".ics", exchange::Format::ICalendar},
};

// Importing and exporting many people takes a moment; the window shows it is busy.
class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

platform::MsgStyle ImportStyle(const transfer::ImportResult& result) {
    if (result.Failed()) return platform::Icon::Critical;
    return result.SkippedForProblems() ? platform::Icon::Exclamation : platform::Icon::Information;
}

// A name typed without a known extension gets the chosen filter's; the dialog only
// asked about replacing the name as typed, so replacing the other one is asked here.
bool ExportTarget(const platform::FileChoice& choice, std::string& path, exchange::Format& format) {
    path = choice.path;
    if (const auto known = exchange::DetectFormat({}, path)) {
        format = *known;
        return true;
    }
    const int index = std::clamp(choice.filter, 0, static_cast<int>(std::size(kExportFilters)) - 1);
    path += kExportFilters[index].extension;
    format = kExportFilters[index].format;
    std::error_code ec;
    if (!std::filesystem::exists(transfer::PathFromUtf8(path), ec)) return true;
    return platform::MsgBox(path + " already exists.\r\nDo you want to replace it?",
                            platform::Buttons::YesNo | platform::Icon::Exclamation | platform::DefaultButton::Second,
                            kExportTitle) == platform::MsgAnswer::Yes;
}

std::string ExportMessage(const transfer::ExportResult& result, const std::string& path) {
    if (!result.error.empty()) return result.error + " Nothing was written.";
    std::string text = "Exported " + std::to_string(result.exported) +
                       (result.exported == 1 ? " person" : " people") + " to " + path + ".";
    if (result.leftOut > 0)
        text += "\r\n\r\n" + std::to_string(result.leftOut) +
                " without a valid birth date were left out.";
    return text;
}

}  // namespace

bool ImportFromFile() {
    const platform::FileChoice choice =
        platform::ChooseFile(platform::FileDialog::Mode::Open, kImportTitle, kImportFilters);
    if (choice.path.empty()) return false;
    transfer::ImportResult result;
    {
        BusyCursor busy;
        result =
            transfer::ImportFile(store::PersonRepository(modAgeCalc::DatabasePath()), choice.path);
    }
    platform::MsgBox(transfer::ImportReport(result, kSkippedShown), ImportStyle(result),
                     kImportTitle);
    return true;
}

void ExportToFile() {
    std::vector<std::string> filters;
    for (const ExportFilter& f : kExportFilters) filters.emplace_back(f.filter);
    const platform::FileChoice choice =
        platform::ChooseFile(platform::FileDialog::Mode::Save, kExportTitle, filters);
    std::string path;
    exchange::Format format = exchange::Format::Csv;
    if (choice.path.empty() || !ExportTarget(choice, path, format)) return;
    transfer::ExportResult result;
    {
        BusyCursor busy;
        result = transfer::ExportFile(store::PersonRepository(modAgeCalc::DatabasePath()), path,
                                      format, true);
    }
    const bool problem = !result.error.empty() || result.leftOut > 0;
    platform::MsgBox(ExportMessage(result, path),
                     problem ? platform::Icon::Exclamation : platform::Icon::Information, kExportTitle);
}

}  // namespace fileexchange
