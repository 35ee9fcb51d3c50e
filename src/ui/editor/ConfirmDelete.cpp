#include "ui/editor/ConfirmDelete.h"

#include <QCoreApplication>

#include "platform/MessageBox.h"
#include "platform/RunStep.h"
#include "store/PersonStore.h"

namespace editor {

namespace {

constexpr const char* kNotDeletedMessage = QT_TRANSLATE_NOOP(
    "frmAEP",
    "This person was changed or deleted outside this window since the list was loaded, so "
    "nothing was deleted. The list is loaded again.");

void TellNotDeleted() {
    platform::MsgBox(QCoreApplication::translate("frmAEP", kNotDeletedMessage).toStdString(),
                     platform::Buttons::OkOnly | platform::Icon::Exclamation,
                     platform::kProgramTitle);
}

}  // namespace

DeleteAnswer ConfirmAndDeletePerson(std::int32_t key, std::optional<store::PersonStamp> rowAsRead) {
    const QString question =
        QCoreApplication::translate("frmAEP", "Delete this Entry?\r\n\r\nAre you sure");
    const QString title = QCoreApplication::translate("frmAEP", "Delete this Entry?");
    const auto answer =
        platform::MsgBox(question.toStdString(),
                         platform::Buttons::YesNo | platform::Icon::Question, title.toStdString());
    if (answer != platform::MsgAnswer::Yes) return DeleteAnswer::Declined;
    auto outcome = modAgeCalc::DeleteOutcome::Failed;
    platform::RunStep([&] { outcome = modAgeCalc::DeletePerson(key, rowAsRead); });
    if (outcome != modAgeCalc::DeleteOutcome::ChangedOutside) return DeleteAnswer::Deleted;
    platform::RunStep(TellNotDeleted);
    return DeleteAnswer::ChangedOutside;
}

}  // namespace editor
