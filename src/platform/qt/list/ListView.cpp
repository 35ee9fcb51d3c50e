#include "ListView.h"

#include <QHeaderView>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "ListDetailsView.h"
#include "ListIconView.h"
#include "ListModel.h"
#include "platform/qt/Twips.h"

namespace platform {

ListView::ListView(QWidget* parent)
    : QWidget(parent),
      model_(new ListModel(this)),
      stack_(new QStackedWidget(this)),
      details_(new ListDetailsView(stack_)),
      icons_(new ListIconView(stack_)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(stack_);
    addView(details_);
    addView(icons_);
    shareSelection();
    setFocusPolicy(Qt::StrongFocus);
    connect(details_->header(), &QHeaderView::sectionClicked, this,
            [this](int logical) { emit columnClicked(logical + 1); });
    connect(details_, &ListDetailsView::leftClicked, this, &ListView::clicked);
    connect(icons_, &ListIconView::leftClicked, this, &ListView::clicked);
    connect(details_, &ListDetailsView::leftDoubleClicked, this, &ListView::doubleClicked);
    connect(icons_, &ListIconView::leftDoubleClicked, this, &ListView::doubleClicked);
    setViewMode(ViewMode::Details);
    connect(model_, &ListModel::sortChanged, this, &ListView::showSortIndicator);
    // A reset clears the selection without a word from the selection model.
    connect(selection_, &QItemSelectionModel::selectionChanged, this, &ListView::selectionChanged);
    connect(model_, &QAbstractItemModel::modelReset, this, &ListView::selectionChanged);
    connect(model_, &QAbstractItemModel::layoutChanged, this, &ListView::selectionChanged);
}

void ListView::addView(QAbstractItemView* view) {
    view->setModel(model_);
    stack_->addWidget(view);
}

void ListView::shareSelection() {
    selection_ = details_->selectionModel();
    QItemSelectionModel* own = icons_->selectionModel();
    icons_->setSelectionModel(selection_);
    delete own;
}

void ListView::setImageLists(const ImageList* small, const ImageList* large) {
    model_->setImageLists(small, large);
}

void ListView::clearColumns() {
    model_->clearColumns();
}

void ListView::addColumn(const QString& caption, double widthTwips, Qt::Alignment alignment,
                         SortAs sortAs) {
    model_->addColumn({caption, widthTwips, alignment, sortAs});
    // The model's reset forgets section sizes, so every width is set again.
    for (int i = 0; i < model_->columns(); ++i)
        details_->header()->resizeSection(i, TwipsToPixels(model_->column(i).widthTwips));
}

int ListView::columnCount() const {
    return model_->columns();
}

ListColumn ListView::column(int index) const {
    if (index < 0 || index >= model_->columns()) return {};
    ListColumn c = model_->column(index);
    c.widthTwips = PixelsToTwips(details_->header()->sectionSize(index));
    return c;
}

void ListView::clearRows() {
    model_->clearRows();
}

void ListView::publish(ListRowStore&& rows) {
    model_->publish(std::move(rows));
}

int ListView::rowCount() const {
    return model_->rows();
}

QString ListView::rowKey(int position) const {
    if (position < 0 || position >= rowCount()) return {};
    return model_->key(position).toString();
}

QString ListView::cellText(int position, int column) const {
    if (position < 0 || position >= rowCount()) return {};
    return model_->cellText(position, column);
}

double ListView::rowBirth(int position) const {
    if (position < 0 || position >= rowCount()) return ListRow::kNoBirth;
    return model_->birth(position);
}

std::uint64_t ListView::rowStamp(int position) const {
    if (position < 0 || position >= rowCount()) return 0;
    return model_->stamp(position);
}

const ListRowStore& ListView::storedRows() const {
    return model_->store();
}

int ListView::positionOfStored(int storeRow) const {
    return model_->positionOf(storeRow);
}

void ListView::setFilterColumns(const std::vector<int>& columns) {
    model_->setFilterColumns(columns);
}

// The model starts afresh on a new filter, which drops the selection; the row that
// was selected is selected again when the new filter still shows it.
void ListView::setFilter(const QString& text) {
    const int selected = selectedRow();
    const int storeRow = selected >= 0 ? model_->storeRow(selected) : -1;
    model_->setFilter(text);
    if (storeRow >= 0) selectRow(model_->positionOf(storeRow));
}

QString ListView::filter() const {
    return model_->filter();
}

void ListView::setViewMode(ViewMode mode) {
    QAbstractItemView* next = mode == ViewMode::Details ? static_cast<QAbstractItemView*>(details_)
                                                        : static_cast<QAbstractItemView*>(icons_);
    const bool hadFocus = hasFocus();
    viewMode_ = mode;
    stack_->setCurrentWidget(next);
    setFocusProxy(next);
    if (hadFocus) next->setFocus();
}

int ListView::sortKey() const {
    return model_->sortKey();
}
void ListView::setSortKey(int column) {
    model_->setSortKey(column);
}
Qt::SortOrder ListView::sortOrder() const {
    return model_->sortOrder();
}
void ListView::setSortOrder(Qt::SortOrder order) {
    model_->setSortOrder(order);
}
bool ListView::isSorted() const {
    return model_->isSorted();
}
void ListView::setSorted(bool sorted) {
    model_->setSorted(sorted);
}

void ListView::showSortIndicator() {
    QHeaderView* header = details_->header();
    header->setSortIndicatorShown(model_->isSorted());
    if (model_->isSorted()) header->setSortIndicator(model_->sortKey(), model_->sortOrder());
}

int ListView::selectedRow() const {
    const QModelIndexList rows = selection_->selectedRows(0);
    return rows.isEmpty() ? -1 : rows.front().row();
}

void ListView::selectRow(int position) {
    if (position < 0 || position >= rowCount()) {
        selection_->clear();
        return;
    }
    selection_->setCurrentIndex(model_->index(position, 0),
                                QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

}  // namespace platform
