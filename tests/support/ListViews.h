#pragma once

#include "platform/qt/list/ListDetailsView.h"
#include "platform/qt/list/ListIconView.h"
#include "platform/qt/list/ListModel.h"
#include "platform/qt/list/ListView.h"

namespace testsupport {

// The list control's two inner views, for tests that click or type into one of them.
inline platform::ListDetailsView* DetailsViewOf(const platform::ListView* list) {
    return list->findChild<platform::ListDetailsView*>();
}
inline platform::ListIconView* IconViewOf(const platform::ListView* list) {
    return list->findChild<platform::ListIconView*>();
}

// Everything the list holds for the row shown at `position`.
inline platform::ListRow RowOf(const platform::ListView* list, int position) {
    const auto* model = qobject_cast<const platform::ListModel*>(DetailsViewOf(list)->model());
    return model->row(position);
}

}  // namespace testsupport
