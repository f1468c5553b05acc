// The tray icon that rescues the creature and holds the desktop choices.
#pragma once

#include "creature_widget/creature_menu.h"

#include <QtCore/QObject>
#include <QtWidgets/QMenu>
#include <QtWidgets/QSystemTrayIcon>

namespace orbo {

class CreatureWidget;

// Orbo's icon in the system tray, shown whenever a tray is there, also one started later. A
// click on it hides or shows the creature; its menu is the creature's menu. When the menu could
// not change a choice, the tray says why (a message box where no tray shows the icon).
class TrayIcon : public QObject {
    Q_OBJECT

public:
    TrayIcon(CreatureWidget& form, CreatureMenu& menu);

    QSystemTrayIcon& Icon() { return icon_; }
    QMenu& Menu() { return menu_; }

private:
    void Icon_Activated(QSystemTrayIcon::ActivationReason reason);
    void Tell(const QString& why);

    CreatureWidget& form_;
    // Before the icon, which shows it: destroyed after it.
    QMenu menu_;
    QSystemTrayIcon icon_;
};

} // namespace orbo
