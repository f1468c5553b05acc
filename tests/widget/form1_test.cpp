// The creature window: start-up, the timer's pace and stopping while nothing can change.
#include "creature/creature.h"
#include "creature/settings_io.h"
#include "main/form1.h"
#include "memory_settings_store.h"
#include "platform/desktop/desktop.h"
#include "platform/system/settings_store.h"
#include "scripted_desktop.h"

#include <QtTest/QTest>

#include <functional>

#include <gtest/gtest.h>

namespace orbo {
namespace {

struct Running {
    ScriptedDesktop Desk;
    MemorySettingsStore Store;
    Creature Model{Desk, {}};
    Form1 Form{Model, Desk, Store};
};

TEST(Form1, StartsRestoredAtTheScreensCentreTickingAtTheStoredSpeed) {
    Running c;
    c.Store.SaveSetting(kSettingsApp, kSettingsSection, "Speed", "0");
    c.Form.setWindowState(Qt::WindowMinimized);
    c.Form.Form_Load();
    EXPECT_EQ(Qt::WindowNoState, c.Form.windowState());
    EXPECT_EQ(QPoint(512, 384), c.Form.pos()); // top-left corner at the screen's centre
    EXPECT_EQ(QSize(75, 100), c.Form.size());
    EXPECT_EQ(501, c.Form.AnimationInterval());
    EXPECT_TRUE(c.Form.Animating());
    // The desktop knows the pace too: a compositor need not report the pointer more often.
    EXPECT_EQ(501, c.Desk.AnimationInterval);
    c.Form.SetSpeed(85);
    EXPECT_EQ(76, c.Desk.AnimationInterval);
}

// Still, the animation stops once a tick repeats the frame from the same inputs; anything
// announced, or any setting the options window changes, starts it again. A desktop that cannot
// announce the pointer's moves never lets it stop.
TEST(Form1, StopsTickingWhileNothingCanChange) {
    Running c;
    c.Desk.Announces = false;
    c.Form.Form_Load();
    const auto settle = [&c] {
        for (int i = 0; i < 3 && !c.Form.Idle(); ++i)
            c.Form.Timer1_Timer();
        return c.Form.Idle();
    };
    EXPECT_FALSE(settle());
    EXPECT_TRUE(c.Form.Animating());
    c.Desk.Announces = true;
    c.Form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&c.Form));
    ASSERT_TRUE(settle());
    EXPECT_FALSE(c.Form.Animating());
    c.Desk.Cursor = QPoint(900, 100);
    c.Desk.Announce();
    EXPECT_TRUE(c.Form.Animating());
    const QImage still = c.Form.Frame();
    c.Form.Timer1_Timer();
    EXPECT_NE(c.Form.Frame(), still) << "the eyes did not follow the announced move";
    EXPECT_FALSE(c.Form.Idle()) << "stopped on a tick that drew something new";
    const std::pair<const char*, std::function<void()>> wakers[] = {
        {"speed", [&c] { c.Form.SetSpeed(60); }},
        {"blink", [&c] { c.Form.SetBlink(false); }},
        {"on top", [&c] { c.Form.SetOnTop(false); }},
        {"skin", [&c] { c.Form.ActivateSkin(QStringLiteral("< none >")); }},
        {"moved", [&c] { c.Form.move(c.Form.pos() + QPoint(5, 0)); }}};
    for (const auto& [what, wake] : wakers) {
        ASSERT_TRUE(settle()) << what;
        wake();
        EXPECT_TRUE(c.Form.Animating()) << what;
    }
}

} // namespace
} // namespace orbo
