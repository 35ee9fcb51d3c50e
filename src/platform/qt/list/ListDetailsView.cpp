#include "ListDetailsView.h"

#include <QHeaderView>
#include <QMouseEvent>

namespace platform {

ListDetailsView::ListDetailsView(QWidget* parent) : QTreeView(parent) {
    setObjectName(QStringLiteral("LvwDetails"));
    setEditTriggers(NoEditTriggers);
    setSelectionMode(SingleSelection);
    setSelectionBehavior(SelectRows);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);  // lets the view skip measuring every row
    setAllColumnsShowFocus(true);
    setIconSize(QSize(16, 16));
    setTextElideMode(Qt::ElideRight);
    header()->setSectionsClickable(true);
    header()->setSectionsMovable(false);
    header()->setStretchLastSection(false);
}

void ListDetailsView::mouseReleaseEvent(QMouseEvent* event) {
    QTreeView::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton) emit leftClicked();
}

void ListDetailsView::mouseDoubleClickEvent(QMouseEvent* event) {
    QTreeView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton) emit leftDoubleClicked();
}

}  // namespace platform
