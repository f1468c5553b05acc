// The KWin and GNOME Shell desktops against stand-ins for KWin and GNOME Shell on a bus of their
// own: what they load, whom they hear, their answers; and the hot key through a stand-in for the
// desktop portal.
#include "platform/desktop/desktop.h"
#include "platform/desktop/desktop_gnome.h"
#include "platform/desktop/desktop_kwin.h"
#include "platform/desktop/portal_shortcut.h"
#include "scripted_desktop.h"
#include "session_bus.h"
#include "wait_for.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>
#include <QtCore/QMutex>
#include <QtCore/QTemporaryDir>
#include <QtCore/QThread>
#include <QtDBus/QDBusArgument>
#include <QtDBus/QDBusConnection>
#include <QtDBus/QDBusConnectionInterface>
#include <QtDBus/QDBusMessage>
#include <QtDBus/QDBusObjectPath>
#include <QtDBus/QDBusPendingCall>
#include <QtDBus/QDBusVirtualObject>

#include <gtest/gtest.h>

#include <chrono>
#include <map>

#include <sys/stat.h>
#include <unistd.h>

namespace orbo {
namespace {

using testing::BusAddress;
using testing::Settle;
using testing::WaitFor;

using namespace Qt::StringLiterals;

// The name KWin's script calls and GNOME's extension reports to, held by one program at a time.
const QString kCursorName = u"org.orbo.Cursor"_s;
const QString kKWin = u"org.kde.KWin"_s;
const QString kScriptName = u"orbo-cursor"_s;
const QString kShell = u"org.gnome.Shell"_s;
// Held by Orbo's extension while it is on.
const QString kExtension = u"org.orbo.GnomeShell"_s;

// KWin's /Scripting as far as it is used, answering on a thread of its own as KWin would.
class FakeKWin : public QDBusVirtualObject {
public:
    explicit FakeKWin(const QString& address)
        : bus_(QDBusConnection::connectToBus(address, u"fake-kwin"_s)) {
        thread_.start();
        moveToThread(&thread_);
        bus_.registerVirtualObject(u"/Scripting"_s, this);
    }
    ~FakeKWin() override {
        bus_.unregisterObject(u"/Scripting"_s);
        thread_.quit();
        thread_.wait();
        QDBusConnection::disconnectFromBus(u"fake-kwin"_s);
    }
    bool Appear() { return bus_.registerService(kKWin); }
    bool Vanish() { return bus_.unregisterService(kKWin); }

    // Someone else unloads it.
    void Unload() {
        const QMutexLocker lock(&mutex_);
        scripts_.erase(kScriptName);
    }
    // Whether the script runs, the loads so far, and the file of the last one with its text then.
    struct State {
        bool Running;
        int Loads;
        QString ScriptFile;
        QByteArray ScriptText;
    };
    State Now() {
        const QMutexLocker lock(&mutex_);
        const auto it = scripts_.find(kScriptName);
        return {it != scripts_.end() && it->second, loads_, scriptFile_, scriptText_};
    }
    // What the script sends, from KWin's own connection.
    void Report(const QVariantList& arguments) { Send(bus_, arguments); }

