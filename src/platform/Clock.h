#pragma once

namespace platform {

// A local calendar date and time of day, to the whole second.
struct LocalDateTime {
    int year = 1899;
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// Where "now" comes from: the system clock in the program, a fixed time in tests.
class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalDateTime now() const = 0;
};

// The system's local date and time.
class SystemClock final : public Clock {
public:
    LocalDateTime now() const override;
};

// Always answers the time it was given.
class FixedClock final : public Clock {
public:
    explicit FixedClock(LocalDateTime t) : t_(t) {}
    LocalDateTime now() const override { return t_; }
    void set(LocalDateTime t) { t_ = t; }

private:
    LocalDateTime t_;
};

// The current local date and time from the installed clock (the system clock by default).
LocalDateTime Now();

// Installs the clock used from now on; nullptr restores the system clock. Returns the old one.
const Clock* SetClock(const Clock* clock);

}  // namespace platform
