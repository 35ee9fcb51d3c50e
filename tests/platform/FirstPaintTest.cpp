#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTest>
#include <QWidget>

#include "platform/qt/FirstPaint.h"

// Work left for after the first paint waits while the widget is not on the screen, then
// runs once, from the event loop, and never again on later paints.
TEST(FirstPaint, RunsTheWorkOnceAfterTheWidgetIsFirstPainted) {
    QWidget widget;
    widget.resize(100, 50);
    int runs = 0;
    bool paintedBefore = false;
    platform::FirstPaint::Then(widget, [&] {
        ++runs;
        paintedBefore = !widget.visibleRegion().isEmpty();
    });
    QCoreApplication::processEvents();
    EXPECT_EQ(runs, 0) << "not shown yet";
    widget.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
    widget.repaint();
    EXPECT_EQ(runs, 0) << "the work waits for the event loop";
    QCoreApplication::processEvents();
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(paintedBefore);
    widget.repaint();
    QCoreApplication::processEvents();
    EXPECT_EQ(runs, 1);
}
