#pragma once

#include <QSize>
#include <QStyledItemDelegate>

namespace platform {

// Draws a row of the large-icon view: the row's large image with its text centred
// below. Every cell has the same size, so the view never measures 100,000 texts to
// lay itself out.
class ListIconDelegate final : public QStyledItemDelegate {
    Q_OBJECT

public:
    ListIconDelegate(QSize cellSize, QSize iconSize, QObject* parent = nullptr);

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

private:
    QSize cellSize_;
    QSize iconSize_;
};

}  // namespace platform