    static void Send(const QDBusConnection& from, const QVariantList& arguments) {
        QDBusMessage call = QDBusMessage::createMethodCall(kCursorName, u"/org/orbo/Cursor"_s,
                                                           u"org.orbo.Cursor"_s, u"Moved"_s);
        call.setArguments(arguments);
        from.send(call);
    }

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        const QMutexLocker lock(&mutex_);
        const QVariantList args = message.arguments();
        const QString name = args.size() > 1  ? args[1].toString()
                             : args.isEmpty() ? QString()
                                              : args[0].toString();
        QVariantList reply;
        if (message.member() == u"loadScript"_s) {
            ++loads_;
            scriptFile_ = args.value(0).toString();
            QFile file(scriptFile_);
            scriptText_ = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
            reply << (scripts_.emplace(name, false).second ? loads_ : -1); // -1: already loaded
        } else if (message.member() == u"unloadScript"_s) {
            reply << (scripts_.erase(name) > 0);
        } else if (message.member() == u"isScriptLoaded"_s) {
            reply << (scripts_.count(name) > 0);
        } else if (message.member() == u"start"_s) {
            for (auto& [_, running] : scripts_)
                running = true;
        } else {
            return false;
        }
        connection.send(message.createReply(reply));
        return true;
    }
    QString introspect(const QString&) const override { return {}; }

private:
    QDBusConnection bus_;
    QThread thread_;
    QMutex mutex_;
    std::map<QString, bool> scripts_; // running
    int loads_ = 0;
    QString scriptFile_;
    QByteArray scriptText_;
};

// The values KWin's script was given, from the line before it; what follows must be the script of
// the source tree.
QJsonObject ScriptValues(const QByteArray& text) {
    const QByteArray line = text.left(text.indexOf('\n'));
    QFile script(QStringLiteral(ORBO_SOURCE_DIR "/src/platform/desktop/kwin_cursor.js"));
    EXPECT_TRUE(script.open(QIODevice::ReadOnly));
    EXPECT_EQ(text.mid(line.size() + 1), script.readAll()) << "not kwin_cursor.js";
    EXPECT_TRUE(line.startsWith("const orbo = {") && line.endsWith("};")) << line.toStdString();
    return QJsonDocument::fromJson(line.mid(13, line.size() - 14)).object();
}

class KWinDesktopTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(kwin_.Appear()); }

    // The desktop, once the script it loaded has told it the pointer is at 100,150.
    std::unique_ptr<Desktop> Follow() {
        auto desktop = FollowKWin(std::move(fallback));
        desktop->SetInputListener([this] { ++wakes; });
        EXPECT_TRUE(WaitFor([&] { return kwin_.Now().Running; }));
        kwin_.Report({100, 150, 0, 0, 1200, 900});
        EXPECT_TRUE(WaitFor([&] { return desktop->PointerPosition() == QPoint(100, 150); }));
        return desktop;
    }

    FakeKWin kwin_{BusAddress()};
    std::unique_ptr<ScriptedDesktop> fallback = XWaylandView({5, 5});
    ScriptedDesktop* fallback_ = fallback.get();
    int wakes = 0;
};

// Only KWin is listened to, however many others call (which reports make sense is the
// compositor report's unit test).
TEST_F(KWinDesktopTest, IgnoresOthers) {
    const auto desktop = Follow();
    ASSERT_FALSE(HasFailure());

    QDBusConnection other = QDBusConnection::connectToBus(BusAddress(), u"other"_s);
    for (int i = 0; i < 2000; ++i)
        FakeKWin::Send(other, {400 + i % 100, 400, 0, 0, 1200, 900});
    Settle(std::chrono::milliseconds(1000));
    EXPECT_EQ(desktop->PointerPosition(), QPoint(100, 150));
    QDBusConnection::disconnectFromBus(u"other"_s);

    kwin_.Report({700, 800, 0, 0, 1200, 900});
    EXPECT_TRUE(WaitFor([&] { return desktop->PointerPosition() == QPoint(700, 800); }))
        << "still listening after the flood";
}

// KWin restarted: the fallback meanwhile, the script again when KWin is back.
TEST_F(KWinDesktopTest, KWinGoesAndComesBack) {
    const auto desktop = Follow();
    ASSERT_FALSE(HasFailure());

    const int wakesBefore = wakes;
    kwin_.Unload(); // KWin's scripts go with it
    ASSERT_TRUE(kwin_.Vanish());
    EXPECT_TRUE(WaitFor([&] { return desktop->PointerPosition() == QPoint(5, 5); }));
    EXPECT_GT(wakes, wakesBefore) << "the fallback's cursor is read at once";
    fallback_->Cursor = {6, 7};
    EXPECT_EQ(desktop->PointerPosition(), QPoint(6, 7));

    const int loads = kwin_.Now().Loads;
    ASSERT_TRUE(kwin_.Appear());
    ASSERT_TRUE(WaitFor([&] { return kwin_.Now().Loads > loads && kwin_.Now().Running; }));
    kwin_.Report({400, 450, 0, 0, 1200, 900});
    EXPECT_TRUE(WaitFor([&] { return desktop->PointerPosition() == QPoint(400, 450); }));
}

