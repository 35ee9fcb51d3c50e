#pragma once

namespace platform {

// One reading of the clock: the local calendar date and time of day, to the whole second.
struct ClockReading {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// Where "now" comes from: the system clock in the program, a fixed time in tests.
class Clock {
public:
    virtual ~Clock() = default;
    // The local date and time of day, to the whole second.
    virtual ClockReading now() const = 0;
};

// The system's local date and time.
class SystemClock final : public Clock {
public:
    ClockReading now() const override;
};

// The current local date and time from the installed clock (the system clock by default).
ClockReading Now();

// Installs the clock used from now on; nullptr restores the system clock. Returns the old one.
const Clock* SetClock(const Clock* clock);

}  // namespace platform
