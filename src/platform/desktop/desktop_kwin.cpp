// The KDE Plasma Wayland desktop: loading the KWin script and taking its cursor reports.
#include "desktop_kwin.h"

#include "platform/desktop/compositor_cursor.h"
#include "platform/desktop/desktop_compositor.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>
#include <QtCore/QTemporaryDir>
#include <QtCore/QTimer>
#include <QtDBus/QDBusConnection>
#include <QtDBus/QDBusConnectionInterface>
#include <QtDBus/QDBusMessage>
#include <QtDBus/QDBusPendingCallWatcher>
#include <QtDBus/QDBusServiceWatcher>
#include <QtGui/QKeySequence>

#include <functional>

#include <sys/stat.h>
#include <unistd.h>

namespace orbo {

namespace {

using namespace Qt::StringLiterals;

const QString kKWin = u"org.kde.KWin"_s;
const QString kScripting = u"/Scripting"_s;
const QString kScriptingInterface = u"org.kde.kwin.Scripting"_s;
// One name for every run, so that a start after a crash replaces the script it left loaded.
const QString kScriptName = u"orbo-cursor"_s;
const QString kMember = u"Moved"_s;
// At most one report an animation interval (cursorPosChanged fires on every motion event): the
// usual one until Orbo's first answer tells its own.
constexpr int kReportIntervalMs = CursorReceiver::kDefaultReportInterval;
// How often a script unloaded by someone is looked for and loaded again (KWin gone and back is
// seen at once): seldom, as each look costs KWin as much as a few reports.
constexpr int kCheckIntervalMs = 10000;
constexpr int kCallTimeoutMs = 2000;

// KWin spends more on an answer than on a call (it runs the script's callback), so only about one
// report a second asks for one: Orbo's interval comes with it, and whether Orbo is still there.
constexpr int kAnswerIntervalMs = 1000;
// Checks the script may leave unanswered before it takes Orbo for gone or stuck (KWin calls back
// only on an answer), and how often it then asks again, so that a crashed Orbo costs KWin's log a
// line every few seconds at most.
constexpr int kUnansweredChecks = 2;
constexpr int kProbeIntervalMs = 5000;

// The script, kwin_cursor.js, after one line that gives it its values as `orbo`, written by
// QJsonDocument so that every text is quoted as JavaScript reads it; empty when the compiled-in
// script cannot be read.
QByteArray ScriptText(const QString& service, const QString& key) {
    QFile script(u":/kwin_cursor.js"_s);
    if (!script.open(QIODevice::ReadOnly))
        return {};
    const QJsonObject values{
        {u"service"_s, service},
        {u"path"_s, kCursorPath},
        {u"iface"_s, kCursorInterface},
        {u"member"_s, kMember},
        {u"reportIntervalMs"_s, kReportIntervalMs},
        {u"answerIntervalMs"_s, kAnswerIntervalMs},
        {u"unansweredChecks"_s, kUnansweredChecks},
        {u"probeIntervalMs"_s, kProbeIntervalMs},
        {u"key"_s, key},
        {u"keyMember"_s, kKeyPressedMember},
        {u"keyText"_s,
         QCoreApplication::translate("orbo::Desktop", "Orbo: Hide or show the creature")},
    };
    return "const orbo = " + QJsonDocument(values).toJson(QJsonDocument::Compact) + ";\n" +
           script.readAll();
}

// Writes the script, which calls service, to file; whether it was written whole.
bool WriteScript(const QString& file, const QString& service, const QString& key,
                 QIODevice::OpenMode mode) {
    QFile script(file);
    const QByteArray text = ScriptText(service, key);
    return !text.isEmpty() && script.open(QIODevice::WriteOnly | mode) &&
           script.write(text) == text.size() && script.flush();
}

// A folder to make the script's own folder in: the user's runtime folder, else the temp folder,
// either only if no one else can remove or replace what is made in it (owned by the user or by
// root, and not writable by others unless sticky, as /tmp is).
QString ScriptFolderBase() {
    for (const QString& folder : {qEnvironmentVariable("XDG_RUNTIME_DIR"), QDir::tempPath()}) {
        struct stat info {};
        if (folder.isEmpty() || ::stat(QFile::encodeName(folder).constData(), &info) != 0 ||
            !S_ISDIR(info.st_mode) || (info.st_uid != ::geteuid() && info.st_uid != 0))
            continue;
        if ((info.st_mode & (S_IWGRP | S_IWOTH)) == 0 || (info.st_mode & S_ISVTX) != 0)
            return folder;
    }
    return {};
}

class KWinDesktop : public CompositorDesktop {
public:
    KWinDesktop(std::unique_ptr<Desktop> fallback, const QDBusConnection& bus,
                std::unique_ptr<QTemporaryDir> scriptFolder, QString scriptFile)
        : CompositorDesktop(std::move(fallback), bus, kMember),
          scriptFolder_(std::move(scriptFolder)), scriptFile_(std::move(scriptFile)),
          watcher_(kKWin, bus_, QDBusServiceWatcher::WatchForOwnerChange) {
        watcher_.addWatchedService(kCursorName);
        QObject::connect(&watcher_, &QDBusServiceWatcher::serviceOwnerChanged, &context_,
                         [this](const QString& name, const QString&, const QString& owner) {
                             if (name == kCursorName) {
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
        holder_ = QueueForTheName();
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
    }

    bool FollowsPointerEverywhere() const override { return true; }

    // The script registers the key with KWin, which calls back on each press.
    bool ListensForKeys() const override { return true; }
    std::optional<QString> ListenForKey(QKeyCombination key,
                                        std::function<void()> pressed) override {
        pressed_ = std::move(pressed);
        const QString text =
            pressed_ ? QKeySequence(key).toString(QKeySequence::PortableText) : QString();
        if (!WriteScript(scriptFile_, bus_.baseService(), text, QIODevice::Truncate))
            return QStringLiteral("KWin's script could not be written");
        reload_ = true;
        Load();
        return {};
    }

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

    // Replaces any script of this name (one a crashed run left loaded), then runs it; once more
    // when the script changed meanwhile.
    void Load() {
        if (loading_ || !holder_ || kwinOwner_.isEmpty())
            return;
        loading_ = true;
        reload_ = false;
        const auto loaded = [this] {
            loading_ = false;
            if (reload_)
                Load();
        };
        Call(u"unloadScript"_s, {kScriptName}, [this, loaded](const QDBusMessage&) {
            Call(u"loadScript"_s, {scriptFile_, kScriptName},
                 [this, loaded](const QDBusMessage& reply) {
                     const QVariantList values = reply.arguments();
                     if (reply.type() != QDBusMessage::ReplyMessage || values.isEmpty() ||
                         values.front().toInt() < 0) {
                         loaded();
                         return;
                     }
                     Call(u"start"_s, {}, [loaded](const QDBusMessage&) { loaded(); });
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

    void Received(const QDBusMessage& message) override {
        // Only KWin's script reports; any other program of the session is not listened to.
        if (kwinOwner_.isEmpty() || message.service() != kwinOwner_)
            return;
        const auto report = ParseCompositorReport(message.arguments());
        if (!report)
            return;
        if (const auto cursor = PixelsFromCompositor(*report, fallback_->GetMonitors()))
            Follow(*cursor);
    }

    void KeyCall(const QDBusMessage& message) override {
        if (pressed_ && !kwinOwner_.isEmpty() && message.service() == kwinOwner_ &&
            message.member() == kKeyPressedMember)
            pressed_();
    }

    // The script's folder, made for it and removed with it.
    std::unique_ptr<QTemporaryDir> scriptFolder_;
    QString scriptFile_;
    QDBusServiceWatcher watcher_;
    QTimer check_;
    QString kwinOwner_;
    bool loading_ = false;
    bool reload_ = false;
    std::function<void()> pressed_;
    // Whether this program holds the name the script calls.
    bool holder_ = false;
};

} // namespace

std::unique_ptr<Desktop> FollowKWin(std::unique_ptr<Desktop> fallback) {
    if (!SessionBusReachable())
        return fallback;
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface() ||
        !bus.interface()->isServiceRegistered(kKWin).value())
        return fallback;
    // KWin reads the script from a file, in a folder of this desktop's own that no one else can
    // write: made anew (no name to guess, nothing planted in it to follow), mode 0700.
    const QString base = ScriptFolderBase();
    if (base.isEmpty())
        return fallback;
    auto folder = std::make_unique<QTemporaryDir>(base + u"/orbo-kwin-XXXXXX"_s);
    if (!folder->isValid())
        return fallback;
    const QString file = folder->filePath(u"cursor.js"_s);
    if (!WriteScript(file, bus.baseService(), {}, QIODevice::NewOnly))
        return fallback;
    return std::make_unique<KWinDesktop>(std::move(fallback), bus, std::move(folder), file);
}

} // namespace orbo
