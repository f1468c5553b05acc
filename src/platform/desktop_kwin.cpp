#include "desktop_kwin.h"

#include "compositor_cursor.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QStandardPaths>
#include <QtCore/QTimer>
#include <QtDBus/QDBusConnection>
#include <QtDBus/QDBusConnectionInterface>
#include <QtDBus/QDBusMessage>
#include <QtDBus/QDBusPendingCallWatcher>
#include <QtDBus/QDBusServiceWatcher>
#include <QtDBus/QDBusVirtualObject>

#include <functional>

namespace orbo {

namespace {

using namespace Qt::StringLiterals;

const QString kKWin = u"org.kde.KWin"_s;
const QString kScripting = u"/Scripting"_s;
const QString kScriptingInterface = u"org.kde.kwin.Scripting"_s;
// One name for every run, so that a start after a crash replaces the script it left loaded.
const QString kScriptName = u"orbo-cursor"_s;
// The bus name the script calls: held by one program at a time, so that of several creatures one
// follows KWin and the others XWayland, until the holder ends and the next in line takes over.
const QString kName = u"org.orbo.Cursor"_s;
const QString kPath = u"/org/orbo/Cursor"_s;
const QString kInterface = u"org.orbo.Cursor"_s;
const QString kMember = u"Moved"_s;
// At most one report a frame of a 60 Hz display: cursorPosChanged fires on every motion event.
constexpr int kReportIntervalMs = 16;
// How often a lost script (unloaded by someone, or KWin gone) is looked for and loaded again.
constexpr int kCheckIntervalMs = 2000;
constexpr int kCallTimeoutMs = 2000;

// Plasma 6 has a list of output objects (workspace.screens) and screenAt(point) gives the one under
// the point, with its geometry; Plasma 5 numbers its outputs and has clientArea(option, point,
// desktop), which Plasma 6 dropped.
QString ScriptText(const QString& service) {
    return uR"(// Written by Orbo: tells it where the cursor is, also over Wayland windows.
(function () {
    var service = "%1", path = "%2", iface = "%3";
    // Without a timer to send the last of a burst later, every move is reported.
    var timer = typeof QTimer === "function" ? new QTimer() : null;
    if (timer) {
        timer.singleShot = true;
        timer.interval = %4;
    }
    var pending = false;
    function output(p) {
        if (workspace.screens !== undefined) {
            var screen = workspace.screenAt(p);
            return screen ? screen.geometry : null;
        }
        return workspace.clientArea(KWin.ScreenArea, p, workspace.currentDesktop);
    }
    function report() {
        var p = workspace.cursorPos;
        var o = output(p);
        if (o)
            callDBus(service, path, iface, "%5", p.x, p.y, o.x, o.y, o.width, o.height);
    }
    if (timer) {
        timer.timeout.connect(function () {
            if (pending) {
                pending = false;
                report();
                timer.start();
            }
        });
    }
    workspace.cursorPosChanged.connect(function () {
        if (!timer) {
            report();
        } else if (timer.active) {
            pending = true;
        } else {
            report();
            timer.start();
        }
    });
    report();
})();
)"_s.arg(service, kPath, kInterface, QString::number(kReportIntervalMs), kMember);
}

// Takes the calls to the cursor object.
class Receiver : public QDBusVirtualObject {
public:
    explicit Receiver(std::function<void(const QDBusMessage&)> moved) : moved_(std::move(moved)) {}
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        if (message.type() != QDBusMessage::MethodCallMessage || message.member() != kMember ||
            message.interface() != kInterface)
            return false;
        moved_(message);
        if (!message.isReplyRequired())
            return true;
        // KWin waits for an answer to each call, whatever it was.
        connection.send(message.createReply());
        return true;
    }
    QString introspect(const QString&) const override { return {}; }

private:
    std::function<void(const QDBusMessage&)> moved_;
};

class KWinDesktop : public Desktop {
public:
    KWinDesktop(std::unique_ptr<Desktop> fallback, const QDBusConnection& bus, QString scriptFile)
        : fallback_(std::move(fallback)), bus_(bus), scriptFile_(std::move(scriptFile)),
          receiver_([this](const QDBusMessage& m) { Moved(m); }),
          watcher_(kKWin, bus_, QDBusServiceWatcher::WatchForOwnerChange) {
        fallback_->SetInputListener([this] { InputArrived(); });
        bus_.registerVirtualObject(kPath, &receiver_);
        watcher_.addWatchedService(kName);
        QObject::connect(&watcher_, &QDBusServiceWatcher::serviceOwnerChanged, &context_,
                         [this](const QString& name, const QString&, const QString& owner) {
                             if (name == kName) {
                                 const bool was = holder_;
                                 holder_ = owner == bus_.baseService();
                                 if (holder_ && !was)
                                     Load();
                                 return;
                             }
                             kwinOwner_ = owner;
                             Lost();
                             Load();
                         });
        kwinOwner_ = bus_.interface()->serviceOwner(kKWin).value();
        holder_ = bus_.interface()
                      ->registerService(kName, QDBusConnectionInterface::QueueService,
                                        QDBusConnectionInterface::DontAllowReplacement)
                      .value() == QDBusConnectionInterface::ServiceRegistered;
        check_.setInterval(kCheckIntervalMs);
        QObject::connect(&check_, &QTimer::timeout, &context_, [this] { Check(); });
        check_.start();
        Load();
    }
    ~KWinDesktop() override {
        check_.stop();
        if (holder_ && !kwinOwner_.isEmpty())
            bus_.call(ScriptingCall(u"unloadScript"_s, {kScriptName}), QDBus::Block,
                      kCallTimeoutMs);
        // The next creature in line takes over now.
        bus_.interface()->unregisterService(kName);
        bus_.unregisterObject(kPath);
        QFile::remove(scriptFile_);
    }

