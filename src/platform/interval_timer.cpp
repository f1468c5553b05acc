#include "interval_timer.h"

#include <algorithm>

namespace orbo {

using Clock = std::chrono::steady_clock;

namespace {

constexpr auto kCatchUp = std::chrono::milliseconds(25);

} // namespace

IntervalTimer::IntervalTimer(QObject* parent) : QObject(parent) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &IntervalTimer::Fire);
}

void IntervalTimer::setInterval(int milliseconds) {
    interval_ = std::max(0, milliseconds);
    if (timer_.isActive())
        start();
}

void IntervalTimer::start() {
    const auto now = Clock::now();
    deadline_ = now + std::chrono::milliseconds(interval_);
    Arm(now);
}

void IntervalTimer::stop() {
    timer_.stop();
}

void IntervalTimer::Fire() {
    const auto now = Clock::now();
    const auto period = std::chrono::milliseconds(interval_);
    deadline_ += period;
    // A short hiccup is made up for by firing sooner; after a long stall (or a sleeping
    // machine) the timer starts afresh instead of firing a burst.
    if (deadline_ < now - std::max<Clock::duration>(period, kCatchUp))
        deadline_ = now + period;
    Arm(now);
    Q_EMIT timeout();
}

void IntervalTimer::Arm(Clock::time_point now) {
    using namespace std::chrono;
    const auto wait = duration_cast<microseconds>(deadline_ - now).count();
    timer_.start(static_cast<int>(std::clamp<long long>((wait + 500) / 1000, 0, interval_)));
}

} // namespace orbo
