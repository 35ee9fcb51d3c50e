#include "platform/qt/ToolWindowKeys.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QShortcut>
#include <QWidget>

namespace platform {

ToolWindowKeys::ToolWindowKeys(QWidget& toolWindow) : QObject(&toolWindow), window_(toolWindow) {
    // Keys go to whichever widget of the window has the focus, so the whole application
    // is watched; only events for this window's widgets are looked at.
    qApp->installEventFilter(this);
}

bool ToolWindowKeys::inToolWindow(QObject* watched) const {
    const auto* widget = qobject_cast<QWidget*>(watched);
    return widget && widget->window() == &window_;
}

bool ToolWindowKeys::isOwnShortcut(const QKeyEvent& key) const {
    const QKeySequence pressed(key.keyCombination());
    QList<QAction*> actions = window_.actions();
    actions += window_.findChildren<QAction*>();
    for (const QAction* action : actions)
        if (action->isEnabled() && action->shortcuts().contains(pressed)) return true;
    for (const QShortcut* shortcut : window_.findChildren<QShortcut*>())
        if (shortcut->isEnabled() && shortcut->keys().contains(pressed)) return true;
    return false;
}

bool ToolWindowKeys::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if ((type != QEvent::ShortcutOverride && type != QEvent::KeyPress) || !inToolWindow(watched))
        return false;
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (type == QEvent::ShortcutOverride) {
        // Claiming the key for the focused widget keeps every other window's shortcut
        // from seeing it; it then arrives as an ordinary key press.
        if (isOwnShortcut(key)) return false;
        event->accept();
        return true;
    }
    if (key.key() == Qt::Key_Escape && key.modifiers() == Qt::NoModifier) {
        window_.close();
        return true;
    }
    return false;
}

}  // namespace platform
