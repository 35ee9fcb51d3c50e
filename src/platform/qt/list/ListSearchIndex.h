#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>
#include <string>
#include <vector>

#include "ListRowStore.h"

namespace platform {

// A text as the find bar compares it: folded as names are (platform/TextFold.h), so that
// "zoe" finds "Zoë" and "ZOË", and "odegaard" finds "Ødegaard".
QString FoldForSearch(QStringView text);

// The searchable texts of every row of a ListRowStore, folded once when built so that
// each keystroke only scans. All rows' texts sit in one buffer, separated by a NUL
// that no typed text holds, so one scan covers the whole list and no match spans two
// columns or two rows.
class ListSearchIndex {
public:
    bool isBuilt() const { return built_; }
    void clear();
    void build(const ListRowStore& rows, const std::vector<int>& columns);

    // One flag per row: 1 where the row's texts contain `foldedNeedle` (already folded).
    std::vector<char> matches(QStringView foldedNeedle) const;

private:
    std::u16string text_;
    std::vector<std::uint32_t> start_;  // where each row's texts begin; one more at the end
    bool built_ = false;
};

}  // namespace platform
