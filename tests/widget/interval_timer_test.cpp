// The interval timer's Qt side: a new interval re-arms from the last deadline, a late firing
// aims at the one it missed.
#include "runtime/interval_timer.h"

#include "clock_points.h"

#include <QtTest/QSignalSpy>

#include <gtest/gtest.h>

namespace orbo {
namespace {

TEST(IntervalTimer, ANewIntervalRearmsFromTheLastDeadline) {
    IntervalSchedule::Clock::time_point now = At(0);
    IntervalTimer timer(nullptr, [&now] { return now; });
    timer.setInterval(100);
    timer.start();
    now = At(45);
    timer.setInterval(200);
    EXPECT_EQ(200, Ms(timer.nextFiring()));
    now = At(230);
    QSignalSpy fired(&timer, &IntervalTimer::timeout);
    ASSERT_TRUE(fired.wait(5000));
    EXPECT_EQ(400, Ms(timer.nextFiring()));
    EXPECT_TRUE(timer.isActive());
}

} // namespace
} // namespace orbo
