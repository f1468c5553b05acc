// The program in a KDE Plasma Wayland session: KWin nested in the test's Xvfb, the program on
// KWin's XWayland. XTest moves on the Xvfb move KWin's pointer, and the Xvfb shows the session.
#include "e2e_env.h"

#include <QtCore/QJsonArray>
#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>
#include <QtCore/QStandardPaths>

#include <gtest/gtest.h>

#include <csignal>
#include <iostream>
#include <optional>
#include <vector>

namespace orbo::e2e {
namespace {

constexpr QSize kSession(1200, 900);

// tests/e2e/nested-wayland's session ("kwin" or "gnome") on the test's display.
class NestedSession {
public:
    NestedSession(const QString& kind, const QStringList& options) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"DISPLAY"_s, Display());
        process_.setProcessEnvironment(env);
        process_.setProcessChannelMode(QProcess::MergedChannels);
        process_.setStandardOutputFile(folder_.filePath(u"session.log"_s));
        process_.start(QStringLiteral(ORBO_SOURCE_DIR "/tests/e2e/nested-wayland"),
                       QStringList{kind, folder_.path()} + options);
        QFile file(folder_.filePath(u"env"_s));
        // A busy machine may take long to start a compositor that draws in software.
        if (!WaitFor([&] { return file.exists(); }, std::chrono::seconds(120)) ||
            !file.open(QIODevice::ReadOnly))
            return;
        for (const QByteArray& line : file.readAll().split('\n'))
            if (const qsizetype eq = line.indexOf('='); eq > 0)
                environment_.insert(QString::fromUtf8(line.left(eq)),
                                    QString::fromUtf8(line.mid(eq + 1)));
        // GNOME Shell's XWayland lets in only the holders of its cookie.
        if (environment_.contains(u"XAUTHORITY"_s))
            qputenv("XAUTHORITY", environment_.value(u"XAUTHORITY"_s).toLocal8Bit());
    }
    ~NestedSession() {
        process_.terminate();
        if (!process_.waitForFinished(10000))
            process_.kill();
        process_.waitForFinished();
    }
    bool Ready() const { return !environment_.value(u"WAYLAND_DISPLAY"_s).isEmpty(); }
    QString XDisplay() const { return environment_.value(u"DISPLAY"_s); }
    // DISPLAY, WAYLAND_DISPLAY and XDG_RUNTIME_DIR of a program in the session.
    const QMap<QString, QString>& Environment() const { return environment_; }
    // The session's own file of that name (for GNOME Shell, "gsettings" changes its settings).
    QString File(const QString& name) const { return folder_.filePath(name); }
    QString Log() const { return QString::fromUtf8(Contents(folder_.filePath(u"session.log"_s))); }

private:
    QTemporaryDir folder_;
    QProcess process_;
    QMap<QString, QString> environment_;
};

const QString kNoticeTitle = u"Orbo - Where the eyes look"_s;

// A call to KWin's scripting about Orbo's script: its reply's value, or nothing.
std::optional<QString> Scripting(const QString& method) {
    const auto reply =
        RunToEnd(u"dbus-send"_s,
                 {u"--session"_s, u"--print-reply=literal"_s, u"--dest=org.kde.KWin"_s,
                  u"/Scripting"_s, u"org.kde.kwin.Scripting."_s + method, u"string:orbo-cursor"_s});
    return reply ? std::optional(reply->simplified().section(u' ', -1)) : std::nullopt;
}

// The test's skin (tests/e2e/skins/Kinds) at the screen's top-left corner, its ticks logged.
QString StartInSession(OrboRun& run, const NestedSession& kwin, const XProbe& windows,
                       const QMap<QString, QString>& settings = {}) {
    run.UseDisplay(kwin.XDisplay(), windows);
    QMap<QString, QString> environment = kwin.Environment();
    environment.insert(kPaceLog);
    return StartWithSkin(run, u"Kinds"_s, kKindsSamples, environment, settings);
}

