#pragma once

#include <QElapsedTimer>

#include "platform/EventPump.h"

namespace platform {

// Processes the Qt event queue once, at most once a millisecond: a loop that yields every
// few steps (the list's load yields every 21 rows) would otherwise spend more time
// asking the window system for events than on its own work, and a millisecond's wait
// for an event is far below anything a user can notice.
class QtEventPump final : public EventPump {
public:
    static constexpr qint64 kLeastGapNs = 1'000'000;

    void processPendingEvents() override;

private:
    QElapsedTimer sinceLast_;
};

}  // namespace platform
