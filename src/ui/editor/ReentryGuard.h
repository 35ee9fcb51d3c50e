#pragma once

// Marks a handler as running for as long as the guard lives, so that a handler
// reached again through the event pump while the first run is still going (a second
// click processed during a save) can see it and back off.
class ReentryGuard {
public:
    explicit ReentryGuard(bool& busy) : busy_(busy) { busy_ = true; }
    ~ReentryGuard() { busy_ = false; }
    ReentryGuard(const ReentryGuard&) = delete;
    ReentryGuard& operator=(const ReentryGuard&) = delete;

private:
    bool& busy_;
};
