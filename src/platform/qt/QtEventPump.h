#pragma once

#include "platform/EventPump.h"

namespace platform {

// Processes the Qt event queue once.
class QtEventPump final : public EventPump {
public:
    void processPendingEvents() override;
};

}  // namespace platform
