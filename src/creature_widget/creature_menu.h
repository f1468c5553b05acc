// The creature's menu: one definition for the popup menu and the tray's.
#pragma once

#include <QtCore/QObject>
#include <QtCore/QString>

#include <functional>
#include <optional>

class QAction;
class QMenu;

namespace orbo {

class CreatureWidget;

// What the menu reaches outside the creature window.
struct MenuHooks {
    // What "&Options" and "&Exit" do: the options window lives above this room.
    std::function<void()> Options;
    std::function<void()> Exit;
    // Start at login: the state as read back from where the desktop keeps it, and turning it on
    // or off (the reason when that failed). Without them the item is disabled.
    std::function<bool()> StartsAtLogin;
    std::function<std::optional<QString>(bool)> SetStartAtLogin;
    // Whether a tray shows Orbo's icon, which brings a hidden creature back.
    std::function<bool()> TrayShown;
};

// The items of the creature's menus, in their order and groups: "&Options" first; the desktop
// choices, dozing and the size; hiding and bringing back; start at login; "&Exit" last. Every
// choice is reachable from the creature itself, also on a desktop with no tray, and the tray's menu
// says the same words in the same order with the same accelerators. Made, it fills the creature
// window's popup menu.
class CreatureMenu : public QObject {
    Q_OBJECT

public:
    CreatureMenu(CreatureWidget& form, MenuHooks hooks);

    // Adds the items to a menu. Each time the menu shows, the check items read the state they
    // stand for.
    void Fill(QMenu& menu);

    // The hiding item's words: how a hidden creature comes back is said where it is hidden.
    static QString HideText(bool shown, bool tray);

Q_SIGNALS:
    // Why start at login could not be changed.
    void Told(const QString& why);

private:
    CreatureWidget& form_;
    MenuHooks hooks_;
};

} // namespace orbo
