// Hidden for a full-screen window, the creature rests until the window goes.
#include "running_creature.h"

#include "platform/window/full_screen_watch.h"

#include <QtGui/QGuiApplication>
#include <QtGui/QScreen>

#include <gtest/gtest.h>

namespace orbo {
namespace {

// A watch told by the test what the window system would report.
class ToldWatch : public FullScreenWatch {
public:
    explicit ToldWatch(Place creature) : FullScreenWatch(std::move(creature)) {}
    using FullScreenWatch::Report;
};

// Hidden for a full-screen window nothing wakes the animation, even where the pointer is not
// announced; turned off, the watch brings it back, ticking, and hides it no more.
TEST(FullScreenWatch, HidesTheCreatureUntilTurnedOff) {
    testing::RunningCreature c;
    Form1& form = c.Form;
    form.Form_Load();
    form.show();
    ToldWatch watch([&form] { return form.geometry(); });
    QObject::connect(&watch, &FullScreenWatch::HidesChanged, &form, &Form1::SetHiddenForFullScreen);
    watch.SetEnabled(true);
    const QPoint place = form.pos();
    const ActiveWindow film{QGuiApplication::primaryScreen()->geometry(), true};

    watch.Report(film);
    ASSERT_TRUE(watch.Hides());
    EXPECT_FALSE(form.isVisible());
    c.Desk.Announce();
    form.SetSpeed(60);
    form.SetBlink(false);
    EXPECT_FALSE(form.Animating()) << "woken while hidden";

    watch.SetEnabled(false);
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(form.Animating());
    EXPECT_EQ(place, form.pos());
    watch.Report(film);
    EXPECT_TRUE(form.isVisible()) << "hidden while the watch is off";
}

} // namespace
} // namespace orbo
