// The creature window's timers run at the pace the creature sets; the popup menu and the tray's
// say the same, and the tray's items reach the creature.
#include "creature/settings_io.h"
#include "main/tray.h"
#include "options/options_host.h"
#include "running_creature.h"

#include <QtGui/QAction>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace orbo {
namespace {

// The timers run as the creature says: stopped while still, woken by an announced move.
TEST(Form1, TimersRunAsTheCreatureSays) {
    testing::RunningCreature c;
    c.Desk.Announces = true;
    c.Form.Form_Load();
    c.Form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&c.Form));
    for (int i = 0; i < 3 && !c.Form.Idle(); ++i)
        c.Form.Timer1_Timer();
    ASSERT_TRUE(c.Form.Idle());
    EXPECT_FALSE(c.Form.Animating());
    c.Desk.Cursor = QPoint(900, 100);
    c.Desk.Announce();
    EXPECT_TRUE(c.Form.Animating());
    const QImage still = c.Form.Frame();
    c.Form.Timer1_Timer();
    EXPECT_NE(c.Form.Frame(), still) << "the eyes did not follow the announced move";
}

using namespace Qt::StringLiterals;

struct Tray : testing::RunningCreature {
    int OptionsShown = 0;
    int Exits = 0;
    bool AtLogin = false;
    std::optional<QString> Refusal;
    QStringList Told;
    bool TrayShown = true;
    OptionsHost Options{Model, Form};
    CreatureMenu Menus{Form,
                       {.Options = [this] { ++OptionsShown; },
                        .Exit = [this] { ++Exits; },
                        .StartsAtLogin = [this] { return AtLogin; },
                        .SetStartAtLogin = [this](bool on) -> std::optional<QString> {
                            if (Refusal)
                                return Refusal;
                            AtLogin = on;
                            return std::nullopt;
                        },
                        .TrayShown = [this] { return TrayShown; }}};
    TrayIcon Icon{Form, Menus};

    Tray() {
        QObject::connect(&Menus, &CreatureMenu::Told, &Form,
                         [this](const QString& why) { Told << why; });
        Options.SetCreatureMenu(&Menus);
        Form.Form_Load();
        Form.show();
    }
    // A menu as it shows: each item's text, "[x]" or "[ ]" after a check item's.
    QStringList Items(QMenu& menu) {
        menu.popup(QPoint(0, 0));
        QStringList items;
        for (const QAction* a : menu.actions()) {
            if (!a->isSeparator())
                items << a->text() + (a->isCheckable() ? (a->isChecked() ? u" [x]"_s : u" [ ]"_s)
                                                       : QString());
        }
        menu.close();
        return items;
    }
    QStringList Items() { return Items(Icon.Menu()); }
};

TEST(CreatureMenu, BothMenusSayTheSameAndEachItemDoesItsWork) {
    Tray t;
    const QStringList items{u"&Options"_s,
                            u"&Exit"_s,
                            u"Start at &login [ ]"_s,
                            u"Hide over &full-screen windows [x]"_s,
                            u"Show on every &workspace [x]"_s,
                            u"Let &clicks through [ ]"_s,
                            u"&Bring back"_s,
                            u"&Hide"_s,
                            u"Si&ze"_s};
    EXPECT_EQ(items, t.Items());
    EXPECT_EQ(items, t.Items(*t.Options.Menu()));
    // A place that cannot be written: the item stays unchecked and the menu says why, once.
    t.Refusal = u"The autostart folder is read-only"_s;
    t.Items();
    t.Icon.Items().StartAtLogin->trigger();
    EXPECT_EQ(u"Start at &login [ ]", t.Items()[2]);
    EXPECT_EQ(QStringList({*t.Refusal}), t.Told);
    // Turned on elsewhere (an installer): the menu reads it back when it next shows.
    t.AtLogin = true;
    EXPECT_EQ(u"Start at &login [x]", t.Items()[2]);
    // With no tray to bring it back, hiding says what will.
    t.TrayShown = false;
    EXPECT_EQ(u"&Hide (start Orbo again to show it)", t.Items(*t.Options.Menu())[7]);

    // What the desktop choices and hiding do is the end-to-end menu test's.
    const CreatureMenu::Items& tray = t.Icon.Items();
    const auto clicksThrough = [&t](bool on) {
        return t.Form.General().ClickThrough == on &&
               t.Form.windowHandle()->flags().testFlag(Qt::WindowTransparentForInput) == on;
    };
    const std::pair<QAction*, std::function<bool()>> rows[] = {
        {tray.Options, [&] { return t.OptionsShown == 1; }},
        {tray.Exit, [&] { return t.Exits == 1; }},
        {tray.ClickThrough, [&] { return clicksThrough(true); }},
        {tray.ClickThrough, [&] { return clicksThrough(false); }},
        {tray.Size->actions()[4],
         [&] {
             return t.Form.size() == QSize(150, 200) &&
                    t.Items(*tray.Size) ==
                        QStringList({u"50 % [ ]"_s, u"75 % [ ]"_s, u"100 % [ ]"_s, u"150 % [ ]"_s,
                                     u"200 % [x]"_s, u"300 % [ ]"_s});
         }},
        {tray.Size->actions()[0], [&] { return t.Form.size() == QSize(38, 50); }}};
    for (const auto& [item, done] : rows) {
        SCOPED_TRACE(item->text().toStdString());
        t.Items(); // checks the items as the user sees them
        item->trigger();
        EXPECT_TRUE(done());
    }
}

} // namespace
} // namespace orbo
