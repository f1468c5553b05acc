// The full-screen rule: which window, which monitor. Which monitor a window stands on, also when
// it spans two, is MostOverlapped's (options_place_test).
#include "platform/window/full_screen_rule.h"

#include <gtest/gtest.h>

namespace orbo {
namespace {

// The primary monitor, and a larger one right of it at 150 %: 1280 x 720 device-independent
// pixels for its 1920 x 1080 device ones.
const Monitors kMonitors{{{0, 0, 1024, 768}, 1}, {{1024, 0, 1280, 720}, 1.5}};
const QRect kPrimary = kMonitors[0].Pixels;
const QRect kSecond = kMonitors[1].Pixels;

TEST(FullScreenRule, HidesOnlyForAnotherProgramsFullScreenWindowOnTheCreaturesMonitor) {
    const QRect onPrimary(300, 200, 75, 100), onSecond(1500, 300, 75, 100);
    const struct {
        const char* Name;
        std::optional<ActiveWindow> Active;
        QRect Creature;
        bool Hides;
    } rows[] = {
        {"no active window", std::nullopt, onPrimary, false},
        {"full-screen on the same monitor", ActiveWindow{kPrimary, true}, onPrimary, true},
        {"full-screen on the other monitor", ActiveWindow{kSecond, true}, onPrimary, false},
        {"the creature on the second monitor", ActiveWindow{kSecond, true}, onSecond, true},
        {"as large but not full-screen", ActiveWindow{kPrimary, false}, onPrimary, false},
        {"Orbo's own window", ActiveWindow{kPrimary, true, true}, onPrimary, false},
        // A full-screen window reaching onto the next monitor (a window manager's rounding) is
        // on the one it covers.
        {"full-screen reaching over", ActiveWindow{kSecond.adjusted(-2, 0, 0, 0), true}, onSecond,
         true},
        {"the creature on no monitor", ActiveWindow{kPrimary, true}, {3000, 2000, 75, 100}, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(row.Hides, HidesForFullScreen(row.Active, row.Creature, kMonitors));
    }
}

} // namespace
} // namespace orbo
