// The creature window: its timers run at the pace the creature sets; the popup menu and the
// tray's say the same, and the tray's items reach the creature; the hot key is heard, each press
// hiding or showing it, and a key not had is said; and where the desktop hides the pointer, the
// notice that the eyes follow it only over X11 windows.
#include "creature/stored_choices.h"
#include "creature_widget/hot_key.h"
#include "creature_widget/tray.h"
#include "memory_settings_store.h"
#include "platform/desktop/desktop.h"
#include "platform/system/settings_store.h"
#include "running_creature.h"
#include "scripted_desktop.h"

#include <QtGui/QAction>
#include <QtTest/QSignalSpy>
#include <QtTest/QTest>
#include <QtWidgets/QAbstractButton>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QMessageBox>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>

#if defined(Q_OS_WIN)
#include <windows.h>
#else
#include "creature_widget/pointer_notice.h"
#endif

namespace orbo {
namespace {

// The timers run as the creature says: stopped while still, woken by an announced move.
TEST(CreatureWidget, TimersRunAsTheCreatureSays) {
    testing::RunningCreature c;
    c.Desk.Announces = true;
    c.Form.Start();
    c.Form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&c.Form));
    for (int i = 0; i < 3 && !c.Form.Idle(); ++i)
        c.Form.Tick();
    ASSERT_TRUE(c.Form.Idle());
    EXPECT_FALSE(c.Form.Animating());
    c.Desk.Cursor = QPoint(900, 100);
    c.Desk.Announce();
    EXPECT_TRUE(c.Form.Animating());
    const QImage still = c.Form.Frame();
    c.Form.Tick();
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
        Form.Start();
        Form.show();
    }
    // A menu as it shows: each item's text, "[x]" or "[ ]" after a check item's; "-" a separator.
    static QStringList Items(QMenu& menu) {
        menu.popup(QPoint(0, 0));
        QStringList items;
        for (const QAction* a : menu.actions())
            items << (a->isSeparator()
                          ? u"-"_s
                          : a->text() + (a->isCheckable() ? (a->isChecked() ? u" [x]"_s : u" [ ]"_s)
                                                          : QString()));
        menu.close();
        return items;
    }
    QStringList Items() { return Items(Icon.Menu()); }
    static QAction* Item(const QMenu& menu, const QString& text) {
        for (QAction* a : menu.actions())
            if (a->text() == text)
                return a;
        return nullptr;
    }
};

TEST(CreatureMenu, BothMenusSayTheSameAndEachItemDoesItsWork) {
    Tray t;
    const QStringList items = QStringList()
                              << u"&Options"_s << u"-"_s << u"Hide over &full-screen windows [x]"_s
                              << u"Show on every &workspace [x]"_s << u"Let &clicks through [ ]"_s
                              << u"&Doze when I am away [x]"_s << u"Si&ze"_s << u"-"_s << u"&Hide"_s
                              << u"&Bring back"_s << u"-"_s << u"Start at &login [ ]"_s << u"-"_s
                              << u"&Exit"_s;
    EXPECT_EQ(items, t.Items());
    EXPECT_EQ(items, t.Items(t.Form.PopupMenu()));
    // A place that cannot be written: the item stays unchecked and the menu says why, once.
    t.Refusal = u"The autostart folder is read-only"_s;
    t.Items();
    Tray::Item(t.Icon.Menu(), u"Start at &login"_s)->trigger();
    EXPECT_TRUE(t.Items().contains(u"Start at &login [ ]"_s));
    EXPECT_EQ(QStringList({*t.Refusal}), t.Told);
    // Turned on elsewhere (an installer): the menu reads it back when it next shows.
    t.AtLogin = true;
    EXPECT_TRUE(t.Items().contains(u"Start at &login [x]"_s));
    // With no tray to bring it back, hiding says what will.
    t.TrayShown = false;
    EXPECT_TRUE(t.Items(t.Form.PopupMenu()).contains(u"&Hide (start Orbo again to show it)"_s));

    // What the desktop choices and hiding do is the end-to-end menu test's.
    QMenu& tray = t.Icon.Menu();
    QAction* sizeItem = t.Item(tray, u"Si&ze"_s);
    ASSERT_TRUE(sizeItem && sizeItem->menu());
    QMenu& sizes = *sizeItem->menu();
    const auto clicksThrough = [&t](bool on) {
        return t.Form.Chosen().ClickThrough == on &&
               t.Form.windowHandle()->flags().testFlag(Qt::WindowTransparentForInput) == on;
    };
    const std::pair<QAction*, std::function<bool()>> rows[] = {
        {t.Item(tray, u"&Options"_s), [&] { return t.OptionsShown == 1; }},
        {t.Item(tray, u"&Exit"_s), [&] { return t.Exits == 1; }},
        {t.Item(t.Form.PopupMenu(), u"&Options"_s), [&] { return t.OptionsShown == 2; }},
        {t.Item(t.Form.PopupMenu(), u"&Exit"_s), [&] { return t.Exits == 2; }},
        {t.Item(tray, u"Let &clicks through"_s), [&] { return clicksThrough(true); }},
        {t.Item(tray, u"Let &clicks through"_s), [&] { return clicksThrough(false); }},
        {t.Item(tray, u"&Doze when I am away"_s), [&] { return t.Form.Chosen().DozeAfter == 0; }},
        {t.Item(tray, u"&Doze when I am away"_s), [&] { return t.Form.Chosen().DozeAfter == 5; }},
        {t.Item(sizes, u"200 %"_s),
         [&] {
             return t.Form.size() == QSize(150, 200) &&
                    t.Items(sizes) == QStringList({u"50 % [ ]"_s, u"75 % [ ]"_s, u"100 % [ ]"_s,
                                                   u"150 % [ ]"_s, u"200 % [x]"_s, u"300 % [ ]"_s});
         }},
        {t.Item(sizes, u"50 %"_s), [&] { return t.Form.size() == QSize(38, 50); }}};
    for (const auto& [item, done] : rows) {
        ASSERT_TRUE(item);
        SCOPED_TRACE(item->text().toStdString());
        t.Items(); // checks the items as the user sees them
        item->trigger();
        EXPECT_TRUE(done());
    }
}

