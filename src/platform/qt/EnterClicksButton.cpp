#include "platform/qt/EnterClicksButton.h"

#include <QAbstractButton>
#include <QKeyEvent>

namespace platform {

EnterClicksButton::EnterClicksButton(QAbstractButton& button) : QObject(&button), button_(button) {
    button.installEventFilter(this);
}

bool EnterClicksButton::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &button_ || event->type() != QEvent::KeyPress) return false;
    const auto& key = static_cast<const QKeyEvent&>(*event);
    const bool enter = key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
    if (!enter || (key.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
    if (button_.isEnabled()) button_.click();
    return true;
}

}  // namespace platform
