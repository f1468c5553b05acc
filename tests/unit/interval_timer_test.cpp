// The interval schedule's deadlines on a test's own clock.
#include "runtime/interval_timer.h"

#include <gtest/gtest.h>

#include <vector>

namespace orbo {
namespace {

using std::chrono::milliseconds;
using Clock = IntervalSchedule::Clock;

// Points of the test's own steady clock, in milliseconds from its epoch.
Clock::time_point At(int ms) {
    return Clock::time_point(milliseconds(ms));
}
long long Ms(Clock::time_point t) {
    return std::chrono::duration_cast<milliseconds>(t.time_since_epoch()).count();
}

// A 100 ms schedule started at 0 gets a new interval: the next firing is due one new interval
// after the last firing's deadline, at once when that moment has passed.
TEST(IntervalSchedule, ANewIntervalCountsFromTheLastDeadline) {
    struct Row {
        const char* name;
        std::vector<int> firedAt; // each firing came at this time, aimed at the deadline then due
        int changeAt;
        int interval;
        bool changed;
        int deadline;
        int wait; // from the change
    };
    const Row rows[] = {
        {"shorter before the first firing", {}, 30, 50, true, 50, 20},
        {"longer before the first firing", {}, 30, 200, true, 200, 170},
        {"shorter after a late firing", {103}, 130, 50, true, 150, 20},
        {"longer after two firings", {100, 201}, 230, 250, true, 450, 220},
        {"its moment just passed", {100}, 151, 50, true, 150, 0},
        {"its moment is now", {100}, 150, 50, true, 150, 0},
        {"the same interval", {100}, 180, 100, false, 200, 20},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        IntervalSchedule schedule(milliseconds(100));
        schedule.Start(At(0));
        for (const int t : row.firedAt)
            schedule.Fired(At(t));
        EXPECT_EQ(row.changed, schedule.SetInterval(milliseconds(row.interval)));
        EXPECT_EQ(row.interval, schedule.Interval().count());
        EXPECT_EQ(row.deadline, Ms(schedule.Deadline()));
        EXPECT_EQ(row.wait, schedule.Wait(At(row.changeAt)).count());
    }
}

} // namespace
} // namespace orbo