TEST(ListenForHotKey, EachPressHidesOrShowsAndAKeyNotHadIsSaid) {
    // Quoted back cut short: the message must fit on the screen.
    static const std::string kLong = "Ctrl+Alt+" + std::string(100000, 'x');
    const QKeyCombination ctrlAltO = Qt::CTRL | Qt::ALT | Qt::Key_O;
    const struct Row {
        const char* Stored; // nullptr: nothing stored
        bool Listens;       // whether the desktop lets a program listen for keys
        std::optional<QString> Refusal;
        std::optional<QString> Later; // found taken later, twice
        QKeyCombination Held;
        QString Told; // in what the user is told
    } rows[] = {
        {nullptr, true, {}, {}, ctrlAltO, {}},
        {"Meta+F2", true, {}, {}, Qt::META | Qt::Key_F2, {}},
        {"", true, {}, {}, {}, {}},
        {"Ctrl+Alt+O", false, {}, {}, {}, {}},
        {"Ctrl+Alt+O", true, u"another program already uses it"_s, u"again"_s, ctrlAltO,
         u"Ctrl+Alt+O cannot hide and show Orbo: another program already uses it."_s},
        {"Ctrl+Alt+O", true, {}, u"the shell has it"_s, ctrlAltO, u"Orbo: the shell has it."_s},
        {"Ctrl+Alt+O", true, {}, u""_s, ctrlAltO, {}}, // no key after all: a note on stderr
        {"O", true, {}, {}, {}, u"\"O\", the HotKey in Orbo's settings, is no key"_s},
        {kLong.c_str(), true, {}, {}, {}, u"Ctrl+Alt+"_s + QString(31, u'x') + u"\u2026\""_s}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Stored ? row.Stored : "(none)");
        SCOPED_TRACE(row.Later.value_or(u"-"_s).toStdString());
        testing::RunningCreature c;
        auto& [desk, store, model, form] = c;
        desk.Keys = row.Listens;
        desk.KeyRefusal = row.Refusal;
        if (row.Stored)
            store.SaveSetting(kSettingsApp, kSettingsSection, u"HotKey"_s, row.Stored);
        QSignalSpy told(&form, &CreatureWidget::Told);
        form.Start();
        ListenForHotKey(desk, form);
        for (int i = 0; row.Later && i < 2; ++i)
            desk.RefuseKeyLater(*row.Later);
        EXPECT_EQ(row.Held, desk.HeldKey);
        EXPECT_EQ(row.Told.isEmpty() ? 0 : 1, told.count());
        if (!told.isEmpty()) {
            EXPECT_TRUE(told.front().front().toString().contains(row.Told))
                << told.front().front().toString().toStdString();
        }
        if (desk.KeyPressed && !row.Refusal && !row.Later) {
            desk.KeyPressed();
            EXPECT_FALSE(form.CreatureShown());
            desk.KeyPressed();
            EXPECT_TRUE(form.CreatureShown());
        }
    }
}

