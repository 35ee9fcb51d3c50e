#include "ListIconDelegate.h"

#include "ListModel.h"

namespace platform {

ListIconDelegate::ListIconDelegate(QSize cellSize, QSize iconSize, QObject* parent)
    : QStyledItemDelegate(parent), cellSize_(cellSize), iconSize_(iconSize) {}

QSize ListIconDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const {
    return cellSize_;
}

void ListIconDelegate::initStyleOption(QStyleOptionViewItem* option,
                                       const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    const QVariant large = index.data(ListModel::LargeIconRole);
    option->icon = large.isValid() ? large.value<QIcon>() : QIcon();
    option->features |= QStyleOptionViewItem::HasDecoration | QStyleOptionViewItem::WrapText;
    option->decorationSize = iconSize_;
    option->decorationPosition = QStyleOptionViewItem::Top;
    option->decorationAlignment = Qt::AlignHCenter | Qt::AlignVCenter;
    option->displayAlignment = Qt::AlignHCenter | Qt::AlignTop;
    option->textElideMode = Qt::ElideRight;
}

}  // namespace platform
