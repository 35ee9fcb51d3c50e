#include "ListSearchIndex.h"

#include <QStringMatcher>
#include <algorithm>

#include "platform/TextFold.h"

namespace platform {

namespace {

std::u16string_view Units(QStringView text) {
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

}  // namespace

QString FoldForSearch(QStringView text) {
    const std::u16string folded = FoldText(Units(text));
    return QString(reinterpret_cast<const QChar*>(folded.data()), static_cast<qsizetype>(folded.size()));
}

void ListSearchIndex::clear() {
    text_.clear();
    text_.shrink_to_fit();
    start_.clear();
    start_.shrink_to_fit();
    built_ = false;
}

void ListSearchIndex::build(const ListRowStore& rows, const std::vector<int>& columns) {
    clear();
    start_.reserve(static_cast<std::size_t>(rows.count()) + 1);
    std::u16string buffer;
    for (int row = 0; row < rows.count(); ++row) {
        start_.push_back(static_cast<std::uint32_t>(text_.size()));
        for (const int column : columns) {
            AppendFolded(rows.units(rows.cellId(row, column), buffer), text_);
            text_.push_back(u'\0');
        }
    }
    start_.push_back(static_cast<std::uint32_t>(text_.size()));
    built_ = true;
}

// After a match the scan jumps to the next row: a row is in or out, however often
// its texts hold the needle.
std::vector<char> ListSearchIndex::matches(QStringView foldedNeedle) const {
    const std::size_t rows = start_.empty() ? 0 : start_.size() - 1;
    std::vector<char> found(rows, foldedNeedle.isEmpty() ? 1 : 0);
    if (foldedNeedle.isEmpty() || rows == 0) return found;
    const QStringView haystack(text_.data(), static_cast<qsizetype>(text_.size()));
    const QStringMatcher matcher(foldedNeedle);
    qsizetype from = 0;
    for (;;) {
        const qsizetype at = matcher.indexIn(haystack, from);
        if (at < 0) break;
        const auto next =
            std::upper_bound(start_.begin(), start_.end(), static_cast<std::uint32_t>(at));
        const std::size_t row = static_cast<std::size_t>(next - start_.begin()) - 1;
        found[row] = 1;
        if (row + 1 >= rows) break;
        from = static_cast<qsizetype>(start_[row + 1]);
    }
    return found;
}

}  // namespace platform