// The hot key reaches the script as a text, whatever characters it has.
TEST_F(KWinDesktopTest, ScriptIsGivenTheKey) {
    const auto desktop = Follow();
    ASSERT_FALSE(HasFailure());
    const int loads = kwin_.Now().Loads;
    EXPECT_EQ(desktop->ListenForKey(Qt::CTRL | Qt::Key_QuoteDbl, [] {}), std::nullopt);
    ASSERT_TRUE(WaitFor([&] { return kwin_.Now().Loads > loads && kwin_.Now().Running; }));
    EXPECT_EQ(ScriptValues(kwin_.Now().ScriptText).value(u"key"_s).toString(), u"Ctrl+\""_s);
}

// The script lies in a folder of its own (0700), in the runtime folder only when no one else can
// replace what is made there; it calls this program's unique name, which no other can hold.
TEST_F(KWinDesktopTest, ScriptLiesInAPrivateFolderAndCallsThisProgramOnly) {
    const struct RuntimeFolderRow {
        const char* name;
        mode_t mode;
        bool link; // the runtime folder named through a link to it
        bool used; // the script's folder made in it, else in the temp folder
    } rows[] = {
        {"the user's own", 0700, false, true},
        {"sticky, as /tmp is", 01777, false, true},
        {"writable by others", 0777, false, false},
        {"writable by the group", 0770, false, false},
        {"a link to one writable by others", 0777, true, false},
    };
    const QByteArray runtimeBefore = qgetenv("XDG_RUNTIME_DIR");
    const QByteArray tempBefore = qgetenv("TMPDIR");
    const QTemporaryDir temp;
    qputenv("TMPDIR", QFile::encodeName(temp.path()));
    for (const RuntimeFolderRow& row : rows) {
        SCOPED_TRACE(row.name);
        const QTemporaryDir place;
        const QString runtime = place.filePath(u"runtime"_s);
        ASSERT_TRUE(QDir().mkdir(runtime));
        ASSERT_EQ(::chmod(QFile::encodeName(runtime).constData(), row.mode), 0);
        const QString named = row.link ? place.filePath(u"link"_s) : runtime;
        ASSERT_TRUE(!row.link || QFile::link(runtime, named));
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(named));

        auto desktop = FollowKWin(XWaylandView({5, 5}));
        ASSERT_TRUE(WaitFor([&] { return kwin_.Now().Running; }));
        const FakeKWin::State state = kwin_.Now();
        const QFileInfo file(state.ScriptFile);
        const QString folder = file.absolutePath();
        EXPECT_EQ(QFileInfo(folder).path(), row.used ? named : temp.path());
        EXPECT_EQ(QDir(runtime).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(),
                  row.used ? 1 : 0);
        struct stat info {};
        ASSERT_EQ(::lstat(QFile::encodeName(folder).constData(), &info), 0);
        EXPECT_TRUE(S_ISDIR(info.st_mode));
        EXPECT_EQ(info.st_mode & 07777, 0700u);
        EXPECT_EQ(info.st_uid, ::geteuid());
        EXPECT_FALSE(file.isSymLink());
        EXPECT_EQ(ScriptValues(state.ScriptText).value(u"service"_s).toString(),
                  QDBusConnection::sessionBus().baseService());

        desktop.reset();
        EXPECT_FALSE(QFileInfo::exists(folder)) << "the script's folder left behind";
    }
    qputenv("XDG_RUNTIME_DIR", runtimeBefore);
    if (tempBefore.isNull())
        qunsetenv("TMPDIR");
    else
        qputenv("TMPDIR", tempBefore);
}

// A connection of its own that sends the extension's reports to whoever holds Orbo's name.
class Sender {
public:
    explicit Sender(const QString& name)
        : name_(name), bus_(QDBusConnection::connectToBus(BusAddress(), name)) {}
    ~Sender() { QDBusConnection::disconnectFromBus(name_); }
    bool Own(const QString& service) { return bus_.registerService(service); }
    bool Disown(const QString& service) { return bus_.unregisterService(service); }
    // A report; the answer can be awaited.
    QDBusPendingCall Report(const QVariantList& arguments) {
        const QString orbo = bus_.interface()->serviceOwner(kCursorName).value();
        QDBusMessage call = QDBusMessage::createMethodCall(orbo, u"/org/orbo/Cursor"_s,
                                                           u"org.orbo.Cursor"_s, u"Pointer"_s);
        call.setArguments(arguments);
        return bus_.asyncCall(call);
    }

private:
    QString name_;
    QDBusConnection bus_;
};

class GnomeShellDesktopTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(shell.Own(kShell) && shell.Own(kExtension));
        auto view = XWaylandView({5, 5});
        view->Left = true;
        desktop = FollowGnomeShell(std::move(view));
    }

    // GNOME Shell: the extension runs inside it and calls from its connection.
    Sender shell{u"fake-shell"_s};
    std::unique_ptr<Desktop> desktop;
};

// Each report is answered with the animation interval, the least time to the next report.
TEST_F(GnomeShellDesktopTest, AnswersWithTheAnimationInterval) {
    for (const int interval : {76, 501, 1}) {
        SCOPED_TRACE(interval);
        desktop->SetAnimationInterval(interval);
        const QDBusPendingCall answer = shell.Report({100 + interval, 150, 0, 0, 1200, 900, 0});
        ASSERT_TRUE(WaitFor([&] { return answer.isFinished(); }));
        const QVariantList values = answer.reply().arguments();
        ASSERT_EQ(values.size(), 2);
        EXPECT_EQ(values.front(), QVariant::fromValue(uint(interval)));
        EXPECT_EQ(values.back(), QString()); // no hot key asked for
    }
}

// Only the extension in the shell is listened to, however many others call.
TEST_F(GnomeShellDesktopTest, IgnoresOthers) {
    shell.Report({100, 150, 0, 0, 1200, 900, 0});
    ASSERT_TRUE(WaitFor([&] { return desktop->PointerPosition() == QPoint(100, 150); }));

    Sender other(u"other"_s);
    for (int i = 0; i < 500; ++i)
        other.Report({400 + i % 100, 400, 0, 0, 1200, 900, 1});
    Settle(std::chrono::milliseconds(1000));
    EXPECT_EQ(desktop->PointerPosition(), QPoint(100, 150));
    EXPECT_FALSE(desktop->ButtonDown(MouseButton::Left)) << "the extension's buttons";

    shell.Report({700, 800, 0, 0, 1200, 900, 4});
    EXPECT_TRUE(WaitFor([&] { return desktop->PointerPosition() == QPoint(700, 800); }))
        << "still listening after the flood";
}

// The extension off or the shell gone: its last report and buttons dropped at once, never
// merely because no report came.
TEST_F(GnomeShellDesktopTest, DropsTheLastReportWhenTheLinkGoes) {
    for (const QString& name : {kExtension, kShell}) {
        SCOPED_TRACE(name.toStdString());
        shell.Report({100, 150, 0, 0, 1200, 900, 0});
        ASSERT_TRUE(WaitFor([&] { return desktop->PointerPosition() == QPoint(100, 150); }));
        Settle(std::chrono::milliseconds(500));
        EXPECT_EQ(desktop->PointerPosition(), QPoint(100, 150)) << "dropped for want of reports";
        EXPECT_FALSE(desktop->ButtonDown(MouseButton::Left));
        ASSERT_TRUE(shell.Disown(name));
        EXPECT_TRUE(WaitFor([&] { return desktop->PointerPosition() == QPoint(5, 5); }));
        EXPECT_TRUE(desktop->ButtonDown(MouseButton::Left)) << "XWayland's buttons";
        ASSERT_TRUE(shell.Own(name));
    }
}

// A stranger holding the extension's name is not the extension, and while it holds the name not
// even the shell's connection is heard; the user is still told how to turn the extension on.
TEST(GnomeShellDesktop, TrustsOnlyTheShellsOwnConnection) {
    Sender shell(u"fake-shell"_s);
    ASSERT_TRUE(shell.Own(kShell));
    Sender stranger(u"stranger"_s);
    ASSERT_TRUE(stranger.Own(kExtension));
    auto desktop = FollowGnomeShell(XWaylandView({5, 5}));
    EXPECT_FALSE(desktop->FollowsPointerEverywhere());
    const QDBusPendingCall answer = stranger.Report({100, 150, 0, 0, 1200, 900, 1});
    ASSERT_TRUE(WaitFor([&] { return answer.isFinished(); }));
    EXPECT_EQ(desktop->PointerPosition(), QPoint(5, 5));
    EXPECT_FALSE(desktop->ButtonDown(MouseButton::Left));
    // Even the shell's connection is not the extension while the name is another's.
    const QDBusPendingCall early = shell.Report({200, 150, 0, 0, 1200, 900, 0});
    ASSERT_TRUE(WaitFor([&] { return early.isFinished(); }));
    EXPECT_EQ(desktop->PointerPosition(), QPoint(5, 5));
}

