// The creature's menu: its items, their words and what each does.
#include "creature_menu.h"

#include "creature/choices.h"
#include "creature/creature.h"
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

void CreatureMenu::Fill(QMenu& menu) {
    // The connections end with the menu's items or with this definition, whichever goes first.
    const auto command = [this, &menu](const QString& text, const std::function<void()>& hook) {
        QAction* item = menu.addAction(text);
        connect(item, &QAction::triggered, this, [hook] {
            if (hook)
                hook();
        });
        return item;
    };
    // A check item: each time the menu shows it reads the state it stands for.
    const auto check = [this, &menu](const QString& text, const std::function<bool()>& state,
                                     const std::function<void(bool)>& set) {
        QAction* item = menu.addAction(text);
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, [set](bool on) {
            if (set)
                set(on);
        });
        const auto refresh = [item, state] { item->setChecked(state()); };
        connect(&menu, &QMenu::aboutToShow, item, refresh);
        refresh();
        return item;
    };
    // One of the user's choices, as the creature has it.
    const auto choice = [this, &check](const QString& text, bool Choices::*field,
                                       const std::function<void(bool)>& set) {
        return check(
            text, [this, field] { return form_.Model().Chosen().*field; }, set);
    };
    command(tr("&Options"), hooks_.Options);
    menu.addSeparator();
    choice(tr("Hide over &full-screen windows"), &Choices::HideOverFullScreen,
           [this](bool on) { form_.SetHideOverFullScreen(on); });
    choice(tr("Show on every &workspace"), &Choices::AllWorkspaces,
           [this](bool on) { form_.SetAllWorkspaces(on); });
    choice(tr("Let &clicks through"), &Choices::ClickThrough,
           [this](bool on) { form_.SetClickThrough(on); });
    check(
        tr("&Doze when I am away"), [this] { return form_.Model().Chosen().DozeAfter > 0; },
        [this](bool on) { form_.Model().SetDozeAfter(on ? kDefaultDozeAfter : 0); });
    QMenu* sizeMenu = menu.addMenu(tr("Si&ze"));
    auto* sizes = new QActionGroup(sizeMenu);
    for (const int percent : kSizeChoices) {
        QAction* item = sizeMenu->addAction(tr("%1 %").arg(percent));
        item->setCheckable(true);
        sizes->addAction(item);
        connect(item, &QAction::triggered, this,
                [this, percent] { form_.Model().SetSize(percent); });
        const auto refresh = [this, item, percent] {
            item->setChecked(form_.Model().Chosen().Size == percent);
        };
        connect(&menu, &QMenu::aboutToShow, item, refresh);
        refresh();
    }
    menu.addSeparator();
    QAction* hide =
        command(HideText(true, true), [this] { form_.SetCreatureShown(!form_.CreatureShown()); });
    const auto hideText = [this, hide] {
        hide->setText(HideText(form_.CreatureShown(), hooks_.TrayShown && hooks_.TrayShown()));
    };
    connect(&menu, &QMenu::aboutToShow, hide, hideText);
    hideText();
    command(tr("&Bring back"), [this] { form_.BringBack(); });
    menu.addSeparator();
    // Read back each time: an installer or another tool may have changed it since.
    const bool atLoginKnown = hooks_.StartsAtLogin && hooks_.SetStartAtLogin;
    QAction* atLogin =
        check(tr("Start at &login"),
              [this, atLoginKnown] { return atLoginKnown && hooks_.StartsAtLogin(); }, {});
    atLogin->setEnabled(atLoginKnown);
    connect(atLogin, &QAction::triggered, this, [this, atLogin](bool on) {
        const std::optional<QString> failed = hooks_.SetStartAtLogin(on);
        atLogin->setChecked(hooks_.StartsAtLogin());
        if (failed)
            Q_EMIT Told(*failed);
    });
    menu.addSeparator();
    command(tr("&Exit"), hooks_.Exit);
}

} // namespace orbo
