#pragma once

#include "platform/Screen.h"

namespace testsupport {

// A screen of the size it was given.
class FixedScreen final : public platform::ScreenInfo {
public:
    explicit FixedScreen(platform::ScreenTwips size) : size_(size) {}
    std::optional<platform::ScreenTwips> primaryScreen() const override { return size_; }

private:
    platform::ScreenTwips size_;
};

}  // namespace testsupport
