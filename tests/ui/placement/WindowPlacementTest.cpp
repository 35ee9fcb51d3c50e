#include <QApplication>

#include "PlacementFixture.h"

namespace {

using WindowPlacement = PlacementFixture;

TEST_F(WindowPlacement, FirstRunOpensAtTheDefaultsWithTheFrameIncluded) {
    ClosingWindow window;
    placement::LoadWinSettings(window);
    // 1000 and 616 twips are 66.7 and 41.1 pixels: positions go to the nearest pixel.
    const QRect expected(41, 67, 466, 283);
    EXPECT_EQ(window.frameGeometry(), expected);

    window.show();
    QApplication::processEvents();
    EXPECT_EQ(window.frameGeometry(), expected);
    EXPECT_LT(window.size().width(), expected.width()) << "the frame was not taken off";
    EXPECT_EQ(window.windowState(), Qt::WindowNoState);
}

TEST_F(WindowPlacement, OpensInTheNormalStateWhateverStateItHadBefore) {
    for (const auto state : {Qt::WindowMaximized, Qt::WindowMinimized, Qt::WindowFullScreen}) {
        ClosingWindow window;
        window.setWindowState(state);
        placement::LoadWinSettings(window);
        EXPECT_EQ(window.windowState(), Qt::WindowNoState) << state;
    }
}

TEST_F(WindowPlacement, PositionsRoundToTheNearestPixelAndStayPutOnceSaved) {
    const struct {
        const char* left;
        int pixels;
        const char* saved;
    } cases[] = {
        {"7.4", 0, "0"},    {"7.5", 1, "15"},     {"22.5", 2, "30"},
        {"616", 41, "615"}, {"1000", 67, "1005"}, {"1005", 67, "1005"},
    };
    for (const auto& c : cases) {
        settings_.put("Left", c.left);
        for (int run = 0; run < 2; ++run) {
            ClosingWindow window;
            placement::LoadWinSettings(window);
            EXPECT_EQ(window.frameGeometry().left(), c.pixels) << c.left << " run " << run;
            placement::SaveWinSettings(window);
            EXPECT_EQ(settings_.value("Left"), c.saved) << c.left << " run " << run;
        }
    }
}

TEST_F(WindowPlacement, CorrectsTheLoadedPlacementAgainstTheScreen) {
    // Screen: 15360 x 11520 twips. Screen - 100 twips is 1017 x 761 pixels.
    const struct {
        const char* what;
        const char *top, *left, *width, *height;
        QRect outer;
    } cases[] = {
        {"as saved", "1500", "3000", "6000", "4500", {200, 100, 400, 300}},
        {"top above the screen", "-200", "3000", "6000", "4500", {200, 0, 400, 300}},
        {"top below the screen", "11535", "3000", "6000", "4500", {200, 0, 400, 300}},
        {"top at the bottom edge", "11520", "3000", "6000", "4500", {200, 768, 400, 300}},
        {"left of the screen", "1500", "-15", "6000", "4500", {0, 100, 400, 300}},
        {"left beyond the screen", "1500", "15375", "6000", "4500", {0, 100, 400, 300}},
        {"left at the right edge", "1500", "15360", "6000", "4500", {1024, 100, 400, 300}},
        {"wider than the screen", "1500", "3000", "15375", "4500", {200, 100, 1017, 300}},
        {"as wide as the screen", "1500", "3000", "15360", "4500", {200, 100, 1024, 300}},
        {"higher than the screen", "1500", "3000", "6000", "11535", {200, 100, 400, 761}},
        {"as high as the screen", "1500", "3000", "6000", "11520", {200, 100, 400, 768}},
        {"all off", "99999", "-1", "99999", "99999", {0, 0, 1017, 761}},
    };
    for (const auto& c : cases) {
        putAll(c.top, c.left, c.width, c.height);
        ClosingWindow window;
        placement::LoadWinSettings(window);
        EXPECT_EQ(window.frameGeometry(), c.outer) << c.what;
    }
}

// A position that is no number stays where the window was; a size gets its default
// outer extent (4245 twips high, 6990 wide), not whatever the window had.
TEST_F(WindowPlacement, AValueThatIsNotANumberAffectsThatDimensionOnly) {
    for (const char* bad : {"", "abc", "12px"}) {
        putAll("1500", "3000", "6000", bad);
        ClosingWindow window;
        PlaceInitially(window);
        placement::LoadWinSettings(window);
        EXPECT_EQ(window.frameGeometry(), QRect(200, 100, 400, 283)) << '"' << bad << '"';
    }
    putAll("1500", "junk", "", "4500");
    ClosingWindow window;
    PlaceInitially(window);
    placement::LoadWinSettings(window);
    EXPECT_EQ(window.frameGeometry(), QRect(10, 100, 466, 300));
}

// A window under 100 pixels either way could not be found on screen; loading and
// saving give that extent its default instead.
TEST_F(WindowPlacement, ASizeUnderAHundredPixelsGetsTheDefault) {
    const struct {
        const char *width, *height;
        QSize outer;
    } cases[] = {
        {"0", "4500", {466, 300}},    {"6000", "0", {400, 283}},  {"1490", "1", {466, 283}},
        {"1500", "1500", {100, 100}}, {"-0", "14", {466, 283}},
    };
    for (const auto& c : cases) {
        putAll("1500", "3000", c.width, c.height);
        ClosingWindow window;
        placement::LoadWinSettings(window);
        window.show();
        QApplication::processEvents();
        EXPECT_EQ(window.frameGeometry().size(), c.outer) << c.width << " x " << c.height;
    }
    ClosingWindow window;
    placement::LoadWinSettings(window);
    window.show();
    window.resize(40, 60);
    placement::SaveWinSettings(window);
    EXPECT_EQ(settings_.value("Width"), "6990");
    EXPECT_EQ(settings_.value("Height"), "4245");
}

TEST_F(WindowPlacement, ValuesNoWindowCanTakeAreSkipped) {
    const struct {
        const char *top, *width;
    } cases[] = {{"1e12", "-600"}, {"-1e12", "1e12"}, {"1e300", "-1e300"}};
    for (const auto& c : cases) {
        putAll(c.top, "3000", c.width, "4500");
        ClosingWindow window;
        PlaceInitially(window);
        placement::LoadWinSettings(window);
        EXPECT_EQ(window.frameGeometry(), QRect(200, 20, 300, 300)) << c.top << ' ' << c.width;
    }
}

TEST_F(WindowPlacement, AStoreThatFailsOnOneKeySkipsOnlyThatStep) {
    putAll("1500", "3000", "6000", "4500");
    settings_.throwOn("Top");
    ClosingWindow window;
    PlaceInitially(window);
    placement::LoadWinSettings(window);
    EXPECT_EQ(window.frameGeometry(), QRect(200, 20, 400, 300));

    settings_.clearFaults();
    settings_.refuse("Left");
    settings_.throwOn("Width");
    placement::SaveWinSettings(window);
    ASSERT_EQ(settings_.saved().size(), 2u);
    EXPECT_EQ(settings_.saved()[0].key, "Top");
    EXPECT_EQ(settings_.saved()[1].key, "Height");
}

TEST_F(WindowPlacement, WritesTopLeftWidthHeightInOrderAsWholeNumbers) {
    ClosingWindow window;
    placement::LoadWinSettings(window);
    placement::SaveWinSettings(window);
    const char* keys[] = {"Top", "Left", "Width", "Height"};
    const char* texts[] = {"1005", "615", "6990", "4245"};
    ASSERT_EQ(settings_.saved().size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        const auto& saved = settings_.saved()[i];
        EXPECT_EQ(saved.application, "Marrowtide");
        EXPECT_EQ(saved.section, "Window");
        EXPECT_EQ(saved.key, keys[i]);
        EXPECT_EQ(saved.text, texts[i]);
    }
}

TEST_F(WindowPlacement, ClosingSavesWhatAnExplicitSaveSaves) {
    std::vector<RecordingSettings::Saved> byClose, bySave;
    {
        ClosingWindow window;
        placement::LoadWinSettings(window);
        window.show();
        window.move(200, 150);
        window.resize(500, 300);
        window.close();
        byClose = settings_.saved();
    }
    settings_.clearSaved();
    ClosingWindow window;
    placement::LoadWinSettings(window);
    window.show();
    window.move(200, 150);
    window.resize(500, 300);
    placement::SaveWinSettings(window);
    bySave = settings_.saved();

    ASSERT_EQ(byClose.size(), 4u);
    ASSERT_EQ(bySave.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(byClose[i].key, bySave[i].key);
        EXPECT_EQ(byClose[i].text, bySave[i].text);
    }
    EXPECT_EQ(settings_.value("Top"), "2250");
    EXPECT_EQ(settings_.value("Left"), "3000");
    const QSize outer = window.frameGeometry().size();
    EXPECT_EQ(settings_.value("Width"), std::to_string(outer.width() * 15));
    EXPECT_EQ(settings_.value("Height"), std::to_string(outer.height() * 15));
}

TEST_F(WindowPlacement, AWindowLargerThanTheScreenWithItsFrameOffTheTopLeftReopensOnIt) {
    {
        ClosingWindow window;
        placement::LoadWinSettings(window);
        window.show();
        // As a maximised window's frame lies: past the screen's edges on every side.
        const QSize frame = window.frameGeometry().size() - window.size();
        window.move(-8, -8);
        window.resize(QSize(kScreenWidth + 16, kScreenHeight + 16) - frame);
        ASSERT_EQ(window.frameGeometry(), QRect(-8, -8, kScreenWidth + 16, kScreenHeight + 16));
        window.close();
    }
    EXPECT_EQ(settings_.value("Top"), "0");
    EXPECT_EQ(settings_.value("Left"), "0");
    EXPECT_EQ(settings_.value("Width"), "15255");   // 1017 pixels
    EXPECT_EQ(settings_.value("Height"), "11415");  // 761 pixels

    ClosingWindow reopened;
    reopened.setWindowState(Qt::WindowMaximized);
    placement::LoadWinSettings(reopened);
    reopened.show();
    QApplication::processEvents();
    EXPECT_EQ(reopened.windowState(), Qt::WindowNoState);
    EXPECT_EQ(reopened.frameGeometry(), QRect(0, 0, 1017, 761));
}

TEST_F(WindowPlacement, TheWindowDoesNotGrowFromRunToRun) {
    putAll("1500", "3000", "6000", "4500");
    for (int run = 0; run < 3; ++run) {
        ClosingWindow window;
        placement::LoadWinSettings(window);
        window.show();
        QApplication::processEvents();
        EXPECT_EQ(window.frameGeometry(), QRect(200, 100, 400, 300)) << "run " << run;
        window.close();
        EXPECT_EQ(settings_.value("Width"), "6000") << "run " << run;
        EXPECT_EQ(settings_.value("Height"), "4500") << "run " << run;
    }
}

TEST_F(WindowPlacement, LoadingIntoAShownWindowSizesItsOuterRectangle) {
    putAll("1500", "3000", "6000", "4500");
    ClosingWindow window;
    window.show();
    QApplication::processEvents();
    placement::LoadWinSettings(window);
    EXPECT_EQ(window.frameGeometry(), QRect(200, 100, 400, 300));
}

TEST_F(WindowPlacement, AWindowCreatedBeforeLoadingTakesItsFrameOffOnce) {
    putAll("1500", "3000", "6000", "4500");
    ClosingWindow window;
    window.winId();  // the native window exists, though not yet shown
    placement::LoadWinSettings(window);
    window.show();
    QApplication::processEvents();
    EXPECT_EQ(window.frameGeometry(), QRect(200, 100, 400, 300));
}

TEST_F(WindowPlacement, AResizeBeforeTheFirstShowWinsOverTheFrameFit) {
    putAll("1500", "3000", "6000", "4500");
    ClosingWindow window;
    placement::LoadWinSettings(window);
    window.resize(350, 250);  // the program's own choice, after the placement
    window.show();
    QApplication::processEvents();
    EXPECT_EQ(window.size(), QSize(350, 250));
}

}  // namespace