const QString kPortalPath = u"/org/freedesktop/portal/desktop"_s;

// The hot key through the desktop portal: the trigger it is given, whose presses count, and the
// refusals told.
TEST(PortalShortcut, TriggerNamesTheKeyAsXkbcommonDoes) {
    const std::pair<QKeyCombination, const char*> rows[] = {
        {Qt::CTRL | Qt::ALT | Qt::Key_O, "CTRL+ALT+o"},
        {Qt::META | Qt::Key_5, "LOGO+5"},
        {Qt::SHIFT | Qt::Key_F12, "SHIFT+F12"},
        {Qt::CTRL | Qt::ALT | Qt::SHIFT | Qt::Key_Exclam, "CTRL+ALT+SHIFT+U0021"},
        {Qt::CTRL | Qt::ALT | Qt::Key_Eacute, "CTRL+ALT+U00E9"},
        {Qt::ALT | Qt::Key_PageUp, "ALT+Prior"},
        {Qt::CTRL | Qt::ALT | Qt::Key_VolumeUp, ""}, // none
    };
    for (const auto& [key, trigger] : rows)
        EXPECT_EQ(PortalTrigger(key).value_or(QString()), QLatin1String(trigger));
}

// The portal as far as Orbo uses it, answering on the bus's thread; each request's Response
// follows its reply, sent to the caller alone, as the portal sends it.
class FakePortal : public QDBusVirtualObject {
public:
    FakePortal() : bus_(QDBusConnection::connectToBus(BusAddress(), u"fake-portal"_s)) {
        bus_.registerVirtualObject(kPortalPath, this, QDBusConnection::SubPath);
    }
    // Unregistered first: a call under way (a session's Close) ends before the object does.
    ~FakePortal() override {
        bus_.unregisterObject(kPortalPath, QDBusConnection::UnregisterTree);
        QDBusConnection::disconnectFromBus(u"fake-portal"_s);
    }
    bool Appear() { return bus_.registerService(u"org.freedesktop.portal.Desktop"_s); }
    // A press of shortcut `id` in `session`, told from the connection `from`.
    static void Press(const QDBusConnection& from, const QString& session, const QString& id) {
        QDBusMessage press = QDBusMessage::createSignal(
            kPortalPath, u"org.freedesktop.portal.GlobalShortcuts"_s, u"Activated"_s);
        press << QVariant::fromValue(QDBusObjectPath(session)) << id << qulonglong(1)
              << QVariantMap();
        from.send(press);
    }
    void Press(const QString& session, const QString& id) { Press(bus_, session, id); }
    QString Session() {
        const QMutexLocker lock(&mutex_);
        return session_;
    }
    // The app id registered, then each shortcut bound: its id, description and trigger.
    QStringList Told() {
        const QMutexLocker lock(&mutex_);
        return told_;
    }

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        const QMutexLocker lock(&mutex_);
        const QVariantList args = message.arguments();
        const QString member = message.member();
        if (member == u"Register"_s) {
            told_ << args.value(0).toString();
            return connection.send(message.createReply());
        }
        closed = closed || (member == u"Close"_s && message.path() == session_);
        if (member == u"Close"_s)
            return false;
        const auto option = [&](qsizetype at, const char* key) {
            return qdbus_cast<QVariantMap>(args.value(at)).value(QLatin1String(key)).toString();
        };
        const QString caller = message.service().mid(1).replace(u'.', u'_');
        const QString request =
            kPortalPath + u"/request/"_s + caller + u'/' + option(args.size() - 1, "handle_token");
        QVariantMap results;
        if (member == u"CreateSession"_s) {
            session_ =
                kPortalPath + u"/session/"_s + caller + u'/' + option(0, "session_handle_token");
            results.insert(u"session_handle"_s, session_);
        }
        if (member == u"BindShortcuts"_s) { // the first shortcut
            const auto list = qvariant_cast<QDBusArgument>(args.value(1));
            QString id;
            QVariantMap options;
            list.beginArray();
            list.beginStructure();
            list >> id >> options;
            list.endStructure();
            list.endArray();
            told_ << id << options.value(u"description"_s).toString()
                  << options.value(u"preferred_trigger"_s).toString();
        }
        connection.send(message.createReply(QVariant::fromValue(QDBusObjectPath(request))));
        QDBusMessage response = QDBusMessage::createTargetedSignal(
            message.service(), request, u"org.freedesktop.portal.Request"_s, u"Response"_s);
        response << uint(member == u"CreateSession"_s ? sessionCode : bindCode) << results;
        return connection.send(response);
    }
    QString introspect(const QString&) const override { return {}; }

    std::atomic<uint> sessionCode = 0, bindCode = 0;
    std::atomic<bool> closed = false;

