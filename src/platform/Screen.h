#pragma once

#include <optional>

namespace platform {

// The size of the whole primary screen in twips (task bars included).
struct ScreenTwips {
    double width = 0;
    double height = 0;
};

// Where the screen size comes from: the windowing system in the program, a fixed
// size in tests.
class ScreenInfo {
public:
    virtual ~ScreenInfo() = default;
    // Empty when the windowing system has no screen to report.
    virtual std::optional<ScreenTwips> primaryScreen() const = 0;
};

// The primary screen's size from the installed source; empty while none is installed,
// so callers can skip what depends on it instead of working with a made-up size.
std::optional<ScreenTwips> PrimaryScreenTwips();

// Installs the source used from now on; nullptr removes it. Returns the one installed before.
const ScreenInfo* SetScreenInfo(const ScreenInfo* screen);

}  // namespace platform
