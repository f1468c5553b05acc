// The creature's menu: its items, their words and what each does.
#include "creature_menu.h"

#include "creature/choices.h"
#include "creature_widget/creature_widget.h"

#include <QtGui/QAction>
#include <QtGui/QActionGroup>
#include <QtWidgets/QMenu>

namespace orbo {

using namespace Qt::StringLiterals;

CreatureMenu::CreatureMenu(CreatureWidget& form, MenuHooks hooks)
    : form_(form), hooks_(std::move(hooks)) {
    Fill(form.PopupMenu());
}

QString CreatureMenu::HideText(bool shown, bool tray) {
    if (!shown)
        return tr("&Show");
    return tray ? tr("&Hide") : tr("&Hide (start Orbo again to show it)");
}

CreatureMenu::Items CreatureMenu::Fill(QMenu& menu) {
    Items items;
    // The connections end with the menu's items or with this definition, whichever goes first.
    const auto command = [this, &menu](const QString& text, const std::function<void()>& hook) {
        QAction* item = menu.addAction(text);
        connect(item, &QAction::triggered, this, [hook] {
            if (hook)
                hook();
        });
        return item;
    };
    const auto check = [&menu](const QString& text) {
        QAction* item = menu.addAction(text);
        item->setCheckable(true);
        return item;
    };
    items.Options = command(tr("&Options"), hooks_.Options);
    menu.addSeparator();
    items.HideOverFullScreen = check(tr("Hide over &full-screen windows"));
    items.AllWorkspaces = check(tr("Show on every &workspace"));
    items.ClickThrough = check(tr("Let &clicks through"));
    items.Size = menu.addMenu(tr("Si&ze"));
    auto* sizes = new QActionGroup(items.Size);
    for (const int percent : kSizeChoices) {
        QAction* item = items.Size->addAction(tr("%1 %").arg(percent));
        item->setCheckable(true);
        item->setData(percent);
        sizes->addAction(item);
        connect(item, &QAction::triggered, this,
                [this, percent] { form_.Model().SetSize(percent); });
    }
    menu.addSeparator();
    items.Hide = menu.addAction(HideText(true, true));
    items.BringBack = menu.addAction(tr("&Bring back"));
    menu.addSeparator();
    items.StartAtLogin = check(tr("Start at &login"));
    items.StartAtLogin->setEnabled(hooks_.StartsAtLogin && hooks_.SetStartAtLogin);
    menu.addSeparator();
    items.Exit = command(tr("&Exit"), hooks_.Exit);

    QAction* atLogin = items.StartAtLogin;
    connect(atLogin, &QAction::triggered, this, [this, atLogin](bool on) {
        const std::optional<QString> failed = hooks_.SetStartAtLogin(on);
        atLogin->setChecked(hooks_.StartsAtLogin());
        if (failed)
            Q_EMIT Told(*failed);
    });
    connect(items.HideOverFullScreen, &QAction::triggered, this,
            [this](bool on) { form_.SetHideOverFullScreen(on); });
    connect(items.AllWorkspaces, &QAction::triggered, this,
            [this](bool on) { form_.SetAllWorkspaces(on); });
    connect(items.ClickThrough, &QAction::triggered, this,
            [this](bool on) { form_.SetClickThrough(on); });
    connect(items.BringBack, &QAction::triggered, this, [this] { form_.BringBack(); });
    connect(items.Hide, &QAction::triggered, this,
            [this] { form_.SetCreatureShown(!form_.CreatureShown()); });
    connect(&menu, &QMenu::aboutToShow, this, [this, items] { Refresh(items); });
    Refresh(items);
    return items;
}

void CreatureMenu::Refresh(const Items& items) {
    // Read back each time: an installer or another tool may have changed it since.
    items.StartAtLogin->setChecked(items.StartAtLogin->isEnabled() && hooks_.StartsAtLogin());
    items.HideOverFullScreen->setChecked(form_.Chosen().HideOverFullScreen);
    items.AllWorkspaces->setChecked(form_.Chosen().AllWorkspaces);
    items.ClickThrough->setChecked(form_.Chosen().ClickThrough);
    items.Hide->setText(HideText(form_.CreatureShown(), hooks_.TrayShown && hooks_.TrayShown()));
    for (QAction* size : items.Size->actions())
        size->setChecked(size->data().toInt() == form_.Chosen().Size);
}

} // namespace orbo
