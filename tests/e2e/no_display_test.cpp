// Where no display can be reached the program says so in one line and exits with status 1,
// instead of Qt's abort; a platform that needs no display, chosen explicitly, still runs.
#include <QtCore/QFileInfo>
#include <QtCore/QProcess>
#include <QtCore/QTemporaryDir>

#include <gtest/gtest.h>

namespace orbo::e2e {
namespace {

// A display number no server answers on: no lock file and no socket.
QString DeadDisplay() {
    for (int n = 7000;; ++n) {
        if (!QFileInfo::exists(QStringLiteral("/tmp/.X%1-lock").arg(n)) &&
            !QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n)))
            return QStringLiteral(":%1").arg(n);
    }
}

struct Setting {
    const char* name;
    QString display;        // empty: unset
    QString waylandDisplay; // empty: unset
    QString qpaPlatform;    // empty: unset
};

QProcessEnvironment EnvironmentFor(const Setting& setting, const QString& config) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name :
         {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE", "SESSION_MANAGER"})
        env.remove(QString::fromLatin1(name));
    if (!setting.display.isEmpty())
        env.insert(QStringLiteral("DISPLAY"), setting.display);
    if (!setting.waylandDisplay.isEmpty())
        env.insert(QStringLiteral("WAYLAND_DISPLAY"), setting.waylandDisplay);
    if (!setting.qpaPlatform.isEmpty())
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), setting.qpaPlatform);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
    return env;
}

TEST(NoDisplay, SaysSoInOneLineAndExitsWithOne) {
    const Setting settings[] = {
        {"no DISPLAY", {}, {}, {}},
        {"a DISPLAY no server answers", DeadDisplay(), {}, {}},
        {"Wayland without XWayland", {}, QStringLiteral("wayland-orbo-none"), {}},
        {"xcb asked for, no DISPLAY", {}, {}, QStringLiteral("xcb")},
    };
    for (const Setting& setting : settings) {
        SCOPED_TRACE(setting.name);
        const QTemporaryDir config;
        QProcess orbo;
        orbo.setProcessEnvironment(EnvironmentFor(setting, config.path()));
        orbo.start(QStringLiteral(ORBO_BINARY), {});
        ASSERT_TRUE(orbo.waitForFinished(30000)) << "still running";
        const QByteArray err = orbo.readAllStandardError();
        EXPECT_EQ(orbo.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(orbo.exitCode(), 1);
        EXPECT_EQ(err.count('\n'), 1) << err.toStdString();
        EXPECT_TRUE(err.endsWith('\n') && err.size() > 1) << err.toStdString();
        EXPECT_TRUE(err.contains("display")) << err.toStdString();
    }
}

TEST(NoDisplay, ExplicitOffscreenPlatformStillRuns) {
    const QTemporaryDir config;
    QProcess orbo;
    orbo.setProcessEnvironment(
        EnvironmentFor({"offscreen", {}, {}, QStringLiteral("offscreen")}, config.path()));
    orbo.start(QStringLiteral(ORBO_BINARY), {});
    ASSERT_TRUE(orbo.waitForStarted());
    EXPECT_FALSE(orbo.waitForFinished(2000)) << "ended with status " << orbo.exitCode() << ": "
                                             << orbo.readAllStandardError().toStdString();
    orbo.kill();
    orbo.waitForFinished();
}

} // namespace
} // namespace orbo::e2e
