#include "transfer/ResultText.h"

#include <algorithm>

#include "platform/Translate.h"

namespace transfer {

std::string ImportSummary(const ImportResult& result) {
    const char* text =
        result.imported == 1
            ? MARROWTIDE_TRANSLATE_NOOP("transfer", "Imported %1 person, skipped %2.")
            : MARROWTIDE_TRANSLATE_NOOP("transfer", "Imported %1 people, skipped %2.");
    return platform::Filled(
        platform::Translate("transfer", text),
        {std::to_string(result.imported), std::to_string(result.skipped.size())});
}

std::string SkippedLine(const SkippedRecord& skipped) {
    return skipped.where + ": " + skipped.reason;
}

std::string ImportReport(const ImportResult& result, std::size_t limit) {
    if (result.Failed()) return result.error;
    std::string text = ImportSummary(result);
    if (!result.notices.empty()) text += "\n";
    for (const SkippedRecord& notice : result.notices) text += "\n" + SkippedLine(notice);
    const std::size_t shown = std::min(limit, result.skipped.size());
    if (shown > 0) text += "\n";
    for (std::size_t i = 0; i < shown; ++i) text += "\n" + SkippedLine(result.skipped[i]);
    if (result.skipped.size() > shown)
        text += "\n" + platform::Filled(platform::Translate("transfer", "... and %1 more."),
                                        {std::to_string(result.skipped.size() - shown)});
    return text;
}

}  // namespace transfer
