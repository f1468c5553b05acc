// The interval timer on Qt's event loop: a new interval counts from the last deadline.
#include "runtime/interval_timer.h"

#include "clock_points.h"

#include <QtTest/QSignalSpy>

#include <gtest/gtest.h>

namespace orbo {
namespace {

// The Qt timer over the schedule, on a clock the test moves: a new interval re-arms it from
// the last deadline, and a late firing aims the next one at the deadline it missed.
TEST(IntervalTimer, ANewIntervalCountsFromTheLastDeadline) {
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
