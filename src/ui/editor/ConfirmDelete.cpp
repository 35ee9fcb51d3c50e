#include "ui/editor/ConfirmDelete.h"

#include <QCoreApplication>

#include "platform/MessageBox.h"
#include "platform/RunStep.h"
#include "store/PersonStore.h"

namespace editor {

bool ConfirmAndDeletePerson(std::int32_t key) {
    const QString question =
        QCoreApplication::translate("frmAEP", "Delete this Entry?\r\n\r\nAre you sure");
    const QString title = QCoreApplication::translate("frmAEP", "Delete this Entry?");
    const auto answer =
        platform::MsgBox(question.toStdString(),
                         platform::Buttons::YesNo | platform::Icon::Question, title.toStdString());
    if (answer != platform::MsgAnswer::Yes) return false;
    platform::RunStep([key] { modAgeCalc::DeleteRecord("tblAges", "lngID", key); });
    return true;
}

}  // namespace editor
