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

    // The beginning of that sort for a list that is shown from its top: the rows of a
    // list in stored order (`order` is 0, 1, 2, ...), of which at least the first
    // `first` are where Sorted puts them (`settled` says how many), the others after
    // them in stored order. It reads each row's text once and sorts only the rows that
    // may come first, rather than all of them. A column with derived texts has no such
    // shortcut: its result is the whole sort.
    static std::vector<int> SortedFirst(const ListRowStore& rows, int first, int column,
                                        Qt::SortOrder sortOrder, SortAs sortAs, int& settled);
};

}  // namespace platform
