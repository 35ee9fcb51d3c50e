#pragma once

#include <functional>

#include "platform/EventPump.h"

// An event pump that, instead of processing window events, runs a test's action the
// first `times` it is called: the way to make "something happened while the handler
// let events through" happen at exactly that moment. Installs itself for its
// lifetime.
class ScriptedEventPump final : public platform::EventPump {
public:
    explicit ScriptedEventPump(std::function<void()> action, int times = 1)
        : action_(std::move(action)), times_(times), previous_(platform::SetEventPump(this)) {}
    ~ScriptedEventPump() override { platform::SetEventPump(previous_); }
    ScriptedEventPump(const ScriptedEventPump&) = delete;
    ScriptedEventPump& operator=(const ScriptedEventPump&) = delete;

    void processPendingEvents() override {
        if (++calls_ <= times_ && action_) action_();
    }
    int calls() const { return calls_; }

private:
    std::function<void()> action_;
    int times_;
    platform::EventPump* previous_;
    int calls_ = 0;
};
