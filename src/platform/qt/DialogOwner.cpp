#include "platform/qt/DialogOwner.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace platform {

namespace {

QPointer<QWidget> g_mainWindow;

bool CanOwn(const QWidget* window) {
    return window && window->isVisible() && window->windowType() != Qt::Popup &&
           window->windowType() != Qt::ToolTip;
}

}  // namespace

QWidget* DialogOwner() {
    if (QWidget* modal = QApplication::activeModalWidget(); CanOwn(modal)) return modal;
    if (QWidget* active = QApplication::activeWindow(); CanOwn(active)) return active;
    return g_mainWindow;
}

void SetMainWindow(QWidget* window) {
    g_mainWindow = window;
}

}  // namespace platform
