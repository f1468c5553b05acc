// The forms run-time's Timer, whose firings keep to their deadlines.
#pragma once

#include <QtCore/QObject>
#include <QtCore/QTimer>

#include <chrono>
#include <functional>

namespace orbo {

// When the firings of a timer are due, for a clock the caller reads. Each firing is aimed at a
// deadline one interval after the previous one's, so late wake-ups do not add up; a new
// interval counts from the last firing's deadline (before the first firing: from the start),
// so a quick run of changes neither holds the firings back nor bunches them up.
class IntervalSchedule {
public:
    using Clock = std::chrono::steady_clock;

    explicit IntervalSchedule(std::chrono::milliseconds interval) : interval_(interval) {}

    std::chrono::milliseconds Interval() const { return interval_; }
    Clock::time_point Deadline() const { return last_ + interval_; }
    // Counts the first interval from now.
    void Start(Clock::time_point now);
    // The firing aimed at Deadline() has come, at now; aims the next one. After a long stall
    // (or a sleeping machine) it starts afresh from now instead of firing a burst.
    void Fired(Clock::time_point now);
    // The next firing comes at the last deadline plus the new interval. False, and nothing
    // changes, when the interval is the one already set.
    bool SetInterval(std::chrono::milliseconds interval);
    // Whole milliseconds from now to the next firing: 0 when it is due or past.
    std::chrono::milliseconds Wait(Clock::time_point now) const;

private:
    std::chrono::milliseconds interval_;
    Clock::time_point last_{};
};

// The forms run-time's Timer: fires every Interval milliseconds. A periodic QTimer re-arms from
// the moment it fired, so each late wake-up is lost for good (at a 1 ms interval, a tenth of
// the firings); this one keeps to the deadlines of an IntervalSchedule.
class IntervalTimer : public QObject {
    Q_OBJECT

public:
    using Now = std::function<IntervalSchedule::Clock::time_point()>;
    // now: the clock the deadlines are read on; tests give their own.
    explicit IntervalTimer(QObject* parent = nullptr, Now now = DefaultNow());

    int interval() const { return static_cast<int>(schedule_.Interval().count()); }
    // Also while running, counted from the last firing's deadline (see IntervalSchedule).
    void setInterval(int milliseconds);
    void start();
    void stop();
    // Starts again on the schedule it stopped on: at the deadline it had, or at once when that
    // has passed.
    void resume();
    bool isActive() const { return timer_.isActive(); }
    // When the next firing is due.
    IntervalSchedule::Clock::time_point nextFiring() const { return schedule_.Deadline(); }

Q_SIGNALS:
    void timeout();

private:
    static Now DefaultNow() {
        return [] { return IntervalSchedule::Clock::now(); };
    }
    void Fire();
    void Arm(IntervalSchedule::Clock::time_point now);

    Now now_;
    QTimer timer_;
    IntervalSchedule schedule_{std::chrono::milliseconds(100)};
};

} // namespace orbo