    QPoint GetCursorPos() override { return cursor_ ? *cursor_ : fallback_->GetCursorPos(); }
    bool GetAsyncKeyState(MouseButton button) override {
        return fallback_->GetAsyncKeyState(button);
    }
    QSize ScreenSizePixels() const override { return fallback_->ScreenSizePixels(); }
    Units ScreenUnits() const override { return fallback_->ScreenUnits(); }
    Monitors GetMonitors() const override { return fallback_->GetMonitors(); }
    bool AnnouncesInput() const override { return fallback_->AnnouncesInput(); }
    void Refresh() override { fallback_->Refresh(); }
    bool FollowsPointerEverywhere() const override { return true; }

private:
    static QDBusMessage ScriptingCall(const QString& method, const QVariantList& arguments) {
        QDBusMessage call =
            QDBusMessage::createMethodCall(kKWin, kScripting, kScriptingInterface, method);
        call.setArguments(arguments);
        return call;
    }

    void Call(const QString& method, const QVariantList& arguments,
              std::function<void(const QDBusMessage&)> done) {
        auto* pending = new QDBusPendingCallWatcher(
            bus_.asyncCall(ScriptingCall(method, arguments), kCallTimeoutMs), &context_);
        QObject::connect(pending, &QDBusPendingCallWatcher::finished, &context_,
                         [pending, done = std::move(done)] {
                             done(pending->reply());
                             pending->deleteLater();
                         });
    }

    // Replaces any script of this name (one a crashed run left loaded), then runs it.
    void Load() {
        if (loading_ || !holder_ || kwinOwner_.isEmpty())
            return;
        loading_ = true;
        Call(u"unloadScript"_s, {kScriptName}, [this](const QDBusMessage&) {
            Call(u"loadScript"_s, {scriptFile_, kScriptName}, [this](const QDBusMessage& reply) {
                const QVariantList values = reply.arguments();
                if (reply.type() != QDBusMessage::ReplyMessage || values.isEmpty() ||
                    values.front().toInt() < 0) {
                    loading_ = false;
                    return;
                }
                Call(u"start"_s, {}, [this](const QDBusMessage&) { loading_ = false; });
            });
        });
    }

    // The script is looked for now and then: someone may have unloaded it.
    void Check() {
        if (loading_ || !holder_ || kwinOwner_.isEmpty())
            return;
        Call(u"isScriptLoaded"_s, {kScriptName}, [this](const QDBusMessage& reply) {
            const QVariantList values = reply.arguments();
            if (reply.type() == QDBusMessage::ReplyMessage && !values.isEmpty() &&
                values.front().toBool())
                return;
            Lost();
            Load();
        });
    }

    // Until KWin reports again, the fallback tells where the cursor is.
    void Lost() {
        if (!cursor_)
            return;
        cursor_.reset();
        InputArrived();
    }

    void Moved(const QDBusMessage& message) {
        // Only KWin's script reports; any other program of the session is not listened to.
        if (kwinOwner_.isEmpty() || message.service() != kwinOwner_)
            return;
        const auto report = ParseCompositorReport(message.arguments());
        if (!report)
            return;
        const auto cursor = PixelsFromCompositor(*report, fallback_->GetMonitors());
        if (!cursor)
            return;
        if (cursor_ != cursor) {
            cursor_ = cursor;
            InputArrived();
        }
    }

    std::unique_ptr<Desktop> fallback_;
    QDBusConnection bus_;
    QString scriptFile_;
    Receiver receiver_;
    QObject context_;
    QDBusServiceWatcher watcher_;
    QTimer check_;
    QString kwinOwner_;
    bool loading_ = false;
    // Whether this program holds the name the script calls.
    bool holder_ = false;
    std::optional<QPoint> cursor_;
};

} // namespace

std::unique_ptr<Desktop> FollowKWin(std::unique_ptr<Desktop> fallback) {
    // With no session bus to be found, asking for one would start a bus daemon that outlives the
    // program.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS") &&
        (runtime.isEmpty() || !QFile::exists(runtime + u"/bus"_s)))
        return fallback;
    return FollowKWin(std::move(fallback), QDBusConnection::sessionBus());
}

std::unique_ptr<Desktop> FollowKWin(std::unique_ptr<Desktop> fallback, const QDBusConnection& bus) {
    if (!bus.isConnected() || !bus.interface() ||
        !bus.interface()->isServiceRegistered(kKWin).value())
        return fallback;
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    // KWin reads the script from a file, each desktop's own.
    static int made = 0;
    const QString file =
        folder +
        u"/orbo-kwin-cursor-%1-%2.js"_s.arg(QCoreApplication::applicationPid()).arg(++made);
    QFile script(file);
    const QByteArray text = ScriptText(kName).toUtf8();
    if (!script.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        script.write(text) != text.size() || !script.flush())
        return fallback;
    script.close();
    return std::make_unique<KWinDesktop>(std::move(fallback), bus, file);
}

} // namespace orbo