// A native Wayland window over most of the session, below the creature, which says when it
// shows and when the pointer is over it.
class WaylandWindow {
public:
    explicit WaylandWindow(const NestedSession& kwin) {
        QStringList command{u"-u"_s, u"DISPLAY"_s, u"QT_QPA_PLATFORM=wayland"_s};
        for (auto it = kwin.Environment().begin(); it != kwin.Environment().end(); ++it)
            if (it.key() != u"DISPLAY"_s)
                command << it.key() + u'=' + it.value();
        process_.setStandardErrorFile(QProcess::nullDevice());
        process_.start(u"env"_s, command << QStringLiteral(ORBO_PLAIN_WINDOW_BINARY));
    }
    ~WaylandWindow() {
        process_.kill();
        process_.waitForFinished();
    }
    // Whether the pointer at p is over it: moved there again until it is, since a window that
    // only now shows under a still pointer may not be told.
    bool HasPointer(QPoint p) {
        return WaitFor([this, p] {
            Probe().MovePointer(p.x(), p.y());
            process_.waitForReadyRead(50);
            said_ += process_.readAllStandardOutput();
            return said_.endsWith("in\n");
        });
    }
    bool Pressed() {
        return WaitFor([this] {
            process_.waitForReadyRead(50);
            said_ += process_.readAllStandardOutput();
            return said_.contains("pressed\n");
        });
    }
    bool Shown() {
        return WaitFor(
            [this] {
                process_.waitForReadyRead(50);
                said_ += process_.readAllStandardOutput();
                return said_.contains("shown\n");
            },
            std::chrono::seconds(20));
    }

private:
    QProcess process_;
    QByteArray said_;
};

// How the creature differs from the checker's rendering, where the session put it (GNOME Shell
// keeps it off its top bar).
std::string Rendering(const XProbe& windows, const OrboRun& run, const QString& skin, QPoint cursor,
                      const QString& name, const char* buttons = "0,0,0") {
    const QPoint at = windows.Geometry(run.Window()).value_or(QRect()).topLeft();
    return WaitForRendering(run.Window(), skin, cursor, name, buttons, 1, kSession, 100, at,
                            windows);
}

// The eyes look at the pointer at each place (over the Wayland window if given).
void ExpectFollows(const XProbe& windows, OrboRun& run, const QString& skin, const QString& name,
                   const std::vector<QPoint>& shown, WaylandWindow* native = nullptr) {
    for (const QPoint p : shown) {
        const QString place = u"%1-%2-%3"_s.arg(name).arg(p.x()).arg(p.y());
        SCOPED_TRACE(place.toStdString());
        Probe().MovePointer(p.x(), p.y());
        ASSERT_TRUE(!native || native->HasPointer(p))
            << "the pointer is not over the Wayland window";
        EXPECT_EQ("", Rendering(windows, run, skin, p, place));
    }
}

// Moves the pointer to and fro along a line for a while, a step every 200 ms.
void MoveFor(std::chrono::milliseconds time) {
    const auto end = std::chrono::steady_clock::now() + time;
    for (int i = 0; std::chrono::steady_clock::now() < end; ++i) {
        Probe().MovePointer(200 + 40 * (i % 20), 300 + 10 * (i % 2));
        WaitFor([] { return false; }, std::chrono::milliseconds(200));
    }
}

// How long the eyes took to follow the pointer moved to `to`, less what the check itself takes
// (rendering the expected picture), timed again on the place the eyes then look at.
std::chrono::milliseconds TimeToFollow(const XProbe& windows, OrboRun& run, const QString& skin,
                                       const QString& name, QPoint to) {
    const auto timed = [&] {
        const auto start = std::chrono::steady_clock::now();
        ExpectFollows(windows, run, skin, name, {to});
        return std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now() - start);
    };
    const auto followed = timed();
    const auto check = timed();
    std::cerr << name.toStdString() << ": followed in " << followed.count() << " ms, the check "
              << check.count() << " ms\n";
    return followed - check;
}

// Left alone, the creature dozes, its eyes below it, and draws nothing more; a move to `wake` (over
// the Wayland window if given) wakes it, the eyes on the pointer.
void ExpectDozesAndWakes(const XProbe& windows, OrboRun& run, const QString& skin,
                         const QString& name, QPoint wake, WaylandWindow* native = nullptr) {
    const QPoint below = BelowCreature(windows.Geometry(run.Window()).value_or(QRect()));
    EXPECT_EQ("", Rendering(windows, run, skin, below, name + u"-dozing"_s, "1,1,1"));
    const Wakes dozing = CountWakes(run);
    WaitFor([] { return false; }, std::chrono::seconds(5));
    const Wakes still = CountWakes(run);
    EXPECT_EQ(dozing.Ticks + dozing.Checks, still.Ticks + still.Checks) << "the dozing one woke";
    ExpectFollows(windows, run, skin, name + u"-woken"_s, {wake}, native);
    EXPECT_GT(CountWakes(run).Ticks, still.Ticks);
}

