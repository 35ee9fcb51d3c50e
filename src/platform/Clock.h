#pragma once

#include "platform/DateParts.h"

namespace platform {

// Where "now" comes from: the system clock in the program, a fixed time in tests.
class Clock {
public:
    virtual ~Clock() = default;
    // The local date and time of day, to the whole second.
    virtual DateParts now() const = 0;
};

// The system's local date and time.
class SystemClock final : public Clock {
public:
    DateParts now() const override;
};

// The current local date and time from the installed clock (the system clock by default).
DateParts Now();

// Installs the clock used from now on; nullptr restores the system clock. Returns the old one.
const Clock* SetClock(const Clock* clock);

}  // namespace platform
