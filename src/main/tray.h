// The tray icon that rescues the creature and holds the desktop choices.
#pragma once

#include <QtCore/QObject>
#include <QtCore/QString>
#include <QtWidgets/QMenu>
#include <QtWidgets/QSystemTrayIcon>

#include <functional>
#include <optional>

class QAction;

namespace orbo {

class Form1;

// What the tray's menu reaches outside the creature window.
struct TrayHooks {
    // What the popup menu's "&Options" and "&Exit" do.
    std::function<void()> Options;
    std::function<void()> Exit;
    // Start at login: the state as read back from where the desktop keeps it, and turning it on
    // or off (the reason when that failed). Without them the item is disabled.
    std::function<bool()> StartsAtLogin;
    std::function<std::optional<QString>(bool)> SetStartAtLogin;
};

// Orbo's icon in the system tray, shown whenever a tray is there, also one started later. A
// click on it hides or shows the creature; its menu brings a lost creature back, reaches the
// options and the end, and holds the check items of the desktop choices.
class TrayIcon : public QObject {
    Q_OBJECT

public:
    TrayIcon(Form1& form, TrayHooks hooks);

    QSystemTrayIcon& Icon() { return icon_; }
    // Before it shows, each check item is set from the state it stands for.
    QMenu& Menu() { return menu_; }

    QAction* BringBack = nullptr;
    QAction* Options = nullptr;
    QAction* Exit = nullptr;
    QAction* StartAtLogin = nullptr;
    QAction* HideOverFullScreen = nullptr;
    QAction* AllWorkspaces = nullptr;

Q_SIGNALS:
    // Why start at login could not be changed, as the tray tells the user.
    void Told(const QString& why);

private:
    void Icon_Activated(QSystemTrayIcon::ActivationReason reason);
    void Menu_AboutToShow();
    void StartAtLogin_Triggered(bool on);

    Form1& form_;
    TrayHooks hooks_;
    // Before the icon, which shows it: destroyed after it.
    QMenu menu_;
    QSystemTrayIcon icon_;
};

} // namespace orbo
