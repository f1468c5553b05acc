// Waiting in tests: for a condition, and readable Qt values in failure messages.
#pragma once

#include <QtCore/QCoreApplication>
#include <QtCore/QEventLoop>
#include <QtCore/QString>

#include <chrono>
#include <functional>
#include <ostream>
#include <thread>

inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace orbo::testing {

// Polls check until it holds or the timeout passes, running any event loop in between. The timeout
// is long: what holds returns at once, and a busy machine may take its time.
inline bool WaitFor(const std::function<bool()>& check,
                    std::chrono::milliseconds timeout = std::chrono::seconds(20)) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!check()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

// Lets whatever is under way arrive: for what must not happen.
inline void Settle(std::chrono::milliseconds time = std::chrono::milliseconds(300)) {
    WaitFor([] { return false; }, time);
}

// The session bus the test program started for itself.
inline QString BusAddress() {
    return qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS");
}

} // namespace orbo::testing
