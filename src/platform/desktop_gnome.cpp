// The GNOME Shell Wayland desktop: listening to Orbo's extension on the session bus.
#include "desktop_gnome.h"

#include "compositor_cursor.h"
#include "desktop_compositor.h"

#include <QtDBus/QDBusConnectionInterface>
#include <QtDBus/QDBusMessage>
#include <QtDBus/QDBusServiceWatcher>

namespace orbo {

namespace {

using namespace Qt::StringLiterals;

const QString kShell = u"org.gnome.Shell"_s;
// Held by the extension while it is enabled.
const QString kExtension = u"org.orbo.GnomeShell"_s;

class GnomeShellDesktop : public CompositorDesktop {
public:
    GnomeShellDesktop(std::unique_ptr<Desktop> fallback, const QDBusConnection& bus)
        : CompositorDesktop(std::move(fallback), bus, u"Pointer"_s),
          watcher_(kExtension, bus_, QDBusServiceWatcher::WatchForOwnerChange) {
        QObject::connect(&watcher_, &QDBusServiceWatcher::serviceOwnerChanged, &context_,
                         [this](const QString&, const QString&, const QString& owner) {
                             extensionOwner_ = owner;
                             buttons_ = 0;
                             Lost();
                         });
        extensionOwner_ = bus_.interface()->serviceOwner(kExtension).value();
        QueueForTheName();
    }

    bool GetAsyncKeyState(MouseButton button) override {
        return Following() ? (buttons_ & ButtonCode(button)) != 0
                           : fallback_->GetAsyncKeyState(button);
    }
    bool FollowsPointerEverywhere() const override { return !extensionOwner_.isEmpty(); }
    QString HowToFollowEverywhere() const override {
        return u"In GNOME, Orbo's eyes follow the pointer everywhere once its GNOME Shell "
               u"extension is on. To turn it on, run:\n\n    gnome-extensions enable %1\n\nor "
               u"switch on \"Orbo pointer\" in the Extensions application. If Orbo was installed "
               u"during this session, log out and in again first: GNOME Shell looks for new "
               u"extensions only when it starts."_s.arg(QLatin1String(kGnomeShellExtension));
    }

private:
    void Received(const QDBusMessage& message) override {
        // Only the extension reports; any other program of the session is not listened to.
        if (extensionOwner_.isEmpty() || message.service() != extensionOwner_)
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

    QDBusServiceWatcher watcher_;
    QString extensionOwner_;
    int buttons_ = 0;
};

} // namespace

std::unique_ptr<Desktop> FollowGnomeShell(std::unique_ptr<Desktop> fallback) {
    if (!SessionBusReachable())
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
