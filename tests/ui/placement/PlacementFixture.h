#pragma once

#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QMainWindow>
#include <ostream>

#include "FixedScreen.h"
#include "RecordingSettings.h"
#include "platform/Screen.h"
#include "ui/main/WindowPlacement.h"

// Failures show rectangles as left, top, width x height.
inline void PrintTo(const QRect& r, std::ostream* os) {
    *os << r.left() << ", " << r.top() << ", " << r.width() << " x " << r.height();
}

// A main window that saves its placement however it is closed, as the program's does.
class ClosingWindow final : public QMainWindow {
protected:
    void closeEvent(QCloseEvent* event) override {
        placement::SaveWinSettings(*this);
        QMainWindow::closeEvent(event);
    }
};

// A 1024 x 768 pixel screen (15360 x 11520 twips) and an empty settings store.
class PlacementFixture : public testing::Test {
protected:
    static constexpr int kScreenWidth = 1024, kScreenHeight = 768;

    PlacementFixture() : previousScreen_(platform::SetScreenInfo(&screen_)) {}
    ~PlacementFixture() override { platform::SetScreenInfo(previousScreen_); }

    // A window that has not been placed yet, at a known spot.
    static void PlaceInitially(QWidget& window) {
        window.move(10, 20);
        window.resize(300, 200);
    }

    void putAll(const char* top, const char* left, const char* width, const char* height) {
        settings_.put("Top", top);
        settings_.put("Left", left);
        settings_.put("Width", width);
        settings_.put("Height", height);
    }

    testsupport::FixedScreen screen_{{kScreenWidth * 15.0, kScreenHeight * 15.0}};
    const platform::ScreenInfo* previousScreen_;
    RecordingSettings settings_;
};
