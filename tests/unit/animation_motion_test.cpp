#include "animation/motion.h"

#include <gtest/gtest.h>

#include <cmath>

namespace orbo {
namespace {

// One twip per pixel makes the worked examples exact: a screen of 1000 x 750 twips (4 : 3).
const ScreenTwips kOneToOneScreen{1000, 750, Units{1, 1}};

MotionInput AtCursor(QPoint cursor, float left = 0, float top = 0,
                     const ScreenTwips& screen = kOneToOneScreen) {
    return MotionInput{cursor, left, top, screen};
}

// Box X 0, Y 0, Width 200, Height 100: the centre of the travel is (100, 50).
const TravelBox kExampleBox{0, 0, 200, 100};

struct AutoRow {
    const char* Name;
    QPoint Cursor;
    QPoint Expected;
};

class AutoWorkedExample : public testing::TestWithParam<AutoRow> {};

TEST_P(AutoWorkedExample, GivesTheTabledPoint) {
    const AutoRow& row = GetParam();
    const auto p = GetAutoPosition(kExampleBox, AtCursor(row.Cursor));
    ASSERT_TRUE(p.has_value());
    EXPECT_EQ(*p, row.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, AutoWorkedExample,
    testing::Values(AutoRow{"OnTheCentre", {100, 50}, {100, 50}},
                    // 100 + 100 x 0.1 ^ 0.3 = 150.12
                    AutoRow{"TenthOfWidthRight", {200, 50}, {150, 50}},
                    // 50 + 50 x 0.1 ^ 0.3 = 75.06
                    AutoRow{"TenthOfHeightDown", {100, 125}, {100, 75}},
                    // theta 36.87: 100 - 0.8 x 100 x 0.501, 50 - 0.6 x 50 x 0.501
                    AutoRow{"TenthLeftAndTenthUp", {0, -25}, {60, 35}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(GetAutoPosition, CursorStraightAboveOrBelowGivesNoHorizontalShift) {
    for (int y : {-2000, -300, 0, 49, 51, 120, 749, 3000}) {
        const auto p = GetAutoPosition(kExampleBox, AtCursor({100, y}));
        ASSERT_TRUE(p.has_value()) << y;
        EXPECT_EQ(p->x(), 100) << y;
        if (y < 50)
            EXPECT_LT(p->y(), 50) << y;
        else
            EXPECT_GT(p->y(), 50) << y;
    }
}

TEST(GetAutoPosition, FullScreenWidthToTheSideReachesTheBoxEdge) {
    EXPECT_EQ(GetAutoPosition(kExampleBox, AtCursor({1100, 50})), QPoint(200, 50));
    EXPECT_EQ(GetAutoPosition(kExampleBox, AtCursor({-900, 50})), QPoint(0, 50));
    // A full screen height above the centre reaches the top of the travel.
    EXPECT_EQ(GetAutoPosition(kExampleBox, AtCursor({100, -700})), QPoint(100, 0));
}

TEST(GetAutoPosition, NoCursorOnTheScreenLeavesTheBox) {
    for (int x = 0; x < 1000; x += 37) {
        for (int y = 0; y < 750; y += 29) {
            const auto p = GetAutoPosition(kExampleBox, AtCursor({x, y}));
            ASSERT_TRUE(p.has_value());
            EXPECT_GE(p->x(), 0);
            EXPECT_LE(p->x(), 200);
            EXPECT_GE(p->y(), 0);
            EXPECT_LE(p->y(), 100);
        }
    }
}

TEST(GetAutoPosition, CursorOnASecondMonitorPassesTheBoxEdge) {
    const auto p = GetAutoPosition(kExampleBox, AtCursor({2100, 50}));
    ASSERT_TRUE(p.has_value());
    EXPECT_GT(p->x(), 200);
}

TEST(GetAutoPosition, TravelRangeZeroNeverMoves) {
    const TravelBox still{30, 40, 0, 0};
    for (QPoint c : {QPoint(0, 0), QPoint(30, 40), QPoint(999, 0), QPoint(-500, 700),
                     QPoint(31, 41), QPoint(5000, 5000)})
        EXPECT_EQ(GetAutoPosition(still, AtCursor(c)), QPoint(30, 40)) << c.x() << "," << c.y();
}

TEST(GetAutoPosition, MovingTheWindowMovesTheCentre) {
    const QPoint cursor(300, 50);
    const auto before = GetAutoPosition(kExampleBox, AtCursor(cursor, 0, 0));
    const auto after = GetAutoPosition(kExampleBox, AtCursor(cursor, 500, 0));
    ASSERT_TRUE(before && after);
    EXPECT_GT(before->x(), 100); // the cursor is right of the centre
    EXPECT_LT(after->x(), 100);  // now left of it
    EXPECT_EQ(before->y(), 50);
}

TEST(GetAutoPosition, CursorPixelsBecomeTwips) {
    // The same example at 15 twips per pixel: the box (0, 0, 3000, 1500) twips has its centre
    // at (100, 50) pixels; a tenth of a 1000-pixel screen to the right gives
    // 1500 + 1500 x 0.1 ^ 0.3 = 2251.8.
    const ScreenTwips screen{15000, 11250, Units{15, 15}};
    EXPECT_EQ(GetAutoPosition(TravelBox{0, 0, 3000, 1500}, AtCursor({200, 50}, 0, 0, screen)),
              QPoint(2252, 750));
}

TEST(GetAutoPosition, ScreenOfNoSizeFails) {
    EXPECT_FALSE(GetAutoPosition(kExampleBox, AtCursor({10, 10}, 0, 0, {0, 0, Units{1, 1}})));
}

TEST(GetAutoPosition, DoublingABoxCornerBeyond32BitsFails) {
    EXPECT_FALSE(GetAutoPosition(TravelBox{1'500'000'000, 0, 0, 0}, AtCursor({0, 0})));
}

// The eye centre (100, 100) in screen pixels.
struct FrameRow {
    QPoint Cursor;
    std::int16_t Frames;
    std::int16_t Expected;
};

class FrameIndex : public testing::TestWithParam<FrameRow> {};

TEST_P(FrameIndex, PicksTheFrameOfTheDirection) {
    const FrameRow& row = GetParam();
    EXPECT_EQ(GetFrameIndex(row.Frames, 100.0f, 100.0f, row.Cursor), row.Expected)
        << row.Cursor.x() << "," << row.Cursor.y();
}

INSTANTIATE_TEST_SUITE_P(EightFrames, FrameIndex,
                         testing::Values(FrameRow{{0, 80}, 8, 1},    // left, a little up
                                         FrameRow{{80, 0}, 8, 2},    // up, a little left
                                         FrameRow{{120, 0}, 8, 3},   // up, a little right
                                         FrameRow{{200, 80}, 8, 4},  // right, a little up
                                         FrameRow{{200, 120}, 8, 5}, // right, a little down
                                         FrameRow{{120, 200}, 8, 6}, // down, a little right
                                         FrameRow{{80, 200}, 8, 7},  // down, a little left
                                         FrameRow{{0, 120}, 8, 8},   // left, a little down
                                         FrameRow{{0, 100}, 8, 1},   // straight left: 0
                                         FrameRow{{0, 0}, 8, 2},     // diagonal: 45 included
                                         FrameRow{{100, 0}, 8, 3},   // straight above: 90
                                         FrameRow{{200, 100}, 8, 5}, // straight right: 180
                                         FrameRow{{100, 200}, 8, 7}, // straight below: 270
                                         FrameRow{{100, 100}, 8, 3}  // on the centre: 90
                                         ));

INSTANTIATE_TEST_SUITE_P(FourFrames, FrameIndex,
                         testing::Values(FrameRow{{10, 20}, 4, 1},     // up-left
                                         FrameRow{{190, 20}, 4, 2},    // up-right
                                         FrameRow{{190, 180}, 4, 3},   // down-right
                                         FrameRow{{10, 180}, 4, 4},    // down-left
                                         FrameRow{{-500, 100}, 4, 1},  // level, left
                                         FrameRow{{500, 100}, 4, 3},   // level, right
                                         FrameRow{{100, 100}, 4, 2})); // on the centre

INSTANTIATE_TEST_SUITE_P(OneFrame, FrameIndex,
                         testing::Values(FrameRow{{0, 0}, 1, 1}, FrameRow{{200, 100}, 1, 1},
                                         FrameRow{{100, 200}, 1, 1}, FrameRow{{100, 100}, 1, 1},
                                         FrameRow{{0, 199}, 1, 1}));

TEST(GetFrameIndex, NeverLeavesOneToFrames) {
    for (std::int16_t frames : {1, 3, 7, 8, 255}) {
        for (int x = -300; x <= 500; x += 23) {
            for (int y = -300; y <= 500; y += 19) {
                const auto k = GetFrameIndex(frames, 100.5f, 99.25f, {x, y});
                ASSERT_TRUE(k.has_value());
                EXPECT_GE(*k, 1);
                EXPECT_LE(*k, frames);
            }
        }
    }
}

TEST(GetFrameIndex, TheCentreIsNotRounded) {
    // Half a pixel right of a cursor straight above: 89.7 degrees, still the frame before 90.
    EXPECT_EQ(GetFrameIndex(8, 100.5f, 100.0f, {100, 0}), 2);
    EXPECT_EQ(GetFrameIndex(8, 100.0f, 100.0f, {100, 0}), 3);
}

TEST(GetFrameIndex, NoFramesGivesNoFrame) {
    EXPECT_FALSE(GetFrameIndex(0, 100.0f, 100.0f, {0, 0}));
}

// A 1280 x 1024 pixel screen at 15 twips per pixel: M = 0.87 x 1639.2 = 1426.1 pixels; with
// 5 frames each covers 356.5 pixels of distance.
const ScreenTwips k1280Screen{1280 * 15, 1024 * 15, Units{15, 15}};

struct DistanceRow {
    QPoint Cursor; // from an eye centre at (0, 0)
    std::uint8_t Frames;
    std::uint8_t Expected;
};

class DistanceIndex : public testing::TestWithParam<DistanceRow> {};

TEST_P(DistanceIndex, SpreadsFramesOverTheDistance) {
    const DistanceRow& row = GetParam();
    EXPECT_EQ(GetDistanceIndex({0, 0}, row.Frames, row.Cursor, k1280Screen), row.Expected)
        << row.Cursor.x() << "," << row.Cursor.y();
}

INSTANTIATE_TEST_SUITE_P(FiveFrames, DistanceIndex,
                         testing::Values(DistanceRow{{0, 0}, 5, 0}, DistanceRow{{356, 0}, 5, 0},
                                         DistanceRow{{357, 0}, 5, 1}, DistanceRow{{0, -357}, 5, 1},
                                         DistanceRow{{300, 400}, 5, 1}, // d = 500
                                         DistanceRow{{713, 0}, 5, 1}, DistanceRow{{714, 0}, 5, 2},
                                         DistanceRow{{-1069, 0}, 5, 2},
                                         DistanceRow{{1070, 0}, 5, 3},
                                         DistanceRow{{1426, 0}, 5, 3},     // just short of M
                                         DistanceRow{{1427, 0}, 5, 4},     // at M
                                         DistanceRow{{1280, 1024}, 5, 4},  // the whole diagonal
                                         DistanceRow{{9000, -9000}, 5, 4}, // far beyond: clamped
                                         DistanceRow{{0, 0}, 1, 0}, DistanceRow{{700, 0}, 1, 0},
                                         DistanceRow{{9000, 0}, 1, 0},
                                         DistanceRow{{9000, 0}, 255, 254},
                                         DistanceRow{{1426, 0}, 255, 253}));

TEST(GetDistanceIndex, CentreElsewhereMeasuresFromIt) {
    EXPECT_EQ(GetDistanceIndex({500, 400}, 5, {500, 400}, k1280Screen), 0);
    EXPECT_EQ(GetDistanceIndex({500, 400}, 5, {500 + 720, 400}, k1280Screen), 2);
    EXPECT_EQ(GetDistanceIndex({-500, 400}, 5, {500, 400}, k1280Screen), 2); // d = 1000
}

TEST(GetDistanceIndex, NoFramesGivesNoPosition) {
    EXPECT_FALSE(GetDistanceIndex({0, 0}, 0, {0, 0}, k1280Screen));
}

TEST(GetDistanceIndex, ScreenOfNoSizeGivesNoPosition) {
    EXPECT_FALSE(GetDistanceIndex({0, 0}, 5, {10, 0}, ScreenTwips{0, 0, Units{15, 15}}));
}

TEST(GetCursorPoint, IsTheCursor) {
    EXPECT_EQ(GetCursorPoint({-7, 1234}), QPoint(-7, 1234));
}

// A 1200 x 900 pixel screen at 15 twips per pixel.
const ScreenTwips k1200Screen{1200 * 15, 900 * 15, Units{15, 15}};

struct CellRow {
    std::uint8_t Columns;
    std::uint8_t Rows;
    QPoint Cursor;
    QPoint Expected;
};

class MatrixCell : public testing::TestWithParam<CellRow> {};

TEST_P(MatrixCell, PicksTheBandsUnderTheCursor) {
    const CellRow& row = GetParam();
    EXPECT_EQ(GetMatrixCell(row.Columns, row.Rows, row.Cursor, k1200Screen), row.Expected)
        << row.Cursor.x() << "," << row.Cursor.y();
}

INSTANTIATE_TEST_SUITE_P(
    Rows, MatrixCell,
    testing::Values(CellRow{3, 2, {0, 0}, {0, 0}}, CellRow{3, 2, {399, 449}, {0, 0}},
                    CellRow{3, 2, {400, 449}, {1, 0}}, CellRow{3, 2, {400, 450}, {1, 1}},
                    CellRow{3, 2, {800, 0}, {2, 0}}, CellRow{3, 2, {1199, 899}, {2, 1}},
                    CellRow{3, 2, {100, 100}, {0, 0}},  // left third, upper half
                    CellRow{3, 2, {1100, 800}, {2, 1}}, // right third, lower half
                    CellRow{2, 2, {599, 449}, {0, 0}}, CellRow{2, 2, {600, 450}, {1, 1}},
                    CellRow{1, 1, {0, 0}, {0, 0}}, CellRow{1, 1, {1199, 899}, {0, 0}},
                    CellRow{1, 1, {600, 450}, {0, 0}},
                    // Off the primary screen nothing is clamped.
                    CellRow{3, 2, {1200, 0}, {3, 0}}, CellRow{3, 2, {-1, -1}, {-1, -1}},
                    CellRow{3, 2, {2500, 1900}, {6, 4}}));

TEST(GetMatrixCell, ScreenOfNoSizeGivesNoCell) {
    EXPECT_FALSE(GetMatrixCell(3, 2, {10, 10}, ScreenTwips{0, 900, Units{15, 15}}));
}

// The buttons a code reacts to, written out from the table of codes.
struct BlinkRow {
    std::uint8_t Code;
    bool Left;
    bool Right;
    bool Middle;
};

class BlinkCode : public testing::TestWithParam<BlinkRow> {};

TEST_P(BlinkCode, ShowsWhileOneOfItsButtonsIsHeld) {
    const BlinkRow& row = GetParam();
    for (int held = 0; held < 8; ++held) {
        const bool l = held & 1;
        const bool r = held & 2;
        const bool m = held & 4;
        const bool expected = (l && row.Left) || (r && row.Right) || (m && row.Middle);
        EXPECT_EQ(BlinkShows(row.Code, l, r, m), expected)
            << "code " << int(row.Code) << " held " << held;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Codes, BlinkCode,
    testing::Values(BlinkRow{0, false, false, false}, BlinkRow{1, true, false, false},
                    BlinkRow{2, false, true, false}, BlinkRow{3, true, true, false},
                    BlinkRow{4, false, false, true}, BlinkRow{5, true, false, true},
                    BlinkRow{6, false, true, true}, BlinkRow{7, true, true, true},
                    BlinkRow{8, false, false, false}, BlinkRow{9, true, false, false},
                    BlinkRow{254, false, false, false}, BlinkRow{255, true, false, false}));

} // namespace
} // namespace orbo
