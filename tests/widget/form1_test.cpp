// The creature window: start-up, and the timers run at the pace the creature sets.
#include "creature/settings_io.h"
#include "platform/system/settings_store.h"
#include "running_creature.h"

#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace orbo {
namespace {

TEST(Form1, StartsRestoredAtTheScreensCentreTickingAtTheStoredSpeed) {
    testing::RunningCreature c;
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

} // namespace
} // namespace orbo
