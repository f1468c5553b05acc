// Rest under openbox: a still creature sleeps; a full-screen window on its monitor hides it; away
// from mouse and keyboard, the person leaves it dozing.
#include "e2e_env.h"

#include <gtest/gtest.h>

#include <thread>

namespace orbo::e2e {
namespace {

using namespace std::chrono_literals;

TEST(Rest, StillOrUnderAFullScreenWindowTheCreatureSleeps) {
    QProcess openbox;
    ASSERT_TRUE(StartOpenbox(openbox)) << "openbox did not start";
    OrboRun run;
    ASSERT_TRUE(run.WriteSettings({{u"Left"_s, Twips(300)}, {u"Top"_s, Twips(200)}}));
    ASSERT_TRUE(run.Start(kPaceLog));
    const QRect place = run.Geometry();
    // Nothing moves: the ticks stop once a frame repeats the one before.
    ASSERT_TRUE(WaitFor(
        [&] {
            const int ticks = CountWakes(run).Ticks;
            std::this_thread::sleep_for(500ms);
            return ticks > 0 && CountWakes(run).Ticks == ticks;
        },
        10s))
        << "a still creature kept ticking";
    const Wakes before = CountWakes(run);
    std::this_thread::sleep_for(10s);
    const Wakes still = CountWakes(run);
    EXPECT_EQ(before.Ticks, still.Ticks) << "a still creature ticked";
    // Every two seconds it looks whether the pointer moved unannounced.
    EXPECT_LE(still.Checks - before.Checks, 6) << "a still creature woke too often";
    EXPECT_GE(still.Checks - before.Checks, 3) << "a still creature stopped looking";

    // A program moves the pointer: no input event, so only the slow check sees it.
    const QImage unwarped = Probe().Grab(place);
    Probe().WarpPointer(0, 0);
    EXPECT_TRUE(WaitFor([&] { return Probe().Grab(place) != unwarped; }, 4s))
        << "the eyes did not follow a warped pointer";

    // The creature steps aside for a full-screen window and comes back in place.
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
    // A hidden creature has nothing to do: no tick, no slow check.
    const Wakes shownWakes = CountWakes(run);
    std::this_thread::sleep_for(10s);
    const Wakes hiddenWakes = CountWakes(run);
    EXPECT_EQ(shownWakes.Ticks + shownWakes.Checks, hiddenWakes.Ticks + hiddenWakes.Checks)
        << "the hidden creature kept waking";

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

// Nobody touches mouse or keyboard for the wait (0.05 minutes here): the eyes look just below the
// creature, each kind by its rule, the lid shuts, and nothing ticks or checks until a key press or
// a move, which wakes it with the eyes on the pointer.
TEST(Rest, AwayTheCreatureDozesUntilAKeyOrAMove) {
    OrboRun run;
    Probe().MovePointer(900, 600);
    const QString skin =
        StartWithSkin(run, u"Dozy"_s, kDozySamples, kPaceLog, {{u"DozeAfter"_s, u"0.05"_s}});
    ASSERT_FALSE(skin.isEmpty());
    const QPoint below = BelowCreature(run.Geometry());
    const struct {
        const char* Name;
        std::function<void()> Act;
        QPoint Pointer;
    } wakes[] = {{"key", [] { Probe().TapKey("Shift_L"); }, {900, 600}},
                 {"move", [] { Probe().MovePointer(200, 700); }, {200, 700}}};
    for (const auto& wake : wakes) {
        SCOPED_TRACE(wake.Name);
        EXPECT_EQ("",
                  WaitForRendering(run.Window(), skin, below, u"dozing-"_s + wake.Name, "1,1,1"));
        const Wakes dozing = CountWakes(run);
        std::this_thread::sleep_for(5s);
        const Wakes still = CountWakes(run);
        EXPECT_EQ(dozing.Ticks, still.Ticks) << "a dozing creature drew";
        EXPECT_EQ(dozing.Checks, still.Checks) << "a dozing creature looked for the pointer";
        wake.Act();
        EXPECT_EQ("", WaitForRendering(run.Window(), skin, wake.Pointer, u"woken-"_s + wake.Name));
        EXPECT_GT(CountWakes(run).Ticks, still.Ticks);
    }
}

} // namespace
} // namespace orbo::e2e
