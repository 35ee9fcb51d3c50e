// The Qt pump lets events through at its first yield and after a pause, but a burst of
// yields only now and then.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QObject>
#include <thread>

#include "platform/qt/QtEventPump.h"

namespace {

// Posts an event and yields once; true when the yield let the events waiting through.
bool YieldLetsThrough(platform::QtEventPump& pump, QObject& receiver, int& ran) {
    const int before = ran;
    QMetaObject::invokeMethod(&receiver, [&ran] { ++ran; }, Qt::QueuedConnection);
    pump.processPendingEvents();
    return ran > before;
}

TEST(QtEventPump, LetsEventsThroughAtTheFirstYieldAndAfterAPause) {
    platform::QtEventPump pump;
    QObject receiver;
    int ran = 0;
    EXPECT_TRUE(YieldLetsThrough(pump, receiver, ran));
    std::this_thread::sleep_for(std::chrono::nanoseconds(2 * pump.kLeastGapNs));
    EXPECT_TRUE(YieldLetsThrough(pump, receiver, ran));
}

// A thousand yields in a row take far less than the half second that would let half of
// them through.
TEST(QtEventPump, LetsABurstOfYieldsThroughOnlyNowAndThen) {
    platform::QtEventPump pump;
    QObject receiver;
    int ran = 0, through = 0;
    for (int i = 0; i < 1000; ++i) through += YieldLetsThrough(pump, receiver, ran) ? 1 : 0;
    EXPECT_GE(through, 1);
    EXPECT_LT(through, 500);
    QCoreApplication::sendPostedEvents(&receiver);
    EXPECT_EQ(ran, 1000);  // the others wait for the next yield or the event loop
}

}  // namespace
