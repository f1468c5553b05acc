// Out of the way over full-screen windows: under openbox, a window asked to be full-screen on the
// creature's monitor hides the creature and stops its animation until it leaves full-screen or
// goes.
#include "e2e_env.h"

#include <gtest/gtest.h>

#include <thread>

namespace orbo::e2e {
namespace {

using namespace std::chrono_literals;

TEST(FullScreen, CreatureStepsAsideAndComesBackInPlace) {
    QProcess openbox;
    ASSERT_TRUE(StartOpenbox(openbox)) << "openbox did not start";
    OrboRun run;
    ASSERT_TRUE(run.WriteSettings({{u"Left"_s, Twips(300)}, {u"Top"_s, Twips(200)}}));
    ASSERT_TRUE(run.Start());
    const QRect place = run.Geometry();
    const auto shown = [] { return Probe().WaitMapped(kTitle, 0ms).has_value(); };
    const auto hidden = [&] { return !shown(); };

    // A window the user works in, made active by openbox as it maps.
    const auto open = [](QRect rect) {
        const unsigned long window = Probe().CreatePlainWindow(rect);
        const bool active = WaitFor([&] {
            const auto named = Probe().Property32(Probe().Root(), "_NET_ACTIVE_WINDOW");
            return !named.empty() && named.front() == window;
        });
        return active ? window : 0;
    };
    const unsigned long film = open(QRect(500, 400, 300, 200));
    ASSERT_NE(0u, film) << "openbox did not make the new window active";
    EXPECT_TRUE(shown()) << "hidden by a window that is not full-screen";

    ASSERT_TRUE(Probe().SetFullScreen(film, true));
    ASSERT_TRUE(WaitFor(hidden)) << "still shown over the full-screen window";
    // A still creature that is shown wakes every two seconds to look for the pointer (ten or
    // eleven times in 10 s here); a hidden one has nothing to do.
    const long before = run.WakeUps();
    std::this_thread::sleep_for(10s);
    EXPECT_LT(run.WakeUps() - before, 5) << "the hidden creature kept waking";

    ASSERT_TRUE(Probe().SetFullScreen(film, false));
    ASSERT_TRUE(WaitFor(shown)) << "not back when the window left full-screen";
    EXPECT_EQ(place, run.Geometry());

    ASSERT_TRUE(Probe().SetFullScreen(film, true));
    ASSERT_TRUE(WaitFor(hidden));
    Probe().DestroyWindow(film);
    ASSERT_TRUE(WaitFor(shown)) << "not back when the full-screen window went";
    EXPECT_EQ(place, run.Geometry());
    // A window manager that ends leaves the last window it made active named on the root.
    const unsigned long game = open(QRect(100, 100, 200, 100));
    ASSERT_TRUE(game != 0 && Probe().SetFullScreen(game, true) && WaitFor(hidden));
    openbox.terminate();
    ASSERT_TRUE(WaitFor(shown)) << "not back when the window manager ended";
    EXPECT_EQ(place, run.Geometry());

    // Its animation runs again: the eyes follow the pointer, from the screen's centre to the
    // upper left.
    const QImage eyes = Probe().Grab(place);
    Probe().MovePointer(100, 50);
    EXPECT_TRUE(WaitFor([&] { return Probe().Grab(place) != eyes; })) << "the eyes stay still";
}

} // namespace
} // namespace orbo::e2e
