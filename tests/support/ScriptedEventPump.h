#pragma once

#include <functional>

#include "platform/EventPump.h"

namespace testsupport {

// An event pump that, instead of processing window events, counts its calls and runs a
// test's action on chosen ones: the way to make "something happened while the handler
// let events through" happen at exactly that moment. Installs itself for its lifetime.
class ScriptedEventPump final : public platform::EventPump {
public:
    // Only counts.
    ScriptedEventPump() : previous_(platform::SetEventPump(this)) {}
    // Runs `action` on each of the first `times` calls.
    explicit ScriptedEventPump(std::function<void()> action, int times = 1) : ScriptedEventPump() {
        action_ = std::move(action);
        last_ = times;
    }
    ~ScriptedEventPump() override { platform::SetEventPump(previous_); }
    ScriptedEventPump(const ScriptedEventPump&) = delete;
    ScriptedEventPump& operator=(const ScriptedEventPump&) = delete;

    // Runs `action` on call number `call` alone (counted from 1).
    void actOnCall(int call, std::function<void()> action) {
        first_ = last_ = call;
        action_ = std::move(action);
    }

    void processPendingEvents() override {
        ++calls_;
        if (calls_ >= first_ && calls_ <= last_ && action_) action_();
    }
    int calls() const { return calls_; }

private:
    platform::EventPump* previous_;
    std::function<void()> action_;
    int first_ = 1;
    int last_ = 0;
    int calls_ = 0;
};

}  // namespace testsupport
