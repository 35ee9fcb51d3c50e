#include "QtScreen.h"

#include <QGuiApplication>
#include <QScreen>

#include "Twips.h"

namespace platform {

std::optional<ScreenTwips> QtScreen::primaryScreen() const {
    if (!qGuiApp) return std::nullopt;
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return std::nullopt;
    const QRect area = screen->geometry();
    return ScreenTwips{PixelsToTwips(area.width()), PixelsToTwips(area.height())};
}

}  // namespace platform
