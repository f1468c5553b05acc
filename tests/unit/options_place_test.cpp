// Where the options window opens beside the creature, and which monitor a window is on.
#include "options/options_place.h"
#include "platform/window/work_area.h"

#include <gtest/gtest.h>

namespace orbo {
namespace {

// The options window as designed, 306 x 103 pixels, beside creatures on work areas of every
// kind: the first free side wins; with none free, the least overlap.
TEST(OptionsWindowPlace, BesideTheCreatureElseOverlappingItLeast) {
    const QSize window(306, 103);
    const QRect screen(0, 0, 1024, 768);
    struct Row {
        const char* Name;
        QRect Creature;
        QRect WorkArea;
        QPoint Expected;
    };
    const Row rows[] = {
        {"room on the right", {300, 200, 75, 100}, screen, {375, 199}},
        {"right edge too near: left", {700, 200, 75, 100}, screen, {394, 199}},
        {"the whole width: below", {0, 200, 1024, 100}, screen, {359, 300}},
        {"the whole width at the bottom: above", {0, 600, 1024, 168}, screen, {359, 497}},
        {"centred, moved into the work area", {300, 0, 75, 40}, {0, 30, 1024, 738}, {375, 30}},
        {"outside the work area: at its near edge", {-500, 100, 75, 100}, screen, {0, 99}},
        {"no side free: the corner overlapping least", {0, 0, 1024, 700}, screen, {718, 665}},
        {"no side free, the top freer", {0, 50, 1024, 718}, screen, {718, 0}},
        {"larger than the work area", {-50, -50, 1200, 900}, screen, {718, 665}},
        {"a monitor left of the primary", {-100, 10, 75, 100}, {-1280, 0, 1280, 1024}, {-406, 9}},
        {"above the primary", {-600, -130, 300, 100}, {-1024, -768, 1024, 738}, {-906, -133}},
        {"a work area smaller than the window", {150, 0, 50, 50}, {0, 0, 200, 80}, {0, 0}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(row.Expected, OptionsWindowPlace(row.Creature, window, row.WorkArea));
    }
}

TEST(MostOverlapped, TheMonitorWithTheLargestShare) {
    const QList<QRect> monitors{{0, 0, 1280, 1024}, {1280, 0, 1920, 1080}, {-800, 0, 800, 600}};
    struct Row {
        const char* Name;
        QRect Window;
        qsizetype Expected;
    };
    const Row rows[] = {
        {"more on the second", {1250, 100, 75, 100}, 1},
        {"more on the first", {1220, 100, 75, 100}, 0},
        {"equal shares: the first listed", {1243, 100, 74, 100}, 0},
        {"on the third, left of the first", {-60, 550, 75, 100}, 2},
        {"on none", {4000, 0, 75, 100}, -1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(row.Expected, MostOverlapped(monitors, row.Window));
    }
}

} // namespace
} // namespace orbo
