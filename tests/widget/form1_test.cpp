#include "main/form1.h"
#include "main/mdl_general.h"
#include "platform/desktop.h"
#include "platform/settings_store.h"

#include <QtTest/QTest>

#include <functional>
#include <vector>

#include <gtest/gtest.h>

namespace orbo {
namespace {

struct Creature {
    mdlGeneral General;
    ScriptedDesktop Desk;
    MemorySettingsStore Store;
    Form1 Form{General, Desk, Store};
};

TEST(Form1, StartsWithTheDefaultsOfAnEmptyStore) {
    Creature c;
    c.Form.setWindowState(Qt::WindowMinimized);
    c.Form.Form_Load();
    EXPECT_EQ(c.Form.windowState(), Qt::WindowNoState);
    EXPECT_EQ(c.Form.pos(), QPoint(512, 384)); // top-left corner at the screen's centre
    EXPECT_EQ(c.Form.size(), QSize(75, 100));
    EXPECT_EQ(c.Form.AnimationInterval(), 76);
    EXPECT_TRUE(c.Form.Animating());
    EXPECT_TRUE(c.General.Blink);
    EXPECT_TRUE(c.General.OnTop);
    EXPECT_EQ(c.General.SkinName, u"< none >");
}

TEST(Form1, StoredSpeedSetsTheInterval) {
    for (const auto& [speed, interval] : {std::pair{"0", 501}, {"100", 1}, {"50", 251}}) {
        Creature c;
        c.Store.SaveSetting(QStringLiteral("Z Orbo"), QStringLiteral("Setting"),
                            QStringLiteral("Speed"), QString::fromLatin1(speed));
        c.Form.Form_Load();
        EXPECT_EQ(c.Form.AnimationInterval(), interval) << speed;
    }
}

TEST(Form1, GetFrameIndexReadsTheCursorNow) {
    Creature c;
    c.Desk.Cursor = QPoint(100, 300); // straight left of (500, 300)
    EXPECT_EQ(c.Form.GetFrameIndex(8, 500, 300), 1);
    c.Desk.Cursor = QPoint(900, 300); // straight right
    EXPECT_EQ(c.Form.GetFrameIndex(8, 500, 300), 5);
    EXPECT_EQ(c.Form.GetFrameIndex(0, 500, 300), 0);
}

// Still, the animation stops once a tick repeats the frame from the same inputs; anything
// announced, or any setting the options window changes, starts it again. A desktop that cannot
// announce the pointer's moves never lets it stop.
TEST(Form1, StopsTickingWhileNothingCanChange) {
    for (const bool announces : {true, false}) {
        Creature c;
        c.Desk.Announces = announces;
        c.Form.Form_Load();
        for (int i = 0; i < 3; ++i)
            c.Form.Timer1_Timer();
        EXPECT_EQ(c.Form.Idle(), announces);
        EXPECT_EQ(c.Form.Animating(), !announces);
    }
    Creature c;
    c.Desk.Announces = true;
    c.Form.Form_Load();
    c.Form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&c.Form));
    const auto settle = [&c] {
        for (int i = 0; i < 3 && !c.Form.Idle(); ++i)
            c.Form.Timer1_Timer();
        return c.Form.Idle();
    };
    ASSERT_TRUE(settle());
    c.Desk.Cursor = QPoint(900, 100);
    c.Desk.Announce();
    EXPECT_TRUE(c.Form.Animating());
    const QImage still = c.Form.Frame();
    c.Form.Timer1_Timer();
    EXPECT_NE(c.Form.Frame(), still) << "the eyes did not follow the announced move";
    EXPECT_FALSE(c.Form.Idle()) << "stopped on a tick that drew something new";
    const std::vector<std::pair<const char*, std::function<void()>>> wakers = {
        {"speed", [&c] { c.Form.SetSpeed(60); }},
        {"blink", [&c] { c.Form.SetBlink(false); }},
        {"on top", [&c] { c.Form.SetOnTop(false); }},
        {"skin", [&c] { c.Form.ActivateSkin(QStringLiteral("< none >")); }},
        {"moved", [&c] { c.Form.move(c.Form.pos() + QPoint(5, 0)); }},
    };
    for (const auto& [what, wake] : wakers) {
        ASSERT_TRUE(settle()) << what;
        wake();
        EXPECT_TRUE(c.Form.Animating()) << what;
    }
}

// Mouse events through Qt: a left drag moves the window by the cursor's travel and stops at
// the screen's edge; releasing ends the drag.
TEST(Form1, LeftDragFollowsTheCursorAndStopsAtTheEdge) {
    Creature c;
    c.Form.Form_Load();
    c.Form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&c.Form));
    const QPoint start = c.Form.pos();
    QTest::mousePress(&c.Form, Qt::LeftButton, Qt::NoModifier, QPoint(30, 40));
    EXPECT_TRUE(c.Form.Dragging());
    QMouseEvent move(QEvent::MouseMove, QPointF(10, 20), c.Form.mapToGlobal(QPointF(10, 20)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&c.Form, &move);
    EXPECT_EQ(c.Form.pos(), start + QPoint(-20, -20));
    const QPoint far(-5000, -5000);
    QMouseEvent away(QEvent::MouseMove, QPointF(far), c.Form.mapToGlobal(QPointF(far)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&c.Form, &away);
    EXPECT_EQ(c.Form.pos(), QPoint(0, 0));
    QTest::mouseRelease(&c.Form, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_FALSE(c.Form.Dragging());
    // A right click without an options window to ask for the menu does nothing harmful.
    QTest::mouseClick(&c.Form, Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(c.Form.pos(), QPoint(0, 0));
}

} // namespace
} // namespace orbo
