#pragma once

#include <QtCore/QObject>
#include <QtCore/QTimer>

#include <chrono>

namespace orbo {

// The forms run-time's Timer: fires every Interval milliseconds. A periodic QTimer re-arms from
// the moment it fired, so each late wake-up is lost for good (at a 1 ms interval, a tenth of
// the firings). This one aims every firing at a deadline, which keeps the average rate at the
// interval; after a stall, or when the interval changes, it starts afresh from now.
class IntervalTimer : public QObject {
    Q_OBJECT

public:
    explicit IntervalTimer(QObject* parent = nullptr);

    int interval() const { return interval_; }
    // Takes effect at once, also while running.
    void setInterval(int milliseconds);
    void start();
    void stop();
    bool isActive() const { return timer_.isActive(); }

Q_SIGNALS:
    void timeout();

private:
    void Fire();
    void Arm(std::chrono::steady_clock::time_point now);

    QTimer timer_;
    int interval_ = 100;
    std::chrono::steady_clock::time_point deadline_{};
};

} // namespace orbo
