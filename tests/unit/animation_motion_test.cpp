// The motion rules of the eye kinds, from their worked examples.
#include "animation/motion.h"

#include <gtest/gtest.h>

namespace orbo {
namespace {

// One twip per pixel makes the worked examples exact: a screen of 1000 x 750 twips (4 : 3).
const ScreenTwips kOneToOneScreen{1000, 750, Units{1, 1}};

MotionInput AtCursor(QPoint cursor, float left = 0, float top = 0,
                     const ScreenTwips& screen = kOneToOneScreen, double size = 1) {
    return MotionInput{cursor, left, top, screen, size};
}

// Box X 0, Y 0, Width 200, Height 100: the centre of the travel is (100, 50).
const TravelBox kExampleBox{0, 0, 200, 100};

TEST(GetAutoPosition, WorkedExamples) {
    struct Row {
        const char* name;
        QPoint cursor;
        QPoint expected;
        QPointF window = {}; // its left and top
        double size = 1;     // the picture shown this many times as large
    };
    const Row rows[] = {
        {"on the centre", {100, 50}, {100, 50}},
        {"a tenth right of a moved window", {700, 50}, {150, 50}, {500, 0}},
        {"a tenth below a moved window", {600, 425}, {100, 75}, {500, 300}},
        {"a tenth of the width right", {200, 50}, {150, 50}},  // 100 + 100 x 0.1 ^ 0.3 = 150.12
        {"a tenth of the height down", {100, 125}, {100, 75}}, // 50 + 50 x 0.1 ^ 0.3 = 75.06
        // theta 36.87: 100 - 0.8 x 100 x 0.501, 50 - 0.6 x 50 x 0.501
        {"a tenth left and up", {0, -25}, {60, 35}},
        {"a tenth right and down", {200, 125}, {140, 65}},
        {"a tenth right and up", {200, -25}, {140, 35}},
        {"a tenth left and down", {0, 125}, {60, 65}},
        {"a screen width right", {1100, 50}, {200, 50}}, // reaches the box's edge
        {"a screen width left", {-900, 50}, {0, 50}},
        {"a screen height up", {100, -700}, {100, 0}},
        {"on a second monitor", {2100, 50}, {223, 50}}, // 100 + 100 x 2 ^ 0.3 = 223.1
        // Shown twice as large, the centre stands at (200, 100) on the screen; the reach is the
        // screen's still.
        {"on the centre of a doubled window", {200, 100}, {100, 50}, {}, 2},
        {"a tenth right of a doubled moved window", {800, 100}, {150, 50}, {500, 0}, 2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.expected,
                  GetAutoPosition(kExampleBox,
                                  AtCursor(row.cursor, float(row.window.x()), float(row.window.y()),
                                           kOneToOneScreen, row.size)));
    }
}

TEST(GetAutoPosition, TravelRangeZeroNeverMoves) {
    for (QPoint c : {QPoint(0, 0), QPoint(30, 40), QPoint(-500, 700), QPoint(5000, 5000)})
        EXPECT_EQ(QPoint(30, 40), GetAutoPosition(TravelBox{30, 40, 0, 0}, AtCursor(c)));
}

TEST(GetAutoPosition, CursorPixelsBecomeTwips) {
    // The example at 15 twips per pixel: 1500 + 1500 x 0.1 ^ 0.3 = 2251.8.
    const ScreenTwips screen{15000, 11250, Units{15, 15}};
    EXPECT_EQ(QPoint(2252, 750),
              GetAutoPosition(TravelBox{0, 0, 3000, 1500}, AtCursor({200, 50}, 0, 0, screen)));
}

TEST(GetAutoPosition, FailsWithoutAScreenOrBeyond32Bits) {
    EXPECT_FALSE(GetAutoPosition(kExampleBox, AtCursor({10, 10}, 0, 0, {0, 0, Units{1, 1}})));
    EXPECT_FALSE(GetAutoPosition(TravelBox{1'500'000'000, 0, 0, 0}, AtCursor({0, 0})));
}

// From an eye centre at (100, 100); the west is 0 degrees, angles turn clockwise.
TEST(GetFrameIndex, PicksTheFrameOfTheDirection) {
    struct Row {
        const char* name;
        QPoint cursor;
        std::int16_t frames;
        std::int16_t expected;
    };
    const Row rows[] = {
        {"right, a little up", {200, 80}, 8, 4},  {"left, a little down", {0, 120}, 8, 8},
        {"straight left: 0", {0, 100}, 8, 1},     {"diagonal: 45 starts a frame", {0, 0}, 8, 2},
        {"straight up: 90", {100, 0}, 8, 3},      {"straight right: 180", {200, 100}, 8, 5},
        {"straight down: 270", {100, 200}, 8, 7}, {"on the centre: 90", {100, 100}, 8, 3},
        {"down-right of four", {190, 180}, 4, 3}, {"one frame", {190, 180}, 1, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.expected, GetFrameIndex(row.frames, 100.0f, 100.0f, row.cursor));
    }
    // Half a pixel right of a cursor straight above: 89.7 degrees, still the frame before 90.
    EXPECT_EQ(2, GetFrameIndex(8, 100.5f, 100.0f, {100, 0}));
    EXPECT_FALSE(GetFrameIndex(0, 100.0f, 100.0f, {0, 0}));
}

// A 1280 x 1024 pixel screen at 15 twips per pixel: M = 0.87 x 1639.2 = 1426.1 pixels; with
// 5 frames each covers 356.5 pixels of distance.
const ScreenTwips k1280Screen{1280 * 15, 1024 * 15, Units{15, 15}};

TEST(GetDistanceIndex, SpreadsFramesOverTheDistance) {
    struct Row {
        QPoint centre;
        QPoint cursor;
        std::uint8_t frames;
        std::uint8_t expected;
    };
    const Row rows[] = {
        {{0, 0}, {0, 0}, 5, 0},          {{0, 0}, {356, 0}, 5, 0},
        {{0, 0}, {357, 0}, 5, 1},        {{0, 0}, {300, 400}, 5, 1},
        {{0, 0}, {1426, 0}, 5, 3},       {{0, 0}, {1427, 0}, 5, 4}, // either side of M
        {{0, 0}, {1783, 0}, 5, 4},       {{0, 0}, {1784, 0}, 5, 4}, // one past: clamped
        {{0, 0}, {9000, 0}, 1, 0},       {{0, 0}, {9000, 0}, 255, 254},
        {{0, 0}, {1426, 0}, 255, 253},   {{500, 400}, {500 + 720, 400}, 5, 2},
        {{-500, 400}, {500, 400}, 5, 2}, // d = 1000
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message()
                     << "from " << row.centre.x() << "," << row.centre.y() << " to "
                     << row.cursor.x() << "," << row.cursor.y() << " of " << int(row.frames));
        EXPECT_EQ(row.expected, GetDistanceIndex(row.centre, row.frames, row.cursor, k1280Screen));
    }
    EXPECT_FALSE(GetDistanceIndex({0, 0}, 0, {0, 0}, k1280Screen));
    EXPECT_FALSE(GetDistanceIndex({0, 0}, 5, {10, 0}, ScreenTwips{0, 0, Units{15, 15}}));
}

// A 1200 x 900 pixel screen at 15 twips per pixel; off the screen nothing is clamped. The same
// bands on a desktop whose box starts left of and above 0 (monitors left of and above the
// primary, as on Windows) lie as far from its corner.
TEST(GetMatrixCell, PicksTheBandsUnderTheCursor) {
    for (const QPoint origin : {QPoint(0, 0), QPoint(-1280, -200)}) {
        const ScreenTwips screen{1200 * 15, 900 * 15, Units{15, 15}, float(origin.x() * 15),
                                 float(origin.y() * 15)};
        struct Row {
            std::uint8_t columns, rows;
            QPoint cursor;
            QPoint expected;
        };
        const Row rows[] = {
            {3, 2, {0, 0}, {0, 0}},      {3, 2, {399, 449}, {0, 0}},  {3, 2, {400, 449}, {1, 0}},
            {3, 2, {400, 450}, {1, 1}},  {3, 2, {1199, 899}, {2, 1}}, {1, 1, {1199, 899}, {0, 0}},
            {3, 2, {1200, 900}, {3, 2}}, {3, 2, {-1, -1}, {-1, -1}},  {3, 2, {2500, 1900}, {6, 4}}};
        for (const Row& row : rows) {
            SCOPED_TRACE(testing::Message() << int(row.columns) << " x " << int(row.rows) << " at "
                                            << row.cursor.x() << "," << row.cursor.y());
            EXPECT_EQ(row.expected,
                      GetMatrixCell(row.columns, row.rows, row.cursor + origin, screen));
        }
    }
    EXPECT_FALSE(GetMatrixCell(3, 2, {10, 10}, ScreenTwips{0, 900, Units{15, 15}}));
}

// The buttons each code reacts to, from the table of codes: bit 1 left, 2 right, 4 middle.
TEST(BlinkShows, WhileOneOfTheCodesButtonsIsHeld) {
    const std::pair<int, int> rows[] = {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4},   {5, 5},
                                        {6, 6}, {7, 7}, {8, 0}, {9, 1}, {254, 0}, {255, 1}};
    for (const auto& [code, buttons] : rows) {
        for (int held = 0; held < 8; ++held) {
            SCOPED_TRACE(testing::Message() << "code " << code << " held " << held);
            EXPECT_EQ((held & buttons) != 0,
                      BlinkShows(std::uint8_t(code), held & 1, held & 2, held & 4));
        }
    }
}

} // namespace
} // namespace orbo