// Ctrl+Alt+O typed into the session hides the creature, typed again shows it.
void ExpectHotKeyHidesAndShows(const XProbe& windows) {
    for (const bool shown : {false, true}) {
        ASSERT_TRUE(Probe().TapKey("o", {"Control_L", "Alt_L"}));
        EXPECT_TRUE(shown ? windows.WaitMapped(kTitle, std::chrono::seconds(30)).has_value()
                          : windows.WaitGone(kTitle, std::chrono::seconds(30)))
            << (shown ? "not shown" : "not hidden");
    }
}

// A session nested in the test's display; the program started in it.
class Wayland : public ::testing::Test {
protected:
    void Open(const QString& kind, const QStringList& options) {
        StartDisplay(kSession);
        // The first test of a program sizes its display: run alone, as ctest runs each.
        ASSERT_EQ(Probe().ScreenSize(), kSession);
        session.emplace(kind, options);
        ASSERT_TRUE(session->Ready()) << session->Log().right(3000).toStdString();
        // A headless shell shows on no screen of the test's, and takes input from its own
        // RemoteDesktop alone.
        headless = session->Environment().contains(u"HEADLESS"_s);
        ASSERT_TRUE(!headless || Probe().DriveThroughRemoteDesktop(
                                     session->Environment().value(u"DBUS_SESSION_BUS_ADDRESS"_s)));
    }
    void Start() {
        windows.emplace(session->XDisplay());
        ASSERT_TRUE(windows->Connected());
        if (headless)
            windows->SetHeadless();
        skin = StartInSession(run, *session, *windows);
        ASSERT_FALSE(skin.isEmpty());
    }
    // The remote desktop session ends while its bus is there: the probe outlives the test.
    void TearDown() override { Probe().DriveThroughRemoteDesktop({}); }

    std::optional<NestedSession> session;
    std::optional<XProbe> windows;
    OrboRun run;
    QString skin;
    bool headless = false;
};

TEST_F(Wayland, EyesFollowOverTheSessionAndItsWaylandWindows) {
    ASSERT_NO_FATAL_FAILURE(Open(u"kwin"_s, {u"--width"_s, QString::number(kSession.width()),
                                             u"--height"_s, QString::number(kSession.height())}));
    ASSERT_NO_FATAL_FAILURE(Start());

    // The session's own background: no window of any kind.
    ExpectFollows(*windows, run, skin, u"kwin-desktop"_s, {{1100, 60}, {300, 800}});

    WaylandWindow native(*session);
    ASSERT_TRUE(native.Shown()) << "the Wayland window did not show";
    ExpectFollows(*windows, run, skin, u"kwin-wayland-window"_s, {{900, 500}, {250, 650}}, &native);
    // KWin tells where the pointer is, so the user is told nothing.
    EXPECT_FALSE(windows->WaitMapped(kNoticeTitle, std::chrono::milliseconds(0)));

    // A still creature stops drawing, and KWin's report wakes it, well before the slow poll
    // (every 2 s) could have noticed the move.
    EXPECT_TRUE(AnsweredAtOnce(run, [] { Probe().MovePointer(1100, 400); }));
    ExpectHotKeyHidesAndShows(*windows);

    // Someone unloads the script: the program loads it again.
    ASSERT_EQ(Scripting(u"unloadScript"_s), u"true"_s);
    ASSERT_TRUE(WaitFor([] { return Scripting(u"isScriptLoaded"_s) == u"true"_s; },
                        std::chrono::seconds(15)));
    ExpectFollows(*windows, run, skin, u"kwin-reloaded"_s, {{1000, 700}}, &native);

    // A creature stopped for 5 s while the pointer moves, then resumed, follows again at once:
    // the script asked it now and then meanwhile, and takes its late answers.
    run.Signal(SIGSTOP);
    MoveFor(std::chrono::seconds(5));
    run.Signal(SIGCONT);
    EXPECT_LT(TimeToFollow(*windows, run, skin, u"kwin-resumed"_s, {1000, 750}).count(), 1000);

    // A run that crashed leaves its script loaded, calling that run by its own name (which no
    // other program can take): KWin logs the unanswered calls a few times at first, then one
    // every few seconds.
    run.Signal(SIGKILL);
    ASSERT_TRUE(run.WaitExit());
    const QString failed = u"Received D-Bus message is error"_s;
    MoveFor(std::chrono::seconds(2));
    const qsizetype before = session->Log().count(failed);
    EXPECT_GT(before, 0) << "KWin logged no unanswered call";
    MoveFor(std::chrono::seconds(10));
    EXPECT_LE(session->Log().count(failed) - before, 3) << session->Log().right(3000).toStdString();
    // The next run, left alone for the wait (0.05 minutes) by KWin's idle notifier, dozes, eyes
    // below it, and draws nothing more; a move over the Wayland window wakes it, the eyes on the
    // pointer: the script is its own.
    OrboRun next;
    const QString dozy = StartInSession(next, *session, *windows, {{u"DozeAfter"_s, u"0.05"_s}});
    ASSERT_FALSE(dozy.isEmpty());
    ExpectDozesAndWakes(*windows, next, dozy, u"kwin"_s, {700, 450}, &native);

    // A program that ends takes its script along.
    next.Signal(SIGTERM);
    ASSERT_EQ(next.WaitExit(), 0);
    EXPECT_EQ(Scripting(u"isScriptLoaded"_s), u"false"_s);
}

