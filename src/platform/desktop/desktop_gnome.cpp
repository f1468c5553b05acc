// The GNOME Shell Wayland desktop: listening to Orbo's extension on the session bus, and to
// Mutter's idle monitor for the person away.
#include "desktop_gnome.h"

#include "platform/desktop/compositor_cursor.h"
#include "platform/desktop/desktop_compositor.h"
#include "platform/desktop/desktop_x11.h"
#include "platform/desktop/gnome_extension.h"
#include "platform/system/files.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QDir>
#include <QtCore/QFileInfo>
#include <QtCore/QJsonDocument>
#include <QtCore/QJsonValue>

#include <QtDBus/QDBusArgument>
#include <QtDBus/QDBusConnectionInterface>
#include <QtDBus/QDBusMessage>
#include <QtDBus/QDBusServiceWatcher>
#include <QtDBus/QDBusVariant>

#include <chrono>
#include <utility>

namespace orbo {

namespace {

using namespace Qt::StringLiterals;

const QString kShell = u"org.gnome.Shell"_s;
// Held by the extension while it is enabled.
const QString kExtension = u"org.orbo.GnomeShell"_s;
const QString kShellPath = u"/org/gnome/Shell"_s;
const QString kExtensions = u"org.gnome.Shell.Extensions"_s;
// Mutter's idle monitor, which counts every input the compositor gets: a watch added by a program
// rings once the idle time reaches a wait (each time it does), a user-active watch at the next
// input (once); each rings as WatchFired with its number, to the program that added it.
const QString kIdleMonitor = u"org.gnome.Mutter.IdleMonitor"_s;
const QString kIdleMonitorPath = u"/org/gnome/Mutter/IdleMonitor/Core"_s;

// Takes the idle monitor's WatchFired signals, which reach a slot only.
class IdleWatchBell : public QObject {
    Q_OBJECT

public:
    explicit IdleWatchBell(std::function<void(uint)> rang) : rang_(std::move(rang)) {}

public Q_SLOTS:
    void Rang(uint watch) { rang_(watch); }

private:
    std::function<void(uint)> rang_;
};

class GnomeShellDesktop : public CompositorDesktop {
public:
    GnomeShellDesktop(std::unique_ptr<Desktop> fallback, const QDBusConnection& bus)
        : CompositorDesktop(std::move(fallback), bus, u"Pointer"_s),
          watcher_(kExtension, bus_, QDBusServiceWatcher::WatchForOwnerChange) {
        watcher_.addWatchedService(kShell);
        QObject::connect(&watcher_, &QDBusServiceWatcher::serviceOwnerChanged, &context_,
                         [this](const QString& name, const QString&, const QString& owner) {
                             (name == kShell ? shellOwner_ : extensionOwner_) = owner;
                             buttons_ = 0;
                             Lost();
                         });
        shellOwner_ = bus_.interface()->serviceOwner(kShell).value();
        extensionOwner_ = bus_.interface()->serviceOwner(kExtension).value();
        QueueForTheName();
        bus_.connect(kIdleMonitor, kIdleMonitorPath, kIdleMonitor, u"WatchFired"_s, &bell_,
                     SLOT(Rang(uint)));
    }

    bool ButtonDown(MouseButton button) override {
        return Following() ? (buttons_ & ButtonCode(button)) != 0 : fallback_->ButtonDown(button);
    }
    bool FollowsPointerEverywhere() const override { return ExtensionPresent(); }
    // What the shell says of the extension; the plain advice when it says nothing.
    QString HowToFollowEverywhere() const override {
        QDBusMessage info =
            QDBusMessage::createMethodCall(kShell, kShellPath, kExtensions, u"GetExtensionInfo"_s);
        info << QString::fromLatin1(kGnomeShellExtension);
        const QDBusMessage reply = bus_.call(info, QDBus::Block, kCallTimeoutMs);
        const QVariant version = Property(u"org.gnome.Shell"_s, u"ShellVersion"_s);
        const QVariant userExtensions = Property(kExtensions, u"UserExtensionsEnabled"_s);
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() != 1 ||
            !version.isValid() || !userExtensions.isValid())
            return QCoreApplication::translate(
                       "orbo::GnomeExtension",
                       "In GNOME, Orbo's eyes follow the pointer everywhere once its GNOME Shell "
                       "extension is on. To turn it on, run:\n\n    gnome-extensions enable "
                       "%1\n\nor switch on \"Orbo pointer\" in the Extensions application. If "
                       "Orbo was installed during this session, log out and in again first: GNOME "
                       "Shell looks for new extensions only when it starts.")
                .arg(QLatin1String(kGnomeShellExtension));
        auto answer = qdbus_cast<QVariantMap>(reply.arguments().front());
        // The installed copy's list of versions arrives as the bus's own array of variants.
        if (const QVariant listed = answer.value(u"shell-version"_s);
            listed.canConvert<QDBusArgument>()) {
            QStringList versions;
            for (const QVariant& version : qdbus_cast<QVariantList>(listed))
                versions << (version.canConvert<QDBusVariant>()
                                 ? qvariant_cast<QDBusVariant>(version).variant()
                                 : version)
                                .toString();
            answer.insert(u"shell-version"_s, versions);
        }
        // GNOME Shell 43 leaves the list out: the copy's own metadata.json has it.
        if (!answer.contains(u"shell-version"_s))
            answer.insert(u"shell-version"_s, ListedVersions(answer.value(u"path"_s).toString()));
        return GnomeExtensionAdvice(ClassifyGnomeExtension(answer, userExtensions.toBool()), answer,
                                    version.toString(), ShippedForms());
    }

