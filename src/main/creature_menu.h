// The creature's menu: one definition for the popup menu and the tray's.
#pragma once

#include <QtCore/QObject>
#include <QtCore/QString>

#include <functional>
#include <optional>

class QAction;
class QMenu;

namespace orbo {

class Form1;

// The popup menu's own two commands, in the user's language.
QString OptionsText();
QString ExitText();

// What the menu reaches outside the creature window.
struct MenuHooks {
    // What the popup menu's "&Options" and "&Exit" do, for a menu that does not hold them.
    std::function<void()> Options;
    std::function<void()> Exit;
    // Start at login: the state as read back from where the desktop keeps it, and turning it on
    // or off (the reason when that failed). Without them the item is disabled.
    std::function<bool()> StartsAtLogin;
    std::function<std::optional<QString>(bool)> SetStartAtLogin;
    // Whether a tray shows Orbo's icon, which brings a hidden creature back.
    std::function<bool()> TrayShown;
};

// The items of the creature's menus, in their order. Every choice is reachable from the creature
// itself, also on a desktop with no tray, and the tray's menu says the same words in the same
// order with the same accelerators.
class CreatureMenu : public QObject {
    Q_OBJECT

public:
    CreatureMenu(Form1& form, MenuHooks hooks);

    struct Items {
        QAction* Options = nullptr;
        QAction* Exit = nullptr;
        QAction* StartAtLogin = nullptr;
        QAction* HideOverFullScreen = nullptr;
        QAction* AllWorkspaces = nullptr;
        QAction* ClickThrough = nullptr;
        QAction* BringBack = nullptr;
        QAction* Hide = nullptr;
        // The sizes, one radio item each, in the order of kSizeChoices.
        QMenu* Size = nullptr;
    };
    // Adds the items to a menu: options and exit when the menu holds its own (the popup menu),
    // made here otherwise, then the rest. Each time the menu shows, the check items read the
    // state they stand for.
    Items Fill(QMenu& menu, QAction* options = nullptr, QAction* exit = nullptr);

    // The hiding item's words: how a hidden creature comes back is said where it is hidden.
    static QString HideText(bool shown, bool tray);

Q_SIGNALS:
    // Why start at login could not be changed.
    void Told(const QString& why);

private:
    void Refresh(const Items& items);

    Form1& form_;
    MenuHooks hooks_;
};

} // namespace orbo
