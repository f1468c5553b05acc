#include "main/form1.h"
#include "main/mdl_general.h"
#include "main/settings_io.h"
#include "platform/desktop.h"
#include "platform/settings_store.h"

#include <QtTest/QTest>

#include <functional>

#include <gtest/gtest.h>

namespace orbo {
namespace {

struct Creature {
    mdlGeneral General;
    ScriptedDesktop Desk;
    MemorySettingsStore Store;
    Form1 Form{General, Desk, Store};
};

TEST(Form1, StartsRestoredAtTheScreensCentreTickingAtTheStoredSpeed) {
    Creature c;
    c.Store.SaveSetting(kSettingsApp, kSettingsSection, "Speed", "0");
    c.Form.setWindowState(Qt::WindowMinimized);
    c.Form.Form_Load();
    EXPECT_EQ(Qt::WindowNoState, c.Form.windowState());
    EXPECT_EQ(QPoint(512, 384), c.Form.pos()); // top-left corner at the screen's centre
    EXPECT_EQ(QSize(75, 100), c.Form.size());
    EXPECT_EQ(501, c.Form.AnimationInterval());
    EXPECT_TRUE(c.Form.Animating());
}

// Still, the animation stops once a tick repeats the frame from the same inputs; anything
// announced, or any setting the options window changes, starts it again. A desktop that cannot
// announce the pointer's moves never lets it stop.
TEST(Form1, StopsTickingWhileNothingCanChange) {
    Creature c;
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

// Mouse events through Qt: only a left drag moves the window, by the cursor's travel, stopping
// at the screen's edge; releasing ends the drag.
TEST(Form1, LeftDragFollowsTheCursorAndStopsAtTheEdge) {
    Creature c;
    c.Form.Form_Load();
    c.Form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&c.Form));
    const QPoint start = c.Form.pos();
    const auto moveTo = [&c](QPoint p, Qt::MouseButton held) {
        QMouseEvent move(QEvent::MouseMove, QPointF(p), c.Form.mapToGlobal(QPointF(p)),
                         Qt::NoButton, held, Qt::NoModifier);
        QCoreApplication::sendEvent(&c.Form, &move);
    };
    for (const Qt::MouseButton other : {Qt::MiddleButton, Qt::RightButton}) {
        QTest::mousePress(&c.Form, other, Qt::NoModifier, QPoint(30, 40));
        EXPECT_FALSE(c.Form.Dragging()) << other;
        moveTo({10, 20}, other);
        QTest::mouseRelease(&c.Form, other, Qt::NoModifier, QPoint(10, 20));
        EXPECT_EQ(start, c.Form.pos()) << other;
    }
    QTest::mousePress(&c.Form, Qt::LeftButton, Qt::NoModifier, QPoint(30, 40));
    EXPECT_TRUE(c.Form.Dragging());
    moveTo({10, 20}, Qt::LeftButton);
    EXPECT_EQ(start + QPoint(-20, -20), c.Form.pos());
    moveTo({-5000, -5000}, Qt::LeftButton);
    EXPECT_EQ(QPoint(0, 0), c.Form.pos());
    QTest::mouseRelease(&c.Form, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_FALSE(c.Form.Dragging());
}

} // namespace
} // namespace orbo
