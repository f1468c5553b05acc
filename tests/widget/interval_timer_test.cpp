#include "platform/interval_timer.h"

#include "../unit/clock_points.h"

#include <QtTest/QSignalSpy>

#include <gtest/gtest.h>

namespace orbo {
namespace {

using std::chrono::milliseconds;
using Clock = IntervalSchedule::Clock;

// On a clock the test moves: every new interval counts from the last firing's deadline (the
// start, then the firing), never from the moment it is set.
TEST(IntervalTimer, ANewIntervalCountsFromTheLastDeadline) {
    Clock::time_point now = At(0);
    IntervalTimer timer(nullptr, [&now] { return now; });
    timer.setInterval(100);
    timer.start();
    struct Row {
        int at, interval, next;
    };
    for (const Row& row : {Row{30, 50, 50}, Row{40, 50, 50}, Row{45, 200, 200}}) {
        now = At(row.at);
        timer.setInterval(row.interval);
        EXPECT_EQ(Ms(timer.nextFiring()), row.next) << row.at;
    }
    // A firing that comes late, at 230: the next is one interval after the deadline it was
    // aimed at (200), not after the moment it came.
    now = At(230);
    QSignalSpy fired(&timer, &IntervalTimer::timeout);
    ASSERT_TRUE(fired.wait(5000));
    EXPECT_EQ(Ms(timer.nextFiring()), 400);
    now = At(260);
    timer.setInterval(80);
    EXPECT_EQ(Ms(timer.nextFiring()), 280);
    EXPECT_TRUE(timer.isActive());
}

} // namespace
} // namespace orbo
