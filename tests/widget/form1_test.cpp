// The creature window's timers run at the pace the creature sets.
#include "running_creature.h"

#include <QtTest/QTest>

#include <gtest/gtest.h>

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

} // namespace
} // namespace orbo
