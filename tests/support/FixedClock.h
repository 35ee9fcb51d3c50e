#pragma once

#include "platform/Clock.h"

namespace testsupport {

// A clock that always answers the time it was given.
class FixedClock final : public platform::Clock {
public:
    explicit FixedClock(platform::ClockReading t) : t_(t) {}
    platform::ClockReading now() const override { return t_; }
    void set(platform::ClockReading t) { t_ = t; }

private:
    platform::ClockReading t_;
};

}  // namespace testsupport
