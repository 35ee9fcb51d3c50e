#include "QtEventPump.h"

#include <QCoreApplication>

namespace platform {

void QtEventPump::processPendingEvents() {
    if (!QCoreApplication::instance()) return;
    if (sinceLast_.isValid() && sinceLast_.nsecsElapsed() < kLeastGapNs) return;
    QCoreApplication::processEvents();
    sinceLast_.start();
}

}  // namespace platform
