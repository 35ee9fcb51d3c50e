#pragma once

#include <Qt>
#include <vector>

#include "ListRowStore.h"

namespace platform {

// Orders list rows by one column's texts, compared without regard to letter case
// (Unicode simple case folding); rows with equal texts keep their order.
//
// Sorting a million rows compares texts some twenty million times, and following each
// text into the pool costs a cache miss. So every row carries its first 24 folded
// characters packed into three integers, which settle most comparisons on their own;
// only rows that agree on all 24 (and do not share one stored text) read their texts.
class ListSorter {
public:
    // `order` lists row indexes in their current order; the result is its stable sort.
    static std::vector<int> Sorted(const ListRowStore& rows, const std::vector<int>& order,
                                   int column, Qt::SortOrder sortOrder);
};

}  // namespace platform
