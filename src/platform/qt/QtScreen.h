#pragma once

#include "platform/Screen.h"

namespace platform {

// The primary screen as Qt reports it: its full geometry, task bars included.
class QtScreen final : public ScreenInfo {
public:
    std::optional<ScreenTwips> primaryScreen() const override;
};

}  // namespace platform
