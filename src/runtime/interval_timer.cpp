// The interval timer: deadlines one interval apart, and a fresh start after a long stall.
#include "interval_timer.h"

#include <algorithm>

namespace orbo {

using Clock = IntervalSchedule::Clock;
using std::chrono::milliseconds;

namespace {

constexpr auto kCatchUp = milliseconds(25);

} // namespace

void IntervalSchedule::Start(Clock::time_point now) {
    last_ = now;
}

void IntervalSchedule::Fired(Clock::time_point now) {
    last_ += interval_;
    // A next deadline already more than an interval (at least kCatchUp) past means a long stall:
    // the schedule starts afresh from now instead of firing a burst to make it up.
    if (Deadline() < now - std::max<Clock::duration>(interval_, kCatchUp))
        last_ = now;
}

bool IntervalSchedule::SetInterval(milliseconds interval) {
    interval = std::max(milliseconds(0), interval);
    if (interval == interval_)
        return false;
    interval_ = interval;
    return true;
}

milliseconds IntervalSchedule::Wait(Clock::time_point now) const {
    using namespace std::chrono;
    const auto wait = duration_cast<microseconds>(Deadline() - now).count();
    return milliseconds(std::clamp<long long>((wait + 500) / 1000, 0, interval_.count()));
}

IntervalTimer::IntervalTimer(QObject* parent, Now now) : QObject(parent), now_(std::move(now)) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &IntervalTimer::Fire);
}

void IntervalTimer::setInterval(int milliseconds) {
    if (schedule_.SetInterval(std::chrono::milliseconds(milliseconds)) && timer_.isActive())
        Arm(now_());
}

void IntervalTimer::start() {
    const auto now = now_();
    schedule_.Start(now);
    Arm(now);
}

void IntervalTimer::stop() {
    timer_.stop();
}

void IntervalTimer::resume() {
    Arm(now_());
}

void IntervalTimer::Fire() {
    const auto now = now_();
    schedule_.Fired(now);
    Arm(now);
    Q_EMIT timeout();
}

void IntervalTimer::Arm(Clock::time_point now) {
    timer_.start(static_cast<int>(schedule_.Wait(now).count()));
}

} // namespace orbo
