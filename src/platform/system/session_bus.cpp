// The session bus, asked for only where one is there.
#include "session_bus.h"

#include <QtCore/QFile>
#include <QtCore/QString>

using namespace Qt::StringLiterals;

namespace orbo {

bool SessionBusReachable() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS") ||
           (!runtime.isEmpty() && QFile::exists(runtime + u"/bus"_s));
}

} // namespace orbo
