// A session bus of the test program's own, named in DBUS_SESSION_BUS_ADDRESS while it runs.
#pragma once

#include <QtCore/QProcess>

namespace orbo::testing {

class SessionBus {
public:
    SessionBus() {
        process_.start(QStringLiteral("dbus-daemon"),
                       {QStringLiteral("--session"), QStringLiteral("--nofork"),
                        QStringLiteral("--print-address=1")});
        if (!process_.waitForReadyRead(20000))
            qFatal("dbus-daemon did not start");
        qputenv("DBUS_SESSION_BUS_ADDRESS", process_.readLine().trimmed());
    }
    ~SessionBus() {
        process_.terminate();
        process_.waitForFinished();
    }

private:
    QProcess process_;
};

} // namespace orbo::testing
