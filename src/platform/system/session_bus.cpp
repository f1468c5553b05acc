// The session bus, asked for only where one is there.
#include "session_bus.h"

#include <QtCore/QFile>
#include <QtCore/QString>

using namespace Qt::StringLiterals;

namespace orbo {

namespace {

// An address the bus library refuses at once, where its default would launch a daemon.
constexpr char kNoBus[] = "disabled:";

} // namespace

bool SessionBusReachable() {
    if (qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS"))
        return qgetenv("DBUS_SESSION_BUS_ADDRESS") != kNoBus;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFile::exists(runtime + u"/bus"_s);
}

void KeepOffAbsentSessionBus() {
#if !defined(Q_OS_WIN)
    if (!SessionBusReachable())
        qputenv("DBUS_SESSION_BUS_ADDRESS", kNoBus);
#endif
}

} // namespace orbo