const QString kGnomeExtension = u"orbo-pointer@orbo.example"_s;

int ShellMajor() {
    return RunToEnd(u"gnome-shell"_s, {u"--version"_s})
        .value_or(QString())
        .section(u' ', 2)
        .section(u'.', 0, 0)
        .toInt();
}

// The build's form of the extension this shell loads.
QString FormForThisGnome() {
    return u"%1/gnome-shell-%2/orbo-pointer@orbo.example"_s.arg(
        QStringLiteral(ORBO_BINARY_DIR), ShellMajor() >= 45 ? u"45"_s : u"43"_s);
}

// A copy in folder of the build's form this shell loads, its list naming only the GNOME before.
QString FormForTheGnomeBefore(const QString& folder) {
    const QString form = FormForThisGnome();
    QFile metadata(folder + u"/orbo-pointer@orbo.example/metadata.json"_s);
    if (!CopyInto({form}, folder) || !metadata.open(QIODevice::ReadWrite))
        return {};
    QJsonObject fields = QJsonDocument::fromJson(metadata.readAll()).object();
    fields[u"shell-version"_s] = QJsonArray{QString::number(ShellMajor() - 1)};
    metadata.resize(0);
    metadata.write(QJsonDocument(fields).toJson());
    return QFileInfo(metadata).path();
}

bool SetExtensionEnabled(const NestedSession& gnome, bool enabled) {
    return QProcess::execute(gnome.File(u"gsettings"_s),
                             {u"set"_s, u"org.gnome.shell"_s, u"enabled-extensions"_s,
                              enabled ? u"['%1']"_s.arg(kGnomeExtension) : u"[]"_s}) == 0;
}

// The extension's reports on the session's bus, as dbus-monitor sees them.
class PointerReports {
public:
    explicit PointerReports(const NestedSession& gnome) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"DBUS_SESSION_BUS_ADDRESS"_s,
                   gnome.Environment().value(u"DBUS_SESSION_BUS_ADDRESS"_s));
        monitor_.setProcessEnvironment(env);
        // Unbuffered, so that each report is counted as it is sent.
        monitor_.start(u"stdbuf"_s, {u"-o0"_s, u"dbus-monitor"_s, u"--session"_s,
                                     u"type='method_call',interface='org.orbo.Cursor'"_s});
        monitor_.waitForStarted();
        // dbus-monitor first prints its own name's arrival: it listens from then on.
        monitor_.waitForReadyRead(5000);
    }
    ~PointerReports() {
        monitor_.kill();
        monitor_.waitForFinished();
    }
    // The reports since the last count.
    int Count() {
        monitor_.waitForReadyRead(200);
        const QByteArray text = monitor_.readAllStandardOutput();
        return int(text.count("member=Pointer"));
    }

