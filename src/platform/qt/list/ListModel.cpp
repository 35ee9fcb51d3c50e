#include "ListModel.h"

#include <algorithm>
#include <numeric>

#include "ListSorter.h"

namespace platform {

ListModel::ListModel(QObject* parent) : QAbstractTableModel(parent) {}

void ListModel::setImageLists(const ImageList* small, const ImageList* large) {
    smallImages_ = small;
    largeImages_ = large;
    if (rows() > 0) emit dataChanged(index(0, 0), index(rows() - 1, 0), {Qt::DecorationRole});
}

void ListModel::clearColumns() {
    settleOrder();  // the sort's columns are about to go
    beginResetModel();
    columns_.clear();
    endResetModel();
}

void ListModel::addColumn(const ListColumn& column) {
    settleOrder();
    beginResetModel();
    columns_.push_back(column);
    endResetModel();
}

void ListModel::clearRows() {
    beginResetModel();
    rows_.clear();
    order_.clear();
    order_.shrink_to_fit();
    settled_ = 0;
    search_.clear();
    refilter();
    endResetModel();
}

void ListModel::publish(ListRowStore&& rows) {
    beginResetModel();
    rows_ = std::move(rows);
    if (sorted_)
        order_ = ListSorter::SortedFirst(rows_, kFirstRows, sortKey_, sortOrder_, sortAs(),
                                         settled_);
    else
        resetOrder();
    search_.clear();
    refilter();
    endResetModel();
    if (sorted_) emit sortChanged();
}

int ListModel::positionOf(int storeRow) const {
    const std::vector<int>& order = shown();
    const auto found = std::find(order.begin(), order.end(), storeRow);
    return found == order.end() ? -1 : static_cast<int>(found - order.begin());
}

void ListModel::setFilterColumns(std::vector<int> columns) {
    beginResetModel();
    filterColumns_ = std::move(columns);
    search_.clear();
    refilter();
    endResetModel();
}

void ListModel::setFilter(const QString& text) {
    if (text == filter_) return;
    settleOrder();
    beginResetModel();
    filter_ = text;
    needle_ = FoldForSearch(text);
    refilter();
    endResetModel();
}

// Works out which rows the filter lets through; the search texts are folded here the
// first time they are needed after the rows changed.
void ListModel::refilter() {
    shown_.clear();
    matches_.clear();
    if (!filtering()) return;
    settleOrder();
    if (!search_.isBuilt()) search_.build(rows_, filterColumns_);
    matches_ = search_.matches(needle_);
    shown_ = filtered(order_);
}

std::vector<int> ListModel::filtered(const std::vector<int>& order) const {
    std::vector<int> kept;
    for (const int row : order)
        if (matches_[static_cast<std::size_t>(row)]) kept.push_back(row);
    return kept;
}

QString ListModel::cellText(int position, int column) const {
    return rows_.cellText(storeIndex(position), column);
}

void ListModel::setSortKey(int column) {
    if (column < 0 || column == sortKey_) return;
    settleOrder();
    sortKey_ = column;
    if (sorted_) sortNow();
}

void ListModel::setSortOrder(Qt::SortOrder order) {
    if (order == sortOrder_) return;
    settleOrder();
    sortOrder_ = order;
    if (sorted_) sortNow();
}

void ListModel::setSorted(bool sorted) {
    if (sorted == sorted_) return;
    settleOrder();
    sorted_ = sorted;
    if (sorted_)
        sortNow();
    else
        emit sortChanged();
}

void ListModel::resetOrder() {
    order_.resize(static_cast<std::size_t>(rows_.count()));
    std::iota(order_.begin(), order_.end(), 0);
    settled_ = rows_.count();
}

SortAs ListModel::sortAs() const {
    return sortKey_ < columns() ? columns_[sortKey_].sortAs : SortAs::Text;
}

// The load's sort, finished: its first rows are already in place and stay there.
void ListModel::settleOrder() const {
    if (settled_ >= static_cast<int>(order_.size())) return;
    std::vector<int> stored(order_.size());
    std::iota(stored.begin(), stored.end(), 0);
    order_ = ListSorter::Sorted(rows_, stored, sortKey_, sortOrder_, sortAs());
    settled_ = static_cast<int>(order_.size());
}

// A stable sort of the shown order, so rows with equal texts stay in the order the
// previous sort (or the load) gave them.
std::vector<int> ListModel::sortedOrder() const {
    settleOrder();
    return ListSorter::Sorted(rows_, order_, sortKey_, sortOrder_, sortAs());
}

void ListModel::sortNow() {
    applyOrder(sortedOrder());
    emit sortChanged();
}

// Moves the rows to their new places; selection and current row follow their rows.
// The filter lets through the same rows before and after, only in another order.
void ListModel::applyOrder(std::vector<int> order) {
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    std::vector<int> shown = filtering() ? filtered(order) : std::vector<int>();
    const std::vector<int>& next = filtering() ? shown : order;
    if (!before.isEmpty()) {
        std::vector<int> newPosition(static_cast<std::size_t>(rows_.count()), -1);
        for (std::size_t pos = 0; pos < next.size(); ++pos)
            newPosition[static_cast<std::size_t>(next[pos])] = static_cast<int>(pos);
        for (const QModelIndex& old : before)
            after.push_back(
                index(newPosition[static_cast<std::size_t>(storeIndex(old.row()))], old.column()));
    }
    order_ = std::move(order);
    settled_ = static_cast<int>(order_.size());
    shown_ = std::move(shown);
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

QModelIndex ListModel::index(int row, int column, const QModelIndex& parent) const {
    if (parent.isValid() || row < 0 || column < 0 || row >= rows() ||
        column >= std::max(1, columns()))
        return {};
    return createIndex(row, column);
}

int ListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows();
}

// A list without column headers still shows its rows' texts in the icon view.
int ListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : std::max(1, columns());
}

QVariant ListModel::icon(const ImageList* list, int number) const {
    if (!list || number < 1 || number > list->count()) return {};
    return list->icon(number);
}

QVariant ListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows()) return {};
    const int row = storeIndex(index.row());
    switch (role) {
        case Qt::DisplayRole:
            return rows_.cellText(row, index.column());
        case Qt::DecorationRole:
            return index.column() == 0 ? icon(smallImages_, rows_.smallIcon(row)) : QVariant();
        case Qt::TextAlignmentRole:
            if (index.column() < columns())
                return int(columns_[index.column()].alignment | Qt::AlignVCenter);
            return {};
        case LargeIconRole:
            return icon(largeImages_, rows_.largeIcon(row));
        case KeyRole:
            return rows_.key(row).toString();
        default:
            return {};
    }
}

QVariant ListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columns()) return {};
    if (role == Qt::DisplayRole) return columns_[section].caption;
    if (role == Qt::TextAlignmentRole) return int(columns_[section].alignment | Qt::AlignVCenter);
    return {};
}

// Rows can be selected but never edited in place.
Qt::ItemFlags ListModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

}  // namespace platform
