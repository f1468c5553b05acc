// What the tests of the desktops that follow a compositor share: they run on a session bus of the
#pragma once

// program's own (compositor_tests_main.cpp) and wait for what the bus brings.

#include <QtCore/QCoreApplication>
#include <QtCore/QEventLoop>
#include <QtCore/QString>

#include <chrono>
#include <functional>

namespace orbo::testing {

inline bool WaitFor(const std::function<bool()>& check,
                    std::chrono::milliseconds timeout = std::chrono::seconds(5)) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!check()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

// Lets whatever is under way arrive: for what must not happen.
inline void Settle(std::chrono::milliseconds time = std::chrono::milliseconds(300)) {
    WaitFor([] { return false; }, time);
}

inline QString BusAddress() {
    return qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS");
}

} // namespace orbo::testing
