// The tray icon: Orbo's icon, a click that hides or shows the creature, and its menu.
#include "tray.h"

#include "creature/mdl_general.h"
#include "main/form1.h"
#include "resources/resources.h"

#include <QtGui/QAction>

namespace orbo {

TrayIcon::TrayIcon(Form1& form, TrayHooks hooks)
    : form_(form), hooks_(std::move(hooks)), icon_(AppIcon()) {
    BringBack = menu_.addAction(QStringLiteral("Bring back"));
    Options = menu_.addAction(QStringLiteral("Options…"));
    Exit = menu_.addAction(QStringLiteral("Exit"));
    menu_.addSeparator();
    StartAtLogin = menu_.addAction(QStringLiteral("Start at login"));
    HideOverFullScreen = menu_.addAction(QStringLiteral("Hide over full-screen windows"));
    AllWorkspaces = menu_.addAction(QStringLiteral("Show on every workspace"));
    for (QAction* item : {StartAtLogin, HideOverFullScreen, AllWorkspaces})
        item->setCheckable(true);
    StartAtLogin->setEnabled(hooks_.StartsAtLogin && hooks_.SetStartAtLogin);

    connect(BringBack, &QAction::triggered, &form_, [this] { form_.BringBack(); });
    connect(Options, &QAction::triggered, this, [this] {
        if (hooks_.Options)
            hooks_.Options();
    });
    connect(Exit, &QAction::triggered, this, [this] {
        if (hooks_.Exit)
            hooks_.Exit();
    });
    connect(StartAtLogin, &QAction::triggered, this, &TrayIcon::StartAtLogin_Triggered);
    connect(HideOverFullScreen, &QAction::triggered, &form_,
            [this](bool on) { form_.SetHideOverFullScreen(on); });
    connect(AllWorkspaces, &QAction::triggered, &form_,
            [this](bool on) { form_.SetAllWorkspaces(on); });
    connect(&menu_, &QMenu::aboutToShow, this, &TrayIcon::Menu_AboutToShow);

    icon_.setToolTip(QStringLiteral("Orbo"));
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

void TrayIcon::Menu_AboutToShow() {
    // Read back each time: an installer or another tool may have changed it since.
    StartAtLogin->setChecked(StartAtLogin->isEnabled() && hooks_.StartsAtLogin());
    HideOverFullScreen->setChecked(form_.General().HideOverFullScreen);
    AllWorkspaces->setChecked(form_.General().AllWorkspaces);
}

void TrayIcon::StartAtLogin_Triggered(bool on) {
    const std::optional<QString> failed = hooks_.SetStartAtLogin(on);
    StartAtLogin->setChecked(hooks_.StartsAtLogin());
    if (!failed)
        return;
    icon_.showMessage(QStringLiteral("Orbo"), *failed, QSystemTrayIcon::Warning);
    Q_EMIT Told(*failed);
}

} // namespace orbo
