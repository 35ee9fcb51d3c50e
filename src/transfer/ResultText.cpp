#include "transfer/ResultText.h"

#include <algorithm>

namespace transfer {

std::string ImportSummary(const ImportResult& result) {
    const auto count = [](std::size_t n, const char* one, const char* many) {
        return std::to_string(n) + " " + (n == 1 ? one : many);
    };
    return "Imported " + count(static_cast<std::size_t>(result.imported), "person", "people") +
           ", skipped " + std::to_string(result.skipped.size()) + ".";
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
        text += "\n... and " + std::to_string(result.skipped.size() - shown) + " more.";
    return text;
}

}  // namespace transfer
