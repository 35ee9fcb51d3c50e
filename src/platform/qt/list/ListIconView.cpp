#include "ListIconView.h"

#include <QMouseEvent>

#include "ListIconDelegate.h"

namespace platform {

namespace {
constexpr QSize kLargeIcon(32, 32);
// Room for a large icon and two short lines of text, about the platform's own spacing.
constexpr QSize kCell(76, 66);
}  // namespace

ListIconView::ListIconView(QWidget* parent) : QListView(parent) {
    setObjectName(QStringLiteral("LvwIcons"));
    setEditTriggers(NoEditTriggers);
    setSelectionMode(SingleSelection);
    setSelectionBehavior(SelectRows);  // selects the same whole rows as the details view
    setViewMode(ListMode);
    setFlow(LeftToRight);
    setWrapping(true);
    setResizeMode(Adjust);
    setMovement(Static);
    setLayoutMode(SinglePass);
    setUniformItemSizes(true);
    setIconSize(kLargeIcon);
    setItemDelegate(new ListIconDelegate(kCell, kLargeIcon, this));
}

void ListIconView::mouseReleaseEvent(QMouseEvent* event) {
    QListView::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton) emit leftClicked();
}

void ListIconView::mouseDoubleClickEvent(QMouseEvent* event) {
    QListView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton) emit leftDoubleClicked();
}

}  // namespace platform
