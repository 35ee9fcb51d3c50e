#pragma once

#include <QWidget>

#include "ListColumn.h"
#include "ListRow.h"
#include "ListRowStore.h"
#include "platform/qt/ImageList.h"

class QAbstractItemView;
class QItemSelectionModel;
class QStackedWidget;

namespace platform {

class ListDetailsView;
class ListIconView;
class ListModel;

// The list control: rows with a key, a text, three sub-item texts and image numbers,
// shown either as details (columns under clickable headers, small images) or as large
// icons (large images with the text below). Both views show the same rows and share
// one selection. Rows are addressed by their shown position, counted from 0.
//
// Events, as signals: `clicked` for a left click anywhere on the list, `doubleClicked`
// for a double click anywhere on it, `columnClicked` with the header's position
// counted from 1, `selectionChanged` whenever the selection may have changed. Texts are
// never edited in place.
class ListView final : public QWidget {
    Q_OBJECT

public:
    enum class ViewMode { LargeIcons, Details };

    explicit ListView(QWidget* parent = nullptr);

    // The image lists stay owned by the caller and must outlive the control.
    void setImageLists(const ImageList* small, const ImageList* large);

    void clearColumns();
    void addColumn(const QString& caption, double widthTwips,
                   Qt::Alignment alignment = Qt::AlignLeft, SortAs sortAs = SortAs::Text);
    int columnCount() const;
    ListColumn column(int index) const;

    void clearRows();
    // Replaces every row with `rows` in one step (sorted when the sorted flag is set).
    void publish(ListRowStore&& rows);
    int rowCount() const;
    QString rowKey(int position) const;
    QString cellText(int position, int column) const;
    double rowBirth(int position) const;  // NaN when the row has none
    std::uint64_t rowStamp(int position) const;  // 0 when the row has none

    // Every row, whether the filter shows it or not, in the order the rows were added.
    const ListRowStore& storedRows() const;
    // The shown position of a row of storedRows(), or -1 when the filter hides it.
    int positionOfStored(int storeRow) const;

    // Shows only the rows whose texts in the filter columns contain `text`, ignoring
    // case and accents; the empty text shows every row. The filter stays through
    // reloads and sorts; a selected row that stays shown stays selected.
    void setFilterColumns(const std::vector<int>& columns);
    void setFilter(const QString& text);
    QString filter() const;

    ViewMode viewMode() const { return viewMode_; }
    void setViewMode(ViewMode mode);

    // SortKey (column from 0), SortOrder and Sorted: while sorted, the rows follow the
    // sort column's texts in the sort order.
    int sortKey() const;
    void setSortKey(int column);
    Qt::SortOrder sortOrder() const;
    void setSortOrder(Qt::SortOrder order);
    bool isSorted() const;
    void setSorted(bool sorted);

    // The selected row's position, or -1 when no row is selected.
    int selectedRow() const;
    void selectRow(int position);  // -1 clears the selection

signals:
    void clicked();
    void doubleClicked();
    void columnClicked(int position);
    // The selection may have changed: by the user, by selectRow, or because the rows
    // were replaced, filtered or sorted.
    void selectionChanged();

private:
    void addView(QAbstractItemView* view);
    void shareSelection();
    void showSortIndicator();

    ListModel* model_;
    QStackedWidget* stack_;
    ListDetailsView* details_;
    ListIconView* icons_;
    QItemSelectionModel* selection_ = nullptr;
    ViewMode viewMode_ = ViewMode::Details;
};

}  // namespace platform