private:
    QProcess monitor_;
};

// Orbo's own extension tells where the pointer is and which buttons are held, over the shell's
// surfaces and Wayland windows; off, the user is told how to turn it on and XWayland's is used.
TEST_F(Wayland, GnomeShellExtensionTellsThePointerAndButtons) {
    // This shell's form listing only an older GNOME, installed: out of date and not enabled.
    const QTemporaryDir copy;
    ASSERT_NO_FATAL_FAILURE(
        Open(u"gnome"_s, {u"--size"_s, u"%1x%2"_s.arg(kSession.width()).arg(kSession.height()),
                          u"--extension-off"_s, FormForTheGnomeBefore(copy.path())}));
    PointerReports reports(*session);
    ASSERT_NO_FATAL_FAILURE(Start());
    const auto notice = windows->WaitMapped(kNoticeTitle, std::chrono::seconds(30));
    ASSERT_TRUE(notice) << "the user was not told";
    // The notice's text is in the program's log too: what the user then does is done here.
    const QString said = QString::fromLocal8Bit(Contents(run.ConfigFolder() + u"/orbo.log"_s));
    EXPECT_TRUE(said.contains(
        u"GNOME up to %1, and this is GNOME %2."_s.arg(ShellMajor() - 1).arg(ShellMajor())))
        << said.toStdString();
    ASSERT_EQ(0, QProcess::execute(session->File(u"gsettings"_s),
                                   {u"set"_s, u"org.gnome.shell"_s,
                                    u"disable-extension-version-validation"_s, u"true"_s}));
    // Off, the eyes follow the pointer only as XWayland sees it: not over the background.
    for (const auto& [on, at] :
         {std::pair(false, QPoint(1100, 800)), std::pair(true, QPoint(1000, 800)),
          std::pair(false, QPoint(300, 800))}) {
        SCOPED_TRACE(at.x());
        if (at.x() != 1100) {
            ASSERT_TRUE(SetExtensionEnabled(*session, on));
            WaitFor([] { return false; }, std::chrono::seconds(on ? 0 : 1));
        }
        Probe().MovePointer(at.x(), at.y());
        EXPECT_EQ(on,
                  Rendering(*windows, run, skin, at, u"gnome-background-%1"_s.arg(at.x())).empty());
    }
    ASSERT_TRUE(SetExtensionEnabled(*session, true));
    windows->SendDeleteWindow(*notice); // out of the way

    // The top bar and the background: the shell's own surfaces.
    ExpectFollows(*windows, run, skin, u"gnome-shell"_s, {{700, 10}, {1100, 800}});

    WaylandWindow native(*session);
    ASSERT_TRUE(native.Shown()) << "the Wayland window did not show";
    ExpectFollows(*windows, run, skin, u"gnome-wayland-window"_s, {{900, 500}, {350, 650}},
                  &native);
    // A button held over the Wayland window closes the lids, as over an X11 one.
    Probe().Button(3, true);
    EXPECT_EQ("", Rendering(*windows, run, skin, {350, 650}, u"gnome-wayland-window-right-button"_s,
                            "0,1,0"));
    Probe().Button(3, false);
    EXPECT_EQ("", Rendering(*windows, run, skin, {350, 650}, u"gnome-wayland-window-released"_s));

    // A still creature stops drawing, and the extension's report wakes it, well before the slow
    // poll (every 2 s) could have noticed the move.
    EXPECT_TRUE(AnsweredAtOnce(run, [] { Probe().MovePointer(1000, 400); }));
    ExpectHotKeyHidesAndShows(*windows);

    // While the pointer is still the extension sends nothing; a move is sent. A busy machine
    // slows the software-drawn shell: reports still under way are let through first, and the
    // report of the move is waited for as long as the test may take.
    WaitFor([&] { return reports.Count() + reports.Count() == 0; }, std::chrono::seconds(20));
    WaitFor([] { return false; }, std::chrono::seconds(3));
    EXPECT_EQ(reports.Count(), 0);
    Probe().MovePointer(1010, 410);
    EXPECT_TRUE(WaitFor([&] { return reports.Count() > 0; }, std::chrono::seconds(60)));

    // A creature stopped for 5 s while the pointer moves: the extension asks it now and then,
    // not at every move, says so, and the shell runs on; resumed, the creature follows at once.
    WaitFor([] { return false; }, std::chrono::milliseconds(500)); // every report answered
    run.Signal(SIGSTOP);
    reports.Count();
    MoveFor(std::chrono::seconds(5));
    const int whileStopped = reports.Count();
    EXPECT_GE(whileStopped, 1);
    EXPECT_LE(whileStopped, 4);
    const QByteArray logged = Contents(session->File(u"gnome.log"_s));
    EXPECT_TRUE(logged.contains(" did not answer")) << "the extension said nothing";
    // A fault thrown through the extension would show its file in a stack trace.
    EXPECT_FALSE(logged.contains("orbo-pointer@orbo.example/extension.js"))
        << logged.right(2000).toStdString();
    EXPECT_TRUE(XProbe(session->XDisplay()).Connected()) << "the shell's XWayland is gone";
    run.Signal(SIGCONT);
    EXPECT_LT(TimeToFollow(*windows, run, skin, u"gnome-resumed"_s, {1000, 750}).count(), 1000);

    // Once the program ends (and the shell has heard of it), the extension sends nothing,
    // whatever the pointer does.
    run.Signal(SIGTERM);
    ASSERT_EQ(run.WaitExit(), 0);
    WaitFor([] { return false; }, std::chrono::seconds(1));
    reports.Count();
    for (int x = 200; x <= 1000; x += 200) {
        Probe().MovePointer(x, 300);
        WaitFor([] { return false; }, std::chrono::milliseconds(100));
    }
    EXPECT_EQ(reports.Count(), 0);

    // Started with the extension on, the program tells the user nothing. Left alone for the
    // wait (0.05 minutes) by the shell's idle time, it dozes, eyes below it, and draws nothing
    // more; a move through the session wakes it, the eyes on the pointer.
    OrboRun next;
    const QString dozy = StartInSession(next, *session, *windows, {{u"DozeAfter"_s, u"0.05"_s}});
    ASSERT_FALSE(dozy.isEmpty());
    ExpectDozesAndWakes(*windows, next, dozy, u"gnome"_s, {700, 450});
    EXPECT_FALSE(windows->WaitMapped(kNoticeTitle, std::chrono::milliseconds(0)));
}

