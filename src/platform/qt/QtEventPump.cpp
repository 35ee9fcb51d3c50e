#include "QtEventPump.h"

#include <QCoreApplication>

namespace platform {

void QtEventPump::processPendingEvents() {
    if (QCoreApplication::instance()) QCoreApplication::processEvents();
}

}  // namespace platform
