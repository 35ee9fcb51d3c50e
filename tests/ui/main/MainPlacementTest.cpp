#include <QAction>
#include <QToolButton>
#include <cmath>
#include <filesystem>
#include <string>

#include "FixedScreen.h"
#include "MainWindowFixture.h"
#include "TempDir.h"
#include "platform/Screen.h"
#include "platform/Settings.h"
#include "platform/qt/QtSettings.h"

namespace maintest {

namespace {

// The program's window over a settings file in a temporary folder and a 1024 x 768
// pixel screen.
class MainPlacementTest : public MainWindowFixture {
protected:
    MainPlacementTest() {
        previousSettings_ = platform::SetSettings(&settings_);
        previousScreen_ = platform::SetScreenInfo(&screen_);
    }
    ~MainPlacementTest() override {
        platform::SetScreenInfo(previousScreen_);
        platform::SetSettings(previousSettings_);
    }

    double saved(const char* key) {
        const std::string text = settings_.get("Marrowtide", "Window", key, "absent");
        try {
            return std::stod(text);
        } catch (...) {
            ADD_FAILURE() << key << " was not saved: " << text;
            return NAN;
        }
    }

    void forgetSaved() { std::filesystem::remove(ini_); }

    testsupport::TempDir settingsDir_;
    std::filesystem::path ini_ = settingsDir_.path() / "placement.ini";
    platform::QtSettings settings_{QString::fromStdString(ini_.string())};
    testsupport::FixedScreen screen_{{1024 * 15.0, 768 * 15.0}};
    platform::Settings* previousSettings_ = nullptr;
    const platform::ScreenInfo* previousScreen_ = nullptr;
};

constexpr double kPixel = 15;  // twips

}  // namespace

// The first run opens at the defaults; closing it by the close box or by Exit saves
// the same placement, within the rounding to whole pixels.
TEST_F(MainPlacementTest, FirstRunOpensAtTheDefaultsAndEveryCloseSavesThem) {
    const struct {
        const char* key;
        double twips;
    } defaults[] = {{"Top", 1000}, {"Left", 616}, {"Width", 6990}, {"Height", 4245}};
    for (const char* way : {"close box", "Exit"}) {
        forgetSaved();
        auto window = open();
        show(*window);
        const QRect frame = window->frameGeometry();
        const double opened[] = {frame.top() * kPixel, frame.left() * kPixel,
                                 frame.width() * kPixel, frame.height() * kPixel};
        if (std::string(way) == "Exit")
            window->findChild<QToolButton*>(QStringLiteral("cmdExit"))->click();
        else
            window->close();
        EXPECT_FALSE(window->isVisible()) << way;
        for (int i = 0; i < 4; ++i) {
            EXPECT_NEAR(opened[i], defaults[i].twips, kPixel) << way << " " << defaults[i].key;
            EXPECT_NEAR(saved(defaults[i].key), defaults[i].twips, kPixel)
                << way << " " << defaults[i].key;
        }
    }
}

TEST_F(MainPlacementTest, ReopensWhereItWasClosed) {
    {
        auto window = open();
        show(*window);
        window->setGeometry(window->geometry().translated(20, 30));
        QApplication::processEvents();
        window->close();
    }
    const double top = saved("Top"), left = saved("Left");
    auto window = open();
    show(*window);
    EXPECT_NEAR(window->frameGeometry().top() * kPixel, top, kPixel);
    EXPECT_NEAR(window->frameGeometry().left() * kPixel, left, kPixel);
    EXPECT_NEAR(top, 1000 + 30 * kPixel, kPixel);
}

}  // namespace maintest
