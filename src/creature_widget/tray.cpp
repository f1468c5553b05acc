// The tray icon: Orbo's icon, a click that hides or shows the creature, and its menu.
#include "tray.h"

#include "creature_widget/creature_widget.h"
#include "resources/resources.h"

#include <QtWidgets/QMessageBox>

namespace orbo {

TrayIcon::TrayIcon(CreatureWidget& form, CreatureMenu& menu) : form_(form), icon_(AppIcon()) {
    menu.Fill(menu_);
    connect(&menu, &CreatureMenu::Told, this, &TrayIcon::Tell);
    connect(&form, &CreatureWidget::Told, this, &TrayIcon::Tell);
    icon_.setToolTip(tr("Orbo: a click hides or shows the creature"));
    icon_.setContextMenu(&menu_);
    connect(&icon_, &QSystemTrayIcon::activated, this, &TrayIcon::Icon_Activated);
    // Shown even with no tray yet: on X11, Qt embeds the icon in any tray that announces itself
    // later (its MANAGER message), and on Windows in a taskbar made anew.
    icon_.show();
}

void TrayIcon::Icon_Activated(QSystemTrayIcon::ActivationReason reason) {
    if (reason == QSystemTrayIcon::Trigger)
        form_.SetCreatureShown(!form_.CreatureShown());
}

void TrayIcon::Tell(const QString& why) {
    if (QSystemTrayIcon::isSystemTrayAvailable()) {
        icon_.showMessage(QStringLiteral("Orbo"), why, QSystemTrayIcon::Warning);
        return;
    }
    // Not modal: the creature goes on while the message waits.
    auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Orbo"), why);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal); // a message box is born application-modal
    box->show();
}

} // namespace orbo
