#pragma once

#include "platform/Clock.h"

namespace testsupport {

// A clock that always answers the time it was given.
class FixedClock final : public platform::Clock {
public:
    explicit FixedClock(modAgeCalc::DateParts t) : t_(t) {}
    modAgeCalc::DateParts now() const override { return t_; }
    void set(modAgeCalc::DateParts t) { t_ = t; }

private:
    modAgeCalc::DateParts t_;
};

}  // namespace testsupport
