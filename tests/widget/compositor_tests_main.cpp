// The compositor desktops' tests: a session bus and a runtime folder (where the KWin desktop
// writes its script) of the program's own, named before anything asks for one.
#include <QtCore/QCoreApplication>
#include <QtCore/QProcess>
#include <QtCore/QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    using namespace Qt::StringLiterals;
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    QProcess bus;
    bus.start(u"dbus-daemon"_s, {u"--session"_s, u"--nofork"_s, u"--print-address=1"_s});
    if (!bus.waitForReadyRead(20000))
        qFatal("dbus-daemon did not start");
    qputenv("DBUS_SESSION_BUS_ADDRESS", bus.readLine().trimmed());
    const int result = RUN_ALL_TESTS();
    bus.terminate();
    bus.waitForFinished();
    return result;
}
