#pragma once

#include "platform/Clock.h"

namespace testsupport {

// A clock that always answers the time it was given.
class FixedClock final : public platform::Clock {
public:
    explicit FixedClock(platform::DateParts t) : t_(t) {}
    platform::DateParts now() const override { return t_; }
    void set(platform::DateParts t) { t_ = t; }

private:
    platform::DateParts t_;
};

}  // namespace testsupport
