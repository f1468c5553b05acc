// The hot key through the desktop portal's global shortcuts, where the compositor hears it.
#pragma once

#include "platform/desktop/desktop.h"

#include <QtCore/QKeyCombination>
#include <QtCore/QString>
#include <QtDBus/QDBusConnection>

#include <functional>
#include <memory>
#include <optional>

class QDBusMessage;
class QObject;

namespace orbo {

// The key as the portal's shortcuts are written ("CTRL+ALT+o": the modifiers, then the key's
// xkbcommon name): a character by itself if it is a small letter or a digit, any other by its
// code ("U00E9"), the keys that type nothing by name. Nothing for a key it cannot name.
std::optional<QString> PortalTrigger(QKeyCombination key);

// One shortcut held through org.freedesktop.portal.GlobalShortcuts on `bus`, from a session of
// its own: asked for at once, `key` its preferred trigger, never waited for. The program names
// itself to the portal first (app id "orbo", as its desktop file is named), which newer portals
// require of a program the desktop did not start as an application; on a connection of its own,
// since a portal takes the name only before any other call on the connection. Each press the
// portal reports for this session and shortcut calls `pressed`, and nothing else does (signals
// from any other connection than the portal's, or for another session, are let be). `refused` is
// told why not, once: nothing ("") when the portal or its global shortcuts are missing, the words
// when the portal turns the session or the shortcut down. The session ends with the object.
class PortalShortcut {
public:
    PortalShortcut(const QDBusConnection& bus, QKeyCombination key, std::function<void()> pressed,
                   std::function<void(const QString& why)> refused);
    ~PortalShortcut();
    PortalShortcut(const PortalShortcut&) = delete;
    PortalShortcut& operator=(const PortalShortcut&) = delete;

private:
    void Call(const QDBusMessage& call, std::function<void(const QDBusMessage& reply)> done);
    // A call whose answer comes as the Response of a request object; the path is listened on
    // before the call is made, as the portal may answer before its reply to the call arrives.
    void Request(const QString& method, QVariantList arguments, QVariantMap options);
    void Heard(const QDBusMessage& message);
    void Responded(uint code, const QVariantMap& results);
    void Refuse(const QString& why);

    QDBusConnection bus_;
    QKeyCombination key_;
    std::function<void()> pressed_;
    std::function<void(const QString&)> refused_;
    std::unique_ptr<QObject> ear_;
    // The unique name of the portal's connection that made the session.
    QString portal_;
    QString request_;
    QString session_;
    bool refusedOnce_ = false;
};

// A desktop that is `inner` in everything but the hot key, which it asks of the desktop portal
// (see PortalShortcut) on a connection to the session bus of its own. Where no session bus is
// there, `inner` itself.
std::unique_ptr<Desktop> ListenThroughPortal(std::unique_ptr<Desktop> inner);

} // namespace orbo
