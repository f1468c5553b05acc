// One creature per session, and the command line.
#include "e2e_env.h"

#include <QtCore/QElapsedTimer>
#include <QtCore/QFileInfo>
#include <QtCore/QStandardPaths>
#include <QtDBus/QDBusConnection>
#include <QtDBus/QDBusMessage>

#include <gtest/gtest.h>

#include <csignal>
#include <thread>

namespace orbo::e2e {
namespace {

int CreaturesShown() {
    int count = 0;
    for (const unsigned long window : Probe().ShownWindows())
        count += Probe().Title(window) == kTitle ? 1 : 0;
    return count;
}

TEST(Session, SecondStartBringsTheFirstBack) {
    // Stored far left of the screen, the creature starts at its left edge.
    const QMap<QString, QString> atTheEdge{{u"Left"_s, u"-15000"_s}, {u"Top"_s, Twips(600)}};
    {
        OrboRun crashed;
        ASSERT_TRUE(crashed.WriteSettings(atTheEdge) && crashed.Start());
        crashed.Signal(SIGKILL);
        ASSERT_EQ(std::optional<int>(-1), crashed.WaitExit());
    }
    const unsigned long below = Probe().CreatePlainWindow(QRect(0, 500, 300, 268));
    OrboRun first;
    ASSERT_TRUE(first.WriteSettings(atTheEdge) && first.Start())
        << "a crashed Orbo kept the next from starting";
    ASSERT_EQ(QPoint(0, 600), first.Geometry().topLeft());

    // "Let clicks through": a click on the creature reaches the window below while the eyes go
    // on following the pointer; kept across a restart.
    const QPoint on(37, 630);
    const auto clickReachesBelow = [&] {
        Probe().ButtonPresses(below);
        Click(on);
        return Probe().ButtonPresses(below) > 0;
    };
    EXPECT_FALSE(clickReachesBelow()) << "the creature let a click through";
    ASSERT_TRUE(UseMenu(on, u"Let &clicks through"_s)) << "no popup menu";
    EXPECT_TRUE(WaitFor(clickReachesBelow)) << "the click did not reach the window below";
    const QImage eyes = Probe().Grab(first.Geometry());
    Probe().MovePointer(1000, 0);
    EXPECT_TRUE(WaitFor([&] { return Probe().Grab(first.Geometry()) != eyes; }))
        << "the eyes stopped following";
    // What an installer asks of it: to end as Exit ends it, saving its settings.
    const auto exit = [&] {
        return RunOnDisplay(u"dbus-send"_s,
                            {u"--session"_s, u"--print-reply"_s, u"--dest=org.orbo.Orbo"_s,
                             u"/org/orbo/Orbo"_s, u"org.orbo.Orbo.Exit"_s}) &&
               first.WaitExit() == std::optional<int>(0);
    };
    ASSERT_TRUE(exit());
    EXPECT_EQ(13, first.ReadSettings().size()); // every stored choice
    EXPECT_EQ(u"True", first.ReadSettings().value(u"clickthrough"_s));
    ASSERT_TRUE(first.Start());
    EXPECT_TRUE(WaitFor(clickReachesBelow)) << "not kept across a restart";

    // Shown, it stays where it stands, and takes clicks again, which it says; off every monitor,
    // it comes back onto one, saved at once.
    const auto secondStart = [] {
        const auto second = OrboRun().Run({});
        return second && second->Status == 0;
    };
    ASSERT_TRUE(secondStart()) << "the second start did not hand over";
    EXPECT_TRUE(Probe().WaitMapped(u"Orbo"_s, std::chrono::seconds(30)))
        << "nothing said clicks reach it again";
    std::this_thread::sleep_for(std::chrono::seconds(1));
    EXPECT_EQ(QPoint(0, 600), first.Geometry().topLeft()) << "a second start moved it";
    EXPECT_FALSE(clickReachesBelow()) << "clicks still pass through after a second start";
    ASSERT_TRUE(RunOnDisplay(
        u"xdotool"_s, {u"windowmove"_s, QString::number(first.Window()), u"3000"_s, u"2000"_s}));
    ASSERT_TRUE(WaitFor([&] { return first.Geometry().topLeft() == QPoint(3000, 2000); }));
    ASSERT_TRUE(secondStart());
    QRect back;
    EXPECT_TRUE(WaitFor([&] { return QRect(QPoint(), kScreen).contains(back = first.Geometry()); }))
        << ::testing::PrintToString(back);
    EXPECT_TRUE(WaitFor([&] {
        const auto saved = first.ReadSettings();
        return saved.value(u"left"_s) == Twips(back.x()) &&
               saved.value(u"top"_s) == Twips(back.y());
    })) << "the place was not saved";
    EXPECT_EQ(1, CreaturesShown());
    // --toggle, as a desktop's own key runs it: hidden, then shown where it was; no second one.
    for (const int shown : {0, 1}) {
        const auto toggled = OrboRun().Run({u"--toggle"_s});
        ASSERT_TRUE(toggled && toggled->Status == 0);
        EXPECT_TRUE(WaitFor([&] { return CreaturesShown() == shown; })) << shown;
    }
    EXPECT_EQ(back.topLeft(), first.Geometry().topLeft());

    // A flood of second starts, none waiting for its answer, leaves the next one answered at once.
    const QDBusMessage bringBack = QDBusMessage::createMethodCall(
        u"org.orbo.Orbo"_s, u"/org/orbo/Orbo"_s, u"org.orbo.Orbo"_s, u"BringBack"_s);
    QDBusConnection bus = QDBusConnection::sessionBus();
    for (int i = 0; i < 20000; ++i)
        bus.send(bringBack);
    QElapsedTimer answer;
    answer.start();
    EXPECT_EQ(QDBusMessage::ReplyMessage, bus.call(bringBack, QDBus::Block, 60000).type());
    EXPECT_LT(answer.elapsed(), 1000) << "the next start waited behind the flood";

    ASSERT_TRUE(exit());
    EXPECT_EQ(u"False", first.ReadSettings().value(u"clickthrough"_s));
}

// With no session bus Orbo starts no bus daemon; and as a second start cannot reach the first to
// turn "Let clicks through" off, no start lets clicks through.
TEST(Session, NoSessionBusLaunchesNoDaemonAndLetsNoClicksThrough) {
    // Else nothing could launch a daemon, and the test could not fail.
    ASSERT_FALSE(QStandardPaths::findExecutable(u"dbus-launch"_s).isEmpty());
    ASSERT_FALSE(Display().isEmpty());
    QTemporaryDir home, runtime;
    const QMap<QString, QString> noBus{{u"DBUS_SESSION_BUS_ADDRESS"_s, {}},
                                       {u"XDG_RUNTIME_DIR"_s, runtime.path()},
                                       {u"HOME"_s, home.path()}};
    const unsigned long below = Probe().CreatePlainWindow(QRect(QPoint(), kScreen));
    OrboRun runs[2];
    for (OrboRun& run : runs) {
        // Above the middle of the screen, where the message shows.
        const QMap<QString, QString> stored{{u"ClickThrough"_s, u"True"_s}, {u"Top"_s, Twips(100)}};
        ASSERT_TRUE(run.WriteSettings(stored) && run.Start(noBus));
        Probe().ButtonPresses(below);
        Click(run.Geometry().center());
        EXPECT_EQ(0, Probe().ButtonPresses(below)) << "the click passed through";
    }
    EXPECT_FALSE(QFileInfo::exists(home.filePath(u".dbus"_s))) << "a bus daemon was launched";
}

// --help and --version need no display; with none, or none that answers, one line says so.
TEST(Session, HelpAndVersionNeedNoDisplay) {
    const OrboRun run;
    const QString version = u"orbo " ORBO_VERSION "\n"_s;
    const struct {
        const char* Name;
        QStringList Arguments;
        int Status;
        QStringList Out; // all of them in the output, which is empty when there are none
        QString Err;
        const char* Set = nullptr; // NAME=value
        bool Display = false;      // else no display of any kind
    } rows[] = {
        {"--version", {u"--version"_s}, 0, {version}, {}},
        {"-v after another", {u"-x"_s, u"-v"_s}, 0, {version}, {}},
        {"--help", {u"--help"_s}, 0, {u"--version"_s, run.SettingsFile(), run.SkinsFolder()}, {}},
        {"--help in German", {u"--help"_s}, 0, {u"Aufruf: orbo"_s}, {}, "LANG=de_DE.UTF-8"},
        {"an unknown option", {u"--bogus"_s}, 2, {}, u"\"--bogus\""_s, nullptr, true},
        {"in Spanish", {u"--bogus"_s}, 2, {}, u"desconocido «--bogus»"_s, "LANG=es_ES.UTF-8", true},
        {"no DISPLAY", {}, 1, {}, u"display"_s},
        {"a DISPLAY no server answers", {}, 1, {}, u"display"_s, "DISPLAY=:7391"},
        {"-display", {u"-display"_s, u":7391"_s}, 1, {}, u"open display \":7391"_s, nullptr, true},
        {"a platform that fails Qt", {}, 1, {}, u"orbo: "_s, "QT_QPA_PLATFORM=none", true},
        {"Wayland without XWayland", {}, 1, {}, u"display"_s, "WAYLAND_DISPLAY=wayland-orbo-none"},
        {"xcb asked for, no DISPLAY", {}, 1, {}, u"display"_s, "QT_QPA_PLATFORM=xcb"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        QMap<QString, QString> environment;
        if (!row.Display)
            environment = {
                {u"DISPLAY"_s, {}}, {u"QT_QPA_PLATFORM"_s, {}}, {u"XDG_SESSION_TYPE"_s, {}}};
        if (row.Set)
            environment.insert(QString::fromUtf8(row.Set).section(u'=', 0, 0),
                               QString::fromUtf8(row.Set).section(u'=', 1));
        const auto ended = run.Run(row.Arguments, environment);
        ASSERT_TRUE(ended) << "still running";
        EXPECT_EQ(row.Status, ended->Status);
        EXPECT_EQ(row.Out.isEmpty(), ended->Out.isEmpty()) << ended->Out.toStdString();
        for (const QString& text : row.Out)
            EXPECT_TRUE(ended->Out.contains(text)) << text.toStdString();
        // Without a display, in one line (Qt may add its own warnings on one).
        EXPECT_TRUE(row.Err.isEmpty()
                        ? ended->Err.isEmpty()
                        : ended->Err.contains(row.Err) && ended->Err.endsWith(u'\n') &&
                              (row.Display || ended->Err.count(u'\n') == 1))
            << ended->Err.toStdString();
    }
    EXPECT_EQ(0, CreaturesShown());
}

} // namespace
} // namespace orbo::e2e