#if defined(Q_OS_WIN)
// Windows refuses a key another program registered; the reason is said in plain words.
TEST(ListenForHotKey, WindowsSaysWhenAnotherProgramHoldsTheKey) {
    ASSERT_TRUE(::RegisterHotKey(nullptr, 7, MOD_CONTROL | MOD_ALT, 'O'));
    const auto desktop = MakeDesktop();
    ASSERT_TRUE(desktop->ListensForKeys());
    EXPECT_EQ(u"another program already uses it"_s,
              desktop->ListenForKey(Qt::CTRL | Qt::ALT | Qt::Key_O, [] {}).value_or(QString()));
    ::UnregisterHotKey(nullptr, 7);
    EXPECT_EQ(std::nullopt, desktop->ListenForKey(Qt::CTRL | Qt::ALT | Qt::Key_O, [] {}));
}
#endif

#ifndef Q_OS_WIN
// Told only where the pointer is hidden: what to do where the user can (GNOME Shell with the
// extension off), else where the eyes would follow everywhere.
TEST(PointerNotice, ToldOnlyWhereThePointerIsHidden) {
    const struct NoticeRow {
        const char* name;
        bool everywhere;
        const char* stored; // nullptr: nothing stored
        const char* advice;
        const char* shown; // nullptr: not told
    } rows[] = {
        {"X11, or KWin telling", true, nullptr, "", nullptr},
        {"X11, the notice never dismissed", true, "True", "", nullptr},
        {"another Wayland desktop", false, nullptr, "", "In an X11 session"},
        {"an extension to turn on", false, nullptr, "Run: gnome-extensions enable x@y",
         "gnome-extensions enable x@y"},
        {"another Wayland desktop, asked to tell", false, "True", "", "In an X11 session"},
        {"another Wayland desktop, told not to tell", false, "False", "", nullptr},
        {"another Wayland desktop, told not to tell in other letters", false, "false", "", nullptr},
    };
    for (const NoticeRow& row : rows) {
        SCOPED_TRACE(row.name);
        testing::RunningCreature c;
        c.Desk.Everywhere = row.everywhere;
        c.Desk.Advice = QLatin1String(row.advice);
        if (row.stored)
            c.Store.SaveSetting(kSettingsApp, kSettingsSection, QStringLiteral("PointerNotice"),
                                QLatin1String(row.stored));
        c.Model.LoadChoices(c.Store);
        EXPECT_EQ(ShouldTellWherePointerIsSeen(c.Desk, c.Model.Chosen()), row.shown != nullptr);
        const std::unique_ptr<QMessageBox> box(TellWherePointerIsSeen(c.Desk, c.Model, c.Store));
        ASSERT_EQ(box != nullptr, row.shown != nullptr);
        if (!box)
            continue;
        EXPECT_TRUE(box->text().contains(QLatin1String(row.shown))) << box->text().toStdString();
        EXPECT_TRUE(box->text().contains(QLatin1String("only while it is over Orbo")));
    }
}

// Only ticking the box and closing the notice stops it for good: at once, at the next start, and
// after the creature's own choices are stored at its end.
TEST(PointerNotice, DismissedForGoodOnlyWhenTicked) {
    for (const bool tick : {false, true}) {
        SCOPED_TRACE(tick ? "ticked" : "not ticked");
        testing::RunningCreature c;
        c.Desk.Everywhere = false;
        c.Model.LoadChoices(c.Store);
        QMessageBox* box = TellWherePointerIsSeen(c.Desk, c.Model, c.Store);
        ASSERT_NE(box, nullptr);
        EXPECT_TRUE(box->isVisible());
        ASSERT_NE(box->checkBox(), nullptr);
        box->checkBox()->setChecked(tick);
        box->button(QMessageBox::Ok)->click();
        EXPECT_EQ(ShouldTellWherePointerIsSeen(c.Desk, c.Model.Chosen()), !tick);
        EXPECT_EQ(TellWherePointerIsSeen(c.Desk, c.Model, c.Store) == nullptr, tick);
        ASSERT_FALSE(c.Model.SaveChoices(c.Store));
        Creature next(c.Desk, {});
        next.LoadChoices(c.Store);
        EXPECT_EQ(ShouldTellWherePointerIsSeen(c.Desk, next.Chosen()), !tick);
    }
}
#endif

} // namespace
} // namespace orbo