// A monitor at scale 2, XWayland scaled natively and Xft.dpi 192 published as GNOME's settings
// daemon does: the creature twice its size in XWayland's pixels, its eyes on the pointer.
TEST_F(Wayland, GnomeShellScaledMonitor) {
    if (ShellMajor() < 50)
        GTEST_SKIP() << "scaled only headless, as GNOME Shell 50 and later runs here";
    ASSERT_NO_FATAL_FAILURE(
        Open(u"gnome"_s, {u"--size"_s, u"%1x%2"_s.arg(kSession.width()).arg(kSession.height()),
                          u"--scale"_s, u"2"_s, u"--extension"_s, FormForThisGnome()}));
    ASSERT_NO_FATAL_FAILURE(Start());
    const QPoint pointer(900, 600);
    Probe().MovePointer(pointer.x(), pointer.y());
    const QRect place = windows->Geometry(run.Window()).value_or(QRect());
    EXPECT_EQ("", WaitForRendering(run.Window(), skin, pointer, u"gnome-scaled"_s, "0,0,0", 2,
                                   kSession, 100, place.topLeft() / 2, *windows));
}

} // namespace
} // namespace orbo::e2e

namespace orbo::e2e {
namespace {

// What the screen shows of a native creature (no X window to grab) against orbo-skin-check's
// rendering of the skin at that place for that cursor and size: the picture inside its shape, the
// window below (kBelow) outside it. Empty when they match; polls. Dozing, the eyes look below the
// creature with the lids shut, and the pointer is left still.
constexpr QRgb kBelow = 0xFF3366CC;
// sway's background, as tests/e2e/nested-wayland sets it.
constexpr QRgb kSwayBackground = 0xFF336699;
std::string NativeRendering(const QString& skin, QPoint at, QPoint cursor, int size,
                            const QString& name, bool dozing = false) {
    const auto render = [&](QPoint pointer, const char* buttons) {
        return CheckerRendering(skin, pointer, buttons, 1, kSession, size, at);
    };
    QImage rendering = render(cursor, "0,0,0");
    if (dozing && !rendering.isNull())
        rendering = render(BelowCreature(QRect(at, rendering.size())), "1,1,1");
    if (rendering.isNull())
        return "orbo-skin-check made no rendering";
    QImage shown;
    int differ = 0;
    const bool same = WaitFor([&] {
        // Moved onto the creature again each time: a surface that maps under a still pointer, or
        // is only just mapped, may not be told of it.
        if (!dozing) {
            Probe().MovePointer(cursor.x() - 1, cursor.y());
            Probe().MovePointer(cursor.x(), cursor.y());
        }
        shown = Probe().Grab(QRect(at, rendering.size())).convertToFormat(QImage::Format_ARGB32);
        differ = 0;
        for (int y = 0; y < rendering.height(); ++y)
            for (int x = 0; x < rendering.width(); ++x) {
                const QRgb want = qAlpha(rendering.pixel(x, y)) ? rendering.pixel(x, y) : kBelow;
                differ += (shown.pixel(x, y) ^ want) & 0xFFFFFF ? 1 : 0;
            }
        return differ == 0;
    });
    if (same)
        return {};
    QDir().mkpath(QStringLiteral(ORBO_E2E_ARTIFACTS));
    shown.save(QStringLiteral(ORBO_E2E_ARTIFACTS "/") + name + ".png");
    rendering.save(QStringLiteral(ORBO_E2E_ARTIFACTS "/") + name + "-expected.png");
    return std::to_string(differ) + " pixels differ";
}

// Whether the creature shows over `at`.
bool ShowsNativeCreature(QPoint at) {
    return WaitFor([at] { return Probe().Grab(QRect(at, QSize(1, 1))).pixel(0, 0) != kBelow; });
}

// On sway, a layer-shell compositor, the program runs natively: a layer surface above the windows
// at its stored place, nothing of it showing or taking clicks outside its shape, dragged and
// stored, hidden and shown by orbo --toggle, drawn at its Size, letting clicks through, brought
// back when its monitor goes.
TEST_F(Wayland, SwayShowsTheNativeCreatureInItsShapeAtItsPlace) {
#if !defined(ORBO_LAYER_SHELL_BUILT)
    GTEST_SKIP() << "built without LayerShellQt";
#endif
    if (QStandardPaths::findExecutable(u"sway"_s).isEmpty())
        GTEST_SKIP() << "no sway";
    ASSERT_NO_FATAL_FAILURE(Open(u"sway"_s, {}));
    WaylandWindow below(*session);
    ASSERT_TRUE(below.Shown());
    run.ShowsNoXWindow();
    // The program chooses Wayland itself.
    QMap<QString, QString> environment = session->Environment();
    environment.insert(u"QT_QPA_PLATFORM"_s, QString());
    const QPoint place(200, 150);
    skin = StartWithSkin(run, u"Kinds"_s, kKindsSamples, environment,
                         {{u"Left"_s, Twips(place.x())},
                          {u"Top"_s, Twips(place.y())},
                          {u"PointerNotice"_s, u"False"_s}});
    ASSERT_FALSE(skin.isEmpty());
    // The eyes see the pointer over the creature only.
    const QPoint inside = place + QPoint(40, 60);
    ASSERT_TRUE(ShowsNativeCreature(inside)) << "the creature did not show";
    EXPECT_EQ("", NativeRendering(skin, place, inside, 100, u"sway-placed"_s));
    // The corner is outside the shape: the click reaches the window below.
    Click(place + QPoint(1, 1));
    EXPECT_TRUE(below.Pressed()) << "a click outside the shape did not reach the window below";

    const QPoint moved = place + QPoint(300, 200);
    Drag(inside, inside + (moved - place));
    EXPECT_EQ("", NativeRendering(skin, moved, inside + (moved - place), 100, u"sway-dragged"_s));
    for (const bool shown : {false, true}) {
        const auto toggled = run.Run({u"--toggle"_s}, environment);
        ASSERT_TRUE(toggled && toggled->Status == 0);
        EXPECT_TRUE(WaitFor([&] {
            return (Probe().Grab(QRect(moved + QPoint(40, 60), QSize(1, 1))).pixel(0, 0) ==
                    kBelow) != shown;
        })) << (shown ? "not shown again" : "not hidden");
    }
    run.Signal(SIGTERM);
    ASSERT_TRUE(run.WaitExit());
    const auto stored = run.ReadSettings();
    EXPECT_EQ(Twips(moved.x()), stored.value(u"left"_s));
    EXPECT_EQ(Twips(moved.y()), stored.value(u"top"_s));

    // Twice as large; then letting clicks through to the window below.
    for (const bool through : {false, true}) {
        ASSERT_TRUE(run.WriteSettings({{u"Skin"_s, u"Kinds"_s},
                                       {u"Size"_s, u"200"_s},
                                       {u"PointerNotice"_s, u"False"_s},
                                       {u"ClickThrough"_s, through ? u"True"_s : u"False"_s},
                                       {u"Left"_s, Twips(place.x())},
                                       {u"Top"_s, Twips(place.y())}}));
        ASSERT_TRUE(run.Start(environment));
        const QPoint middle = place + QPoint(80, 120);
        ASSERT_TRUE(ShowsNativeCreature(middle)) << "the creature did not show";
        if (!through) {
            EXPECT_EQ("", NativeRendering(skin, place, middle, 200, u"sway-large"_s));
        } else {
            Click(middle);
            EXPECT_TRUE(below.Pressed()) << "a click on the creature did not go through";
        }
        run.Signal(SIGTERM);
        ASSERT_TRUE(run.WaitExit());
    }

    // Left alone for the wait (0.05 minutes) by sway's idle notifier, it dozes; a move over it
    // wakes it, the eyes on the pointer.
    ASSERT_TRUE(run.WriteSettings({{u"Skin"_s, u"Kinds"_s},
                                   {u"PointerNotice"_s, u"False"_s},
                                   {u"DozeAfter"_s, u"0.05"_s},
                                   {u"Left"_s, Twips(place.x())},
                                   {u"Top"_s, Twips(place.y())}}));
    ASSERT_TRUE(run.Start(environment));
    ASSERT_TRUE(ShowsNativeCreature(inside)) << "the creature did not show";
    EXPECT_EQ("", NativeRendering(skin, place, {}, 100, u"sway-dozing"_s, true));
    EXPECT_EQ("", NativeRendering(skin, place, inside, 100, u"sway-woken"_s));
    run.Signal(SIGTERM);
    ASSERT_TRUE(run.WaitExit());

    // On a second monitor that is then unplugged, it comes back in sight on the first.
    const auto sway = [&](const QStringList& arguments) {
        return QProcess::execute(
            u"env"_s,
            QStringList{u"SWAYSOCK="_s + environment.value(u"SWAYSOCK"_s), u"swaymsg"_s, u"-q"_s} +
                arguments);
    };
    const QStringList second{u"output"_s, u"X11-2"_s};
    ASSERT_EQ(0, sway({u"create_output"_s}));
    ASSERT_EQ(0, sway(second + QStringList{u"position 1200 0 resolution 1200x900"_s}));
    ASSERT_TRUE(run.WriteSettings({{u"Skin"_s, u"Kinds"_s},
                                   {u"PointerNotice"_s, u"False"_s},
                                   {u"Left"_s, Twips(1200 + place.x())},
                                   {u"Top"_s, Twips(place.y())}}));
    ASSERT_TRUE(run.Start(environment));
    // The second monitor's window lies over the first's: the creature is what is neither sway's
    // background, the window below, nor the X server's black while a window goes.
    const auto shows = [](const QRect& area) {
        return WaitFor([&] {
            const QImage seen = Probe().Grab(area);
            for (int x = 0; x < seen.width(); ++x)
                if (!QList<QRgb>{kBelow, kSwayBackground, 0xFF000000}.contains(seen.pixel(x, 0)))
                    return true;
            return false;
        });
    };
    EXPECT_TRUE(shows(QRect(inside, QSize(1, 1)))) << "it did not show on the second monitor";
    ASSERT_EQ(0, sway(second + QStringList{u"unplug"_s}));
    EXPECT_TRUE(shows(QRect(900, inside.y(), 300, 1))) << "it did not come back on the first";
}

} // namespace
} // namespace orbo::e2e
