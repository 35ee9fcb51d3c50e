#include "Screen.h"

namespace platform {

namespace {
const ScreenInfo* g_screen = nullptr;
}  // namespace

std::optional<ScreenTwips> PrimaryScreenTwips() {
    if (!g_screen) return std::nullopt;
    return g_screen->primaryScreen();
}

const ScreenInfo* SetScreenInfo(const ScreenInfo* screen) {
    const ScreenInfo* old = g_screen;
    g_screen = screen;
    return old;
}

}  // namespace platform
