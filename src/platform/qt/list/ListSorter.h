#pragma once

#include <Qt>
#include <vector>

#include "ListColumn.h"
#include "ListRowStore.h"

namespace platform {

// Orders list rows by one column's texts: as plain text, compared without regard to
// letter case (Unicode simple case folding), rows with equal texts keeping their order;
// or as names, by their folded texts (platform/TextFold.h), rows whose texts fold alike
// by their keys (a shorter key first, so "K9" before "K10").
//
// Sorting a million rows compares texts some twenty million times, and following each
// text into the pool costs a cache miss. So every row carries its first 24 folded
// characters packed into three integers, which settle most comparisons on their own;
// only rows that agree on all 24 (and do not share one stored text) read their texts.
class ListSorter {
public:
    // `order` lists row indexes in their current order; the result is its stable sort.
    static std::vector<int> Sorted(const ListRowStore& rows, const std::vector<int>& order,
                                   int column, Qt::SortOrder sortOrder,
                                   SortAs sortAs = SortAs::Text);
};

}  // namespace platform
