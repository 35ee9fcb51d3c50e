#pragma once

namespace platform {

// Lets the window system process its pending events once from inside a handler.
class EventPump {
public:
    virtual ~EventPump() = default;
    virtual void processPendingEvents() = 0;
};

// Processes pending window events once; does nothing until a pump is installed.
void DoEvents();

// Installs the pump used from now on; nullptr restores the no-op. Returns the old one.
EventPump* SetEventPump(EventPump* pump);

}  // namespace platform