private:
    QDBusConnection bus_;
    QMutex mutex_;
    QString session_;
    QStringList told_;
};

// A desktop with no key of its own, asked for one through the portal.
struct PortalKey {
    PortalKey() {
        desktop->SetKeyRefusalListener([this](const QString& why) { refusals << why; });
        EXPECT_TRUE(desktop->ListensForKeys());
        EXPECT_EQ(desktop->ListenForKey(Qt::CTRL | Qt::ALT | Qt::Key_O, [this] { ++presses; }),
                  std::nullopt);
    }
    std::unique_ptr<Desktop> desktop = ListenThroughPortal(XWaylandView({5, 5}));
    int presses = 0;
    QStringList refusals;
};

// Only the portal's press of this shortcut in this session counts; letting the key go ends it.
TEST(PortalShortcut, BindsTheKeyAndHearsOnlyItsOwnPresses) {
    FakePortal portal;
    ASSERT_TRUE(portal.Appear());
    PortalKey key;
    ASSERT_TRUE(WaitFor([&] { return portal.Told().size() == 4; }));
    EXPECT_EQ(portal.Told(), QStringList({u"orbo"_s, u"toggle"_s,
                                          u"Orbo: Hide or show the creature"_s, u"CTRL+ALT+o"_s}));
    QDBusConnection stranger = QDBusConnection::connectToBus(BusAddress(), u"stranger"_s);
    FakePortal::Press(stranger, portal.Session(), u"toggle"_s);
    portal.Press(kPortalPath + u"/session/1_1/other"_s, u"toggle"_s);
    portal.Press(portal.Session(), u"other"_s);
    portal.Press(portal.Session(), u"toggle"_s);
    EXPECT_TRUE(WaitFor([&] { return key.presses > 0; }));
    Settle();
    QDBusConnection::disconnectFromBus(u"stranger"_s);
    EXPECT_EQ(key.presses, 1);
    EXPECT_TRUE(key.refusals.isEmpty());
    EXPECT_EQ(key.desktop->ListenForKey(Qt::CTRL | Qt::ALT | Qt::Key_O, {}), std::nullopt);
    EXPECT_TRUE(WaitFor([&] { return portal.closed.load(); }));
}

// No portal, or one that turns the session or the key down: said once.
TEST(PortalShortcut, TellsTheRefusal) {
    const QString refused = u"the desktop refused it"_s;
    const struct {
        bool Appears;
        uint SessionCode, BindCode;
        QString Why;
    } rows[] = {{false, 0, 0, u""_s}, // no key here at all
                {true, 1, 0, refused},
                {true, 0, 2, refused}};
    for (const auto& row : rows) {
        FakePortal portal;
        portal.sessionCode = row.SessionCode;
        portal.bindCode = row.BindCode;
        ASSERT_TRUE(!row.Appears || portal.Appear());
        PortalKey key;
        EXPECT_TRUE(WaitFor([&] { return !key.refusals.isEmpty(); }));
        Settle();
        EXPECT_EQ(key.refusals, QStringList{row.Why});
    }
}

} // namespace
} // namespace orbo

// On a session bus and runtime folder of the program's own.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    const orbo::testing::SessionBus bus;
    return RUN_ALL_TESTS();
}
