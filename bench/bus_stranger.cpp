// A program of the session that is not Orbo, on the session bus (DBUS_SESSION_BUS_ADDRESS):
// "listen NAME" takes NAME and Orbo's cursor object, and prints a line for each call to it. It
// prints "ready" and its unique name once it holds NAME, and runs until it is ended.
#include <QtCore/QCoreApplication>
#include <QtDBus/QDBusConnection>
#include <QtDBus/QDBusMessage>
#include <QtDBus/QDBusVirtualObject>

#include <cstdio>

namespace {

using namespace Qt::StringLiterals;

class Listener : public QDBusVirtualObject {
public:
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        std::printf("call %s from %s\n", qPrintable(message.member()),
                    qPrintable(message.service()));
        std::fflush(stdout);
        connection.send(message.createReply(QVariant::fromValue(76u)));
        return true;
    }
    QString introspect(const QString&) const override { return {}; }
};

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3 || args[1] != u"listen"_s) {
        std::fprintf(stderr, "usage: orbo-bus-stranger listen NAME\n");
        return 2;
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerService(args[2])) {
        std::fprintf(stderr, "orbo-bus-stranger: %s is taken\n", qPrintable(args[2]));
        return 1;
    }
    Listener listener;
    bus.registerVirtualObject(u"/org/orbo/Cursor"_s, &listener);
    std::printf("ready %s\n", qPrintable(bus.baseService()));
    std::fflush(stdout);
    return QCoreApplication::exec();
}
