#pragma once

#include "FixedClock.h"
#include "platform/Clock.h"

namespace agetest {

// Installs a fixed clock for one test and puts the previous clock back afterwards.
class ClockOverride {
public:
    explicit ClockOverride(platform::DateParts now) : clock_(now) {
        previous_ = platform::SetClock(&clock_);
    }
    ~ClockOverride() { platform::SetClock(previous_); }
    ClockOverride(const ClockOverride&) = delete;
    ClockOverride& operator=(const ClockOverride&) = delete;

private:
    testsupport::FixedClock clock_;
    const platform::Clock* previous_ = nullptr;
};

}  // namespace agetest
