// A program of the session that is not Orbo, on the session bus (DBUS_SESSION_BUS_ADDRESS):
//   listen NAME         takes NAME and Orbo's cursor object, and prints a line for each call to it;
//   report NAME X Y     takes NAME, then reports the pointer at X,Y (output 0,0,1200,900, no
//                       button) to the holder of Orbo's cursor name, ten times a second.
// It prints "ready" and its unique name once it holds NAME, and runs until it is ended.
#include <QtCore/QCoreApplication>
#include <QtCore/QTimer>
#include <QtDBus/QDBusConnection>
#include <QtDBus/QDBusConnectionInterface>
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
    const QString mode = args.value(1);
    if (args.size() < 3 || (mode == u"report"_s && args.size() < 5)) {
        std::fprintf(stderr, "usage: orbo-bus-stranger listen NAME | report NAME X Y\n");
        return 2;
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerService(args[2])) {
        std::fprintf(stderr, "orbo-bus-stranger: %s is taken\n", qPrintable(args[2]));
        return 1;
    }
    Listener listener;
    QTimer timer;
    if (mode == u"listen"_s) {
        bus.registerVirtualObject(u"/org/orbo/Cursor"_s, &listener);
    } else {
        const int x = args[3].toInt(), y = args[4].toInt();
        QObject::connect(&timer, &QTimer::timeout, &timer, [&bus, x, y] {
            const QString orbo = bus.interface()->serviceOwner(u"org.orbo.Cursor"_s).value();
            QDBusMessage call = QDBusMessage::createMethodCall(orbo, u"/org/orbo/Cursor"_s,
                                                               u"org.orbo.Cursor"_s, u"Pointer"_s);
            call << x << y << 0 << 0 << 1200 << 900 << 0;
            bus.send(call);
        });
        timer.start(100);
    }
    std::printf("ready %s\n", qPrintable(bus.baseService()));
    std::fflush(stdout);
    return QCoreApplication::exec();
}
