#pragma once

#include <QAbstractTableModel>
#include <QVector>
#include <vector>

#include "ListColumn.h"
#include "ListRowStore.h"
#include "ListSearchIndex.h"
#include "platform/qt/ImageList.h"

namespace platform {

// The data behind both views of the list control: the columns, the rows in the order
// they were added (a ListRowStore) and the order in which they are shown. Sorting
// only permutes that order, so a sort of 100,000 rows moves 400 KB of indexes rather
// than the rows themselves. A filter shows only the rows whose filter columns contain
// its text (ignoring case and accents); the sort still orders every row, so changing
// the filter never sorts again.
class ListModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Role { LargeIconRole = Qt::UserRole + 1, KeyRole };

    explicit ListModel(QObject* parent = nullptr);

    void setImageLists(const ImageList* small, const ImageList* large);

    // Columns
    void clearColumns();
    void addColumn(const ListColumn& column);
    int columns() const { return static_cast<int>(columns_.size()); }
    const ListColumn& column(int index) const { return columns_[index]; }

    // Rows, by their shown position
    void clearRows();
    void publish(ListRowStore&& rows);
    int rows() const { return static_cast<int>((filtering() ? shown_ : order_).size()); }
    ListRow row(int position) const { return rows_.row(storeIndex(position)); }
    QAnyStringView key(int position) const { return rows_.key(storeIndex(position)); }
    QString cellText(int position, int column) const;
    double birth(int position) const { return rows_.birth(storeIndex(position)); }
    std::uint64_t stamp(int position) const { return rows_.stamp(storeIndex(position)); }
    // The row of the store shown at `position`.
    int storeRow(int position) const { return storeIndex(position); }
    // Every row, shown or hidden by the filter, in the order added.
    const ListRowStore& store() const { return rows_; }
    // The shown position of a row of the store, or -1 when the filter hides it.
    int positionOf(int storeRow) const;

    // Filter: an empty text shows every row. The rows' texts are folded for the search
    // the first time a filter needs them after a change of rows, not at every load.
    void setFilterColumns(std::vector<int> columns);
    void setFilter(const QString& text);
    const QString& filter() const { return filter_; }

    // Sorting: while `sorted` is set the rows are kept in the order of the sort column's
    // texts, as its SortAs says.
    int sortKey() const { return sortKey_; }
    Qt::SortOrder sortOrder() const { return sortOrder_; }
    bool isSorted() const { return sorted_; }
    void setSortKey(int column);
    void setSortOrder(Qt::SortOrder order);
    void setSorted(bool sorted);

    // The views ask for every row's index when they lay out (100,000 times for as many
    // people): answered here without the base class's two further virtual calls.
    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

signals:
    void sortChanged();

private:
    // How many rows a load puts in their places at once: more than any screen shows.
    static constexpr int kFirstRows = 1024;

    bool filtering() const { return !needle_.isEmpty(); }
    const std::vector<int>& shown() const {
        settleOrder();
        return filtering() ? shown_ : order_;
    }
    int storeIndex(int position) const {
        if (position >= settled_) settleOrder();
        return (filtering() ? shown_ : order_)[static_cast<std::size_t>(position)];
    }
    void settleOrder() const;
    std::vector<int> filtered(const std::vector<int>& order) const;
    void refilter();
    SortAs sortAs() const;
    std::vector<int> sortedOrder() const;
    void resetOrder();
    void sortNow();
    void applyOrder(std::vector<int> order);
    QVariant icon(const ImageList* list, int number) const;

    QVector<ListColumn> columns_;
    ListRowStore rows_;
    // Every row in the sort order: index in rows_. A load sorts only the rows it shows
    // first (the first `settled_`); the others follow when a place beyond them, or the
    // whole order, is first asked for.
    mutable std::vector<int> order_;
    mutable int settled_ = 0;
    std::vector<int> shown_;     // while filtering: the rows of order_ that match
    std::vector<char> matches_;  // while filtering: one flag per row of rows_
    std::vector<int> filterColumns_;
    ListSearchIndex search_;
    QString filter_;
    QString needle_;  // the filter folded
    const ImageList* smallImages_ = nullptr;
    const ImageList* largeImages_ = nullptr;
    int sortKey_ = 0;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
    bool sorted_ = false;
};

}  // namespace platform
