// The tray icon: its menu's items, what each does, and the click that hides or shows the creature.
#include "creature/creature.h"
#include "creature/settings_io.h"
#include "main/form1.h"
#include "main/tray.h"
#include "memory_settings_store.h"
#include "scripted_desktop.h"

#include <QtGui/QAction>
#include <QtTest/QTest>

#include <functional>
#include <optional>

#include <gtest/gtest.h>

namespace orbo {
namespace {

using namespace Qt::StringLiterals;

struct Tray {
    ScriptedDesktop Desk;
    MemorySettingsStore Store;
    Creature Model{Desk, {}};
    Form1 Form{Model, Desk, Store};
    int Options = 0;
    int Exits = 0;
    bool AtLogin = false;
    std::optional<QString> Refusal;
    QStringList Told;
    TrayIcon Icon{Form,
                  {.Options = [this] { ++Options; },
                   .Exit = [this] { ++Exits; },
                   .StartsAtLogin = [this] { return AtLogin; },
                   .SetStartAtLogin = [this](bool on) -> std::optional<QString> {
                       if (Refusal)
                           return Refusal;
                       AtLogin = on;
                       return std::nullopt;
                   }}};

    Tray() {
        QObject::connect(&Icon, &TrayIcon::Told, &Form,
                         [this](const QString& why) { Told << why; });
        Form.Form_Load();
        Form.show();
    }
    // The menu as it shows: each item's text, "[x]" or "[ ]" after a check item's.
    QStringList Items() {
        Icon.Menu().popup(QPoint(0, 0));
        QStringList items;
        for (const QAction* a : Icon.Menu().actions()) {
            if (!a->isSeparator())
                items << a->text() + (a->isCheckable() ? (a->isChecked() ? u" [x]"_s : u" [ ]"_s)
                                                       : QString());
        }
        Icon.Menu().close();
        return items;
    }
};

TEST(TrayIcon, MenuItemsReadTheirStateAndDoTheirWork) {
    Tray t;
    EXPECT_EQ(
        QStringList({u"Bring back"_s, u"Options…"_s, u"Exit"_s, u"Start at login [ ]"_s,
                     u"Hide over full-screen windows [x]"_s, u"Show on every workspace [x]"_s}),
        t.Items());
    // Turned on elsewhere (an installer): the menu reads it back when it next shows.
    t.AtLogin = true;
    EXPECT_EQ(u"Start at login [x]", t.Items()[3]);

    std::optional<bool> allWorkspaces;
    std::optional<bool> hideOverFullScreen;
    t.Form.SetDesktopChoiceHooks({[&](QWidget&, bool on) { allWorkspaces = on; },
                                  [&](bool on) { hideOverFullScreen = on; }});
    const std::pair<QAction*, std::function<bool()>> rows[] = {
        {t.Icon.Options, [&] { return t.Options == 1; }},
        {t.Icon.Exit, [&] { return t.Exits == 1; }},
        {t.Icon.StartAtLogin, [&] { return !t.AtLogin && t.Items()[3] == u"Start at login [ ]"; }},
        {t.Icon.HideOverFullScreen,
         [&] { return hideOverFullScreen == false && !t.Form.General().HideOverFullScreen; }},
        {t.Icon.AllWorkspaces,
         [&] { return allWorkspaces == false && !t.Form.General().AllWorkspaces; }}};
    for (const auto& [item, done] : rows) {
        SCOPED_TRACE(item->text().toStdString());
        t.Items(); // checks the items as the user sees them
        item->trigger();
        EXPECT_TRUE(done());
    }
    // A place that cannot be written: the item stays unchecked and the tray says why, once.
    t.Refusal = u"The autostart folder is read-only"_s;
    t.Items();
    t.Icon.StartAtLogin->trigger();
    EXPECT_EQ(u"Start at login [ ]", t.Items()[3]);
    EXPECT_EQ(QStringList({*t.Refusal}), t.Told);
}

// A click on the icon hides the creature, its animation stopped and not woken by the pointer;
// the next shows it where it was, animating. Other activations leave it alone.
TEST(TrayIcon, ClickHidesOrShowsTheCreature) {
    Tray t;
    const QPoint place = t.Form.pos();
    const auto click = [&t](QSystemTrayIcon::ActivationReason reason) {
        Q_EMIT t.Icon.Icon().activated(reason);
    };
    click(QSystemTrayIcon::Trigger);
    EXPECT_FALSE(t.Form.isVisible());
    t.Desk.Announce();
    EXPECT_FALSE(t.Form.Animating());
    click(QSystemTrayIcon::Context);
    click(QSystemTrayIcon::MiddleClick);
    EXPECT_FALSE(t.Form.isVisible());
    click(QSystemTrayIcon::Trigger);
    EXPECT_TRUE(t.Form.isVisible());
    EXPECT_TRUE(t.Form.Animating());
    EXPECT_EQ(place, t.Form.pos());
}

} // namespace
} // namespace orbo
