#include "EditorDriver.h"

#include <QApplication>
#include <algorithm>
#include <utility>

namespace maintest {

EditorDriver::EditorDriver(std::function<void(frmAEP&)> action, const frmAEP* ignored)
    : action_(std::move(action)), ignored_(ignored) {
    timer_.setInterval(0);
    connect(&timer_, &QTimer::timeout, this, [this] { tick(); });
    timer_.start();
}

void EditorDriver::tick() {
    QPointer<frmAEP> editor = qobject_cast<frmAEP*>(QApplication::activeModalWidget());
    if (!editor || editor == ignored_ || !editor->isVisible()) return;
    const bool isNew = std::find(seen_.begin(), seen_.end(), editor) == seen_.end();
    if (isNew) seen_.push_back(editor);
    if (isNew && seen_.size() == 1 && action_) action_(*editor);
    if (editor && editor->isVisible()) {
        ++closedByDriver_;
        editor->done(QDialog::Rejected);
    }
}

}  // namespace maintest
