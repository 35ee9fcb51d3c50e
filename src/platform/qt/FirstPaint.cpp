#include "platform/qt/FirstPaint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace platform {

FirstPaint::FirstPaint(QWidget& widget, std::function<void()> work)
    : QObject(&widget), work_(std::move(work)) {
    widget.installEventFilter(this);
}

void FirstPaint::Then(QWidget& widget, std::function<void()> work) {
    new FirstPaint(widget, std::move(work));
}

// The work waits for the next round of the event loop, so the paint (and that of the
// widget's children, which follows the widget's own) reaches the screen first.
bool FirstPaint::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && watched == parent()) {
        watched->removeEventFilter(this);
        QTimer::singleShot(0, parent(), std::move(work_));
        deleteLater();
    }
    return false;
}

}  // namespace platform
