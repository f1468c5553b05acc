#include "desktop_gnome.h"

#include "compositor_cursor.h"

#include <QtCore/QFile>
#include <QtDBus/QDBusConnection>
#include <QtDBus/QDBusConnectionInterface>
#include <QtDBus/QDBusMessage>
#include <QtDBus/QDBusServiceWatcher>
#include <QtDBus/QDBusVirtualObject>

#include <functional>

namespace orbo {

namespace {

using namespace Qt::StringLiterals;

const QString kShell = u"org.gnome.Shell"_s;
// Held by the extension while it is enabled.
const QString kExtension = u"org.orbo.GnomeShell"_s;
// Held by one program at a time, as for KWin: the extension reports to its holder.
const QString kName = u"org.orbo.Cursor"_s;
const QString kPath = u"/org/orbo/Cursor"_s;
const QString kInterface = u"org.orbo.Cursor"_s;
const QString kMember = u"Pointer"_s;

class Receiver : public QDBusVirtualObject {
public:
    explicit Receiver(std::function<void(const QDBusMessage&)> pointer)
        : pointer_(std::move(pointer)) {}
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        if (message.type() != QDBusMessage::MethodCallMessage || message.member() != kMember ||
            message.interface() != kInterface)
            return false;
        pointer_(message);
        // The extension sends the next report only once this one is answered.
        if (message.isReplyRequired())
            connection.send(message.createReply());
        return true;
    }
    QString introspect(const QString&) const override { return {}; }

private:
    std::function<void(const QDBusMessage&)> pointer_;
};

class GnomeShellDesktop : public Desktop {
public:
    GnomeShellDesktop(std::unique_ptr<Desktop> fallback, const QDBusConnection& bus)
        : fallback_(std::move(fallback)), bus_(bus),
          receiver_([this](const QDBusMessage& m) { Pointer(m); }),
          watcher_(kExtension, bus_, QDBusServiceWatcher::WatchForOwnerChange) {
        fallback_->SetInputListener([this] { InputArrived(); });
        bus_.registerVirtualObject(kPath, &receiver_);
        QObject::connect(&watcher_, &QDBusServiceWatcher::serviceOwnerChanged, &context_,
                         [this](const QString&, const QString&, const QString& owner) {
                             extensionOwner_ = owner;
                             Lost();
                         });
        extensionOwner_ = bus_.interface()->serviceOwner(kExtension).value();
        bus_.interface()->registerService(kName, QDBusConnectionInterface::QueueService,
                                          QDBusConnectionInterface::DontAllowReplacement);
    }
    ~GnomeShellDesktop() override {
        // The extension stops reporting, or reports to the next creature in line.
        bus_.interface()->unregisterService(kName);
        bus_.unregisterObject(kPath);
    }

    QPoint GetCursorPos() override { return cursor_ ? *cursor_ : fallback_->GetCursorPos(); }
    bool GetAsyncKeyState(MouseButton button) override {
        return cursor_ ? (buttons_ & ButtonCode(button)) != 0 : fallback_->GetAsyncKeyState(button);
    }
    QSize ScreenSizePixels() const override { return fallback_->ScreenSizePixels(); }
    Units ScreenUnits() const override { return fallback_->ScreenUnits(); }
    Monitors GetMonitors() const override { return fallback_->GetMonitors(); }
    bool AnnouncesInput() const override { return fallback_->AnnouncesInput(); }
    void Refresh() override { fallback_->Refresh(); }
    bool FollowsPointerEverywhere() const override { return !extensionOwner_.isEmpty(); }
    QString HowToFollowEverywhere() const override {
        return u"In GNOME, Orbo's eyes follow the pointer everywhere once its GNOME Shell "
               u"extension is on. To turn it on, run:\n\n    gnome-extensions enable %1\n\nor "
               u"switch on \"Orbo pointer\" in the Extensions application. If Orbo was installed "
               u"during this session, log out and in again first: GNOME Shell looks for new "
               u"extensions only when it starts."_s.arg(QLatin1String(kGnomeShellExtension));
    }

private:
    // Until the extension reports again, the fallback tells where the pointer is.
    void Lost() {
        if (!cursor_)
            return;
        cursor_.reset();
        buttons_ = 0;
        InputArrived();
    }

    void Pointer(const QDBusMessage& message) {
        // Only the extension reports; any other program of the session is not listened to.
        if (extensionOwner_.isEmpty() || message.service() != extensionOwner_)
            return;
        const auto pointer = ParseCompositorPointer(message.arguments());
        if (!pointer)
            return;
        const auto cursor = PixelsFromCompositor(pointer->Report, fallback_->GetMonitors());
        if (!cursor)
            return;
        if (cursor_ != cursor || buttons_ != pointer->Buttons) {
            cursor_ = cursor;
            buttons_ = pointer->Buttons;
            InputArrived();
        }
    }

    std::unique_ptr<Desktop> fallback_;
    QDBusConnection bus_;
    Receiver receiver_;
    QObject context_;
    QDBusServiceWatcher watcher_;
    QString extensionOwner_;
    std::optional<QPoint> cursor_;
    int buttons_ = 0;
};

} // namespace

std::unique_ptr<Desktop> FollowGnomeShell(std::unique_ptr<Desktop> fallback) {
    // With no session bus to be found, asking for one would start a bus daemon that outlives the
    // program.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS") &&
        (runtime.isEmpty() || !QFile::exists(runtime + u"/bus"_s)))
        return fallback;
    return FollowGnomeShell(std::move(fallback), QDBusConnection::sessionBus());
}

std::unique_ptr<Desktop> FollowGnomeShell(std::unique_ptr<Desktop> fallback,
                                          const QDBusConnection& bus) {
    if (!bus.isConnected() || !bus.interface() ||
        !bus.interface()->isServiceRegistered(kShell).value())
        return fallback;
    return std::make_unique<GnomeShellDesktop>(std::move(fallback), bus);
}

} // namespace orbo