    // The extension holds the key while it reports to this program: it learns the key from the
    // answers to its reports, and calls back on each press.
    bool ListensForKeys() const override { return true; }
    std::optional<QString> ListenForKey(QKeyCombination key,
                                        std::function<void()> pressed) override {
        pressed_ = std::move(pressed);
        const QString accelerator = pressed_ ? GtkAccelerator(key) : QString();
        if (pressed_ && accelerator.isEmpty())
            return QCoreApplication::translate("orbo::Desktop", "this keyboard has no such key");
        SetAccelerator(accelerator);
        return {};
    }

    // Away once the idle watch rings; back when the user-active watch added then rings.
    void WatchAway(std::chrono::milliseconds after) override {
        for (uint* watch : {&idleWatch_, &backWatch_})
            if (const uint added = std::exchange(*watch, 0))
                IdleMonitorCall(u"RemoveWatch"_s, {QVariant::fromValue(added)});
        if (after.count() > 0)
            idleWatch_ =
                IdleMonitorCall(u"AddIdleWatch"_s, {QVariant::fromValue(quint64(after.count()))});
    }

private:
    static constexpr int kCallTimeoutMs = 2000;

    // The watch's number a call answered with; 0 for none.
    uint IdleMonitorCall(const QString& method, const QVariantList& arguments) {
        QDBusMessage call =
            QDBusMessage::createMethodCall(kIdleMonitor, kIdleMonitorPath, kIdleMonitor, method);
        call.setArguments(arguments);
        const QDBusMessage reply = bus_.call(call, QDBus::Block, kCallTimeoutMs);
        return reply.type() == QDBusMessage::ReplyMessage && reply.arguments().size() == 1
                   ? reply.arguments().front().toUInt()
                   : 0;
    }

    void WatchRang(uint watch) {
        if (watch == 0)
            return;
        if (watch == idleWatch_ && backWatch_ == 0) {
            backWatch_ = IdleMonitorCall(u"AddUserActiveWatch"_s, {});
            AwayChanged(true);
        } else if (watch == backWatch_) {
            backWatch_ = 0;
            AwayChanged(false);
        }
    }

    void KeyCall(const QDBusMessage& message) override {
        if (!pressed_ || !ExtensionPresent() || message.service() != shellOwner_)
            return;
        if (message.member() == kKeyTakenMember)
            KeyRefused(QCoreApplication::translate("orbo::Desktop",
                                                   "GNOME Shell has it for something else"));
        else
            pressed_();
    }

    // The forms where the package puts them beside the program's data, with the versions each
    // one's metadata.json lists.
    static GnomeExtensionForms ShippedForms() {
        GnomeExtensionForms forms;
        const QDir data(AppPath());
        for (const QString& name : data.entryList({u"gnome-shell-*"_s}, QDir::Dirs)) {
            const QString folder = data.filePath(name + u'/' + QLatin1String(kGnomeShellExtension));
            if (QFileInfo::exists(folder + u"/metadata.json"_s))
                forms.insert(folder, ListedVersions(folder));
        }
        return forms;
    }

    // The versions an extension's metadata.json in that folder lists; none when it is not there.
    static QStringList ListedVersions(const QString& folder) {
        const auto metadata = ReadRegularFile(folder + u"/metadata.json"_s, 64 * 1024);
        if (!metadata)
            return {};
        return QJsonDocument::fromJson(*metadata)[u"shell-version"_s].toVariant().toStringList();
    }

    QVariant Property(const QString& interface, const QString& name) const {
        QDBusMessage get = QDBusMessage::createMethodCall(
            kShell, kShellPath, u"org.freedesktop.DBus.Properties"_s, u"Get"_s);
        get << interface << name;
        const QDBusMessage reply = bus_.call(get, QDBus::Block, kCallTimeoutMs);
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
            return {};
        return qvariant_cast<QDBusVariant>(reply.arguments().front()).variant();
    }

    void Received(const QDBusMessage& message) override {
        // Only the extension reports, from inside the shell; any other program of the session is
        // not listened to, even one that took the extension's name.
        if (!ExtensionPresent() || message.service() != shellOwner_)
            return;
        const auto pointer = ParseCompositorPointer(message.arguments());
        if (!pointer)
            return;
        const auto cursor = PixelsFromCompositor(pointer->Report, fallback_->GetMonitors());
        if (!cursor)
            return;
        const bool buttonsChanged = buttons_ != pointer->Buttons;
        buttons_ = pointer->Buttons;
        Follow(*cursor, buttonsChanged);
    }

    // The extension runs in the shell, so its name is held by the shell's own connection: a name
    // held by another program is not the extension.
    bool ExtensionPresent() const {
        return !shellOwner_.isEmpty() && extensionOwner_ == shellOwner_;
    }

    QDBusServiceWatcher watcher_;
    QString shellOwner_;
    QString extensionOwner_;
    int buttons_ = 0;
    std::function<void()> pressed_;
    IdleWatchBell bell_{[this](uint watch) { WatchRang(watch); }};
    uint idleWatch_ = 0;
    uint backWatch_ = 0;
};

} // namespace

std::unique_ptr<Desktop> FollowGnomeShell(std::unique_ptr<Desktop> fallback) {
    if (!SessionBusReachable())
        return fallback;
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface() ||
        !bus.interface()->isServiceRegistered(kShell).value())
        return fallback;
    return std::make_unique<GnomeShellDesktop>(std::move(fallback), bus);
}

} // namespace orbo

#include "desktop_gnome.moc"
