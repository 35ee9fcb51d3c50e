#include "ui/main/FileExchange.h"

#include <QApplication>
#include <QCoreApplication>
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

std::string Tr(const char* text) {
    return QCoreApplication::translate("fileexchange", text).toStdString();
}

// Marked here, translated where they are shown.
const char* const kImportFilters[] = {
    QT_TRANSLATE_NOOP("fileexchange", "Contacts (*.csv *.vcf *.vcard)"),
    QT_TRANSLATE_NOOP("fileexchange", "CSV files (*.csv)"),
    QT_TRANSLATE_NOOP("fileexchange", "vCard files (*.vcf *.vcard)"),
    QT_TRANSLATE_NOOP("fileexchange", "All files (*)")};

template <std::size_t N>
std::vector<std::string> Translated(const char* const (&texts)[N]) {
    std::vector<std::string> out;
    for (const char* text : texts) out.push_back(Tr(text));
    return out;
}

struct ExportFilter {
    const char* filter;
    const char* extension;
    exchange::Format format;
};
const ExportFilter kExportFilters[] = {
    {QT_TRANSLATE_NOOP("fileexchange", "CSV files (*.csv)"), ".csv", exchange::Format::Csv},
    {QT_TRANSLATE_NOOP("fileexchange", "vCard files (*.vcf)"), ".vcf", exchange::Format::VCard},
    {QT_TRANSLATE_NOOP("fileexchange", "iCalendar files (*.ics)"), ".ics",
     exchange::Format::ICalendar},
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
    return platform::MsgBox(QCoreApplication::translate(
                                "fileexchange", "%1 already exists.\r\nDo you want to replace it?")
                                .arg(QString::fromStdString(path))
                                .toStdString(),
                            platform::Buttons::YesNo | platform::Icon::Exclamation |
                                platform::DefaultButton::Second,
                            Tr(kExportTitle)) == platform::MsgAnswer::Yes;
}

std::string ExportMessage(const transfer::ExportResult& result, const std::string& path) {
    if (!result.error.empty()) return result.error + " " + Tr("Nothing was written.");
    const QString file = QString::fromStdString(path);
    QString text =
        result.exported == 1
            ? QCoreApplication::translate("fileexchange", "Exported 1 person to %1.").arg(file)
            : QCoreApplication::translate("fileexchange", "Exported %1 people to %2.")
                  .arg(result.exported)
                  .arg(file);
    if (result.leftOut > 0)
        text += QStringLiteral("\r\n\r\n") +
                QCoreApplication::translate("fileexchange",
                                            "%1 without a valid birth date were left out.")
                    .arg(result.leftOut);
    if (result.repaired > 0)
        text += QStringLiteral("\r\n\r\n") +
                QCoreApplication::translate("fileexchange",
                                            "%1 with stored text that is not valid UTF-8 were "
                                            "written with \uFFFD in place of the bad bytes.")
                    .arg(result.repaired);
    return text.toStdString();
}

}  // namespace

bool ImportFromFile() {
    const platform::FileChoice choice = platform::ChooseFile(
        platform::FileDialog::Mode::Open, Tr(kImportTitle), Translated(kImportFilters));
    if (choice.path.empty()) return false;
    transfer::ImportResult result;
    {
        BusyCursor busy;
        result =
            transfer::ImportFile(store::PersonRepository(modAgeCalc::DatabasePath()), choice.path);
    }
    platform::MsgBox(transfer::ImportReport(result, kSkippedShown), ImportStyle(result),
                     Tr(kImportTitle));
    return true;
}

void ExportToFile() {
    std::vector<std::string> filters;
    for (const ExportFilter& f : kExportFilters) filters.push_back(Tr(f.filter));
    const platform::FileChoice choice =
        platform::ChooseFile(platform::FileDialog::Mode::Save, Tr(kExportTitle), filters);
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
                     problem ? platform::Icon::Exclamation : platform::Icon::Information,
                     Tr(kExportTitle));
}

}  // namespace fileexchange
