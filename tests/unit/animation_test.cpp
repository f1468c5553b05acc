// The motion rules of the eye kinds, from their worked examples; and the tick's wiring: which eye
// kind draws what, where, from which part of its picture.
#include "animation/motion.h"
#include "animation/tick.h"
#include "platform/desktop/desktop.h"
#include "runtime/surface.h"
#include "scripted_desktop.h"
#include "skin_pictures.h"

#include <QtGui/QImage>

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

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
    const struct Row {
        const char* name;
        QPoint cursor;
        QPoint expected;
        QPointF window = {}; // its left and top
        double size = 1;     // the picture shown this many times as large
    } rows[] = {
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
    const struct Row {
        const char* name;
        QPoint cursor;
        std::int16_t frames;
        std::int16_t expected;
    } rows[] = {
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
    const struct Row {
        QPoint centre;
        QPoint cursor;
        std::uint8_t frames;
        std::uint8_t expected;
    } rows[] = {
        {{0, 0}, {0, 0}, 5, 0},          {{0, 0}, {356, 0}, 5, 0},
        {{0, 0}, {357, 0}, 5, 1},        {{0, 0}, {300, 400}, 5, 1},
        {{0, 0}, {1426, 0}, 5, 3},       {{0, 0}, {1427, 0}, 5, 4}, // either side of M
        {{0, 0}, {1783, 0}, 5, 4},       {{0, 0}, {1784, 0}, 5, 4}, // one past: clamped
        {{0, 0}, {9000, 0}, 1, 0},       {{0, 0}, {9000, 0}, 255, 254},
        {{0, 0}, {1426, 0}, 255, 253},   {{500, 400}, {500 + 720, 400}, 5, 2},
        {{-500, 400}, {500, 400}, 5, 2}, // d = 1000
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message()
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
        const struct Row {
            std::uint8_t columns, rows;
            QPoint cursor;
            QPoint expected;
        } rows[] = {
            {3, 2, {0, 0}, {0, 0}},      {3, 2, {399, 449}, {0, 0}},  {3, 2, {400, 449}, {1, 0}},
            {3, 2, {400, 450}, {1, 1}},  {3, 2, {1199, 899}, {2, 1}}, {1, 1, {1199, 899}, {0, 0}},
            {3, 2, {1200, 900}, {3, 2}}, {3, 2, {-1, -1}, {-1, -1}},  {3, 2, {2500, 1900}, {6, 4}}};
        for (const Row& row : rows) {
            SCOPED_TRACE(::testing::Message() << int(row.columns) << " x " << int(row.rows)
                                              << " at " << row.cursor.x() << "," << row.cursor.y());
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
            SCOPED_TRACE(::testing::Message() << "code " << code << " held " << held);
            EXPECT_EQ((held & buttons) != 0,
                      BlinkShows(std::uint8_t(code), held & 1, held & 2, held & 4));
        }
    }
}

using testing::Solid;

constexpr int kTwipsPerPixel = 15;
constexpr std::uint32_t kGrey = 0x00808080;
constexpr QRgb kRed = qRgb(255, 0, 0);
constexpr QRgb kBlue = qRgb(0, 0, 255);
constexpr QRgb kBlack = qRgb(0, 0, 0);
const std::vector<QRgb> kCellColours = {qRgb(200, 0, 0),   qRgb(0, 200, 0),   qRgb(0, 0, 200),
                                        qRgb(200, 200, 0), qRgb(0, 200, 200), qRgb(200, 0, 200)};
constexpr int kNothing = -1; // a row's cell or frame when the eye draws nothing

// Cells of 10 x 10 pixels, columns x rows of them, coloured in reading order.
Picture Grid(int columns, int rows) {
    QImage image(columns * 10, rows * 10, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, kCellColours[(y / 10) * columns + x / 10]);
    return Picture(image);
}

float Twips(int pixels) {
    return static_cast<float>(pixels * kTwipsPerPixel);
}

EyeDef MakeEye(QStringView kind, QRect box, int frames, const Picture& pic, const Picture& mask) {
    EyeDef eye;
    eye.Kind.Assign(kind);
    eye.X = Twips(box.x());
    eye.Y = Twips(box.y());
    eye.Width = Twips(box.width());
    eye.Height = Twips(box.height());
    eye.Frames = static_cast<std::uint8_t>(frames);
    eye.Pic = pic;
    eye.Mask = mask;
    return eye;
}

EyeDef RedEye(QStringView kind, QRect boxPixels, int frames = 1) {
    return MakeEye(kind, boxPixels, frames, Solid(10, 10, kRed), Solid(10, 10, kBlack));
}

class Tick : public ::testing::Test {
protected:
    Tick() {
        surface.SetBackground(QSize(120, 100), kGrey, Picture());
        desktop.Screen = QSize(1000, 800);
    }

    // Eyes 1.. as given; element 0 stays empty.
    void SetEyes(const std::vector<EyeDef>& eyes) {
        skin.RemakeEyes(static_cast<int>(eyes.size()));
        for (size_t i = 0; i < eyes.size(); ++i)
            skin.Eyes[i + 1] = eyes[i];
    }

    // One firing of the timer: the tick, then the frame presented. The pixels that changed.
    QRegion Fire() {
        RunTick(skin, blink, desktop, windowLeft, windowTop, surface, size);
        return surface.Present();
    }

    std::uint32_t Pixel(int x, int y) { return surface.GetPixel(x, y); }

    // Whether the 10 x 10 block at (x, y) is all `colour` and the pixels just outside it are not.
    ::testing::AssertionResult DrawnAt(int x, int y, QRgb colour) {
        const std::pair<QPoint, bool> probes[] = {{{x, y}, true},       {{x + 9, y + 9}, true},
                                                  {{x - 1, y}, false},  {{x, y - 1}, false},
                                                  {{x + 10, y}, false}, {{x + 9, y + 10}, false}};
        for (const auto& [p, inside] : probes)
            if ((Pixel(p.x(), p.y()) == ColorRef(colour)) != inside)
                return ::testing::AssertionFailure() << "pixel " << p.x() << "," << p.y() << " is "
                                                     << std::hex << Pixel(p.x(), p.y());
        return ::testing::AssertionSuccess();
    }

    // Nothing drawn: no drawing asked of the surface (not even of a part outside a picture)
    // and only the background shown.
    bool OnlyBackground() {
        if (!surface.PendingOps().empty())
            return false;
        for (int y = 0; y < surface.Size().height(); ++y)
            for (int x = 0; x < surface.Size().width(); ++x)
                if (Pixel(x, y) != kGrey)
                    return false;
        return true;
    }

    SkinDef skin;
    bool blink = false;
    ScriptedDesktop desktop;
    Surface surface{Units{kTwipsPerPixel, kTwipsPerPixel}};
    float windowLeft = 0;
    float size = 1;
    float windowTop = 0;
};

// The kind is matched trimmed of spaces and in any case; "distance" is cut to "distan". Eye 0,
// eyes past the count and an unnamed eye are never drawn; of two eyes the later one is on top.
TEST_F(Tick, KindPicksTheDrawing) {
    const std::pair<const char*, bool> rows[] = {
        {"frames", true}, {"Direct", true}, {" auto ", true},   {"  rect", true},
        {"Matrix", true}, {"BLINK", true},  {"distance", true}, {"dist", false},
        {"autox", false}, {"a uto", false}, {"\tauto", false},  {"", false}};
    blink = true;
    desktop.Left = true;
    for (const auto& [kind, drawn] : rows) {
        SCOPED_TRACE(kind);
        SetEyes({RedEye(QString::fromUtf8(kind), {20, 20, 10, 10})});
        Fire();
        EXPECT_EQ(drawn ? ColorRef(kRed) : kGrey, Pixel(20, 20));
    }
    skin = SkinDef();
    Fire(); // Eyes was never allocated
    EXPECT_TRUE(OnlyBackground());
    skin.RemakeEyes(0);
    skin.Eyes[0] = RedEye(u"rect", {20, 20, 10, 10});
    Fire();
    EXPECT_TRUE(OnlyBackground());
    EyeDef unnamed = RedEye(u"rect", {20, 20, 10, 10});
    unnamed.Kind = KindText(); // six NULs
    SetEyes({unnamed});
    Fire();
    EXPECT_TRUE(OnlyBackground());

    const EyeDef red = RedEye(u"rect", {20, 20, 10, 10});
    const EyeDef blue =
        MakeEye(u"rect", {25, 25, 10, 10}, 0, Solid(10, 10, kBlue), Solid(10, 10, kBlack));
    SetEyes({red, blue});
    Fire();
    EXPECT_EQ(ColorRef(kBlue), Pixel(27, 27));
    SetEyes({blue, red});
    Fire();
    EXPECT_EQ(ColorRef(kRed), Pixel(27, 27));
}

// Each button reaches the code's own bit (the codes' full table is motion's); blink off shows
// no eye whatever is held.
TEST_F(Tick, BlinkShowsForTheButtonsHeld) {
    // The code, the left, right and middle buttons held, blink on.
    const std::tuple<int, bool, bool, bool, bool> rows[] = {{1, true, false, false, true},
                                                            {2, false, true, false, true},
                                                            {4, false, false, true, true},
                                                            {7, true, true, true, false}};
    for (const auto& [code, left, right, middle, on] : rows) {
        SCOPED_TRACE(code);
        std::tie(desktop.Left, desktop.Right, desktop.Middle, blink) =
            std::tie(left, right, middle, on);
        SetEyes({RedEye(u"blink", {20, 20, 0, 0}, code)});
        Fire();
        EXPECT_TRUE(on ? DrawnAt(20, 20, kRed) : ::testing::AssertionResult(OnlyBackground()));
    }
}

TEST_F(Tick, AMissingPictureOrMaskLeavesOnlyTheOther) {
    blink = true;
    desktop.Left = true;
    SetEyes({MakeEye(u"blink", {20, 20, 10, 10}, 1, Picture(), Solid(5, 10, kBlack)),
             MakeEye(u"rect", {60, 20, 10, 10}, 1, Solid(10, 10, kRed), Picture())});
    Fire();
    EXPECT_EQ(0u, Pixel(24, 29)); // grey AND black
    EXPECT_EQ(kGrey, Pixel(25, 20));
    EXPECT_EQ(kGrey | ColorRef(kRed), Pixel(69, 29)); // grey OR red
    // Kinds that measure their picture draw nothing at all without one, not even the mask.
    for (const char16_t* kind : {u"auto", u"frames", u"distan", u"rect", u"matrix"}) {
        SCOPED_TRACE(QString::fromUtf16(kind).toStdString());
        SetEyes({MakeEye(kind, {20, 20, 10, 10}, 1, Picture(), Solid(10, 10, kBlack))});
        Fire();
        EXPECT_TRUE(OnlyBackground());
    }
}

// An eye that cannot be placed draws nothing; the eyes after it still show.
TEST_F(Tick, UnplaceableEyeDrawsNothingForThatEyeOnly) {
    const struct Row {
        const char* name;
        const char16_t* kind;
        QRect box;
    } rows[] = {{"no frames", u"frames", {20, 20, 30, 20}},
                {"no distance frames", u"distan", {20, 20, 30, 20}},
                {"no columns", u"matrix", {20, 20, 0, 2}},
                {"no rows", u"matrix", {20, 20, 3, 0}},
                {"columns beyond a byte", u"matrix", {20, 20, 256, 2}}};
    desktop.Cursor = {10, 10};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        SetEyes(
            {MakeEye(row.kind, row.box, 0, Solid(30, 20, kRed), Solid(30, 20, kBlack)),
             MakeEye(u"rect", {80, 80, 10, 10}, 0, Solid(10, 10, kBlue), Solid(10, 10, kBlack))});
        Fire();
        EXPECT_EQ(kGrey, Pixel(20, 20));
        EXPECT_TRUE(DrawnAt(80, 80, kBlue));
    }
}

// Where each kind draws and which part of its picture, on a 1200 x 900 screen: a strip of four
// 10 x 10 frames at (20, 20) centred on (25, 25) shows the frame of the direction (counted from
// 1) or of the distance (from 0; 0.87 of the diagonal is 1305 pixels, 435 a frame); a 10 x 10
// picture slides through a 50 x 30 box; a 3 x 2 grid shows the cell under the cursor.
TEST_F(Tick, EachKindDrawsItsPartInItsPlace) {
    const struct Row {
        const char* name;
        const char16_t* kind;
        QRect box;
        int columns, rows; // of the picture's 10 x 10 cells; a strip's frames
        QPoint cursor;
        int windowLeft; // pixels
        QPoint at;
        int cell;       // in reading order
        float size = 1; // the picture shown this many times as large
    } rows[] = {
        {"up-left", u"frames", {20, 20, 0, 0}, 4, 1, {0, 0}, 0, {20, 20}, 0},
        {"up-left of a moved window", u"frames", {20, 20, 0, 0}, 4, 1, {200, 20}, 300, {20, 20}, 0},
        // The strip measures 150.24 twips high: its centre is at y 25.008, not rounded.
        {"just above the centre", u"frames", {20, 20, 0, 0}, 4, 1, {500, 25}, 0, {20, 20}, 1},
        {"near", u"distan", {20, 20, 0, 0}, 4, 1, {25, 25}, 0, {20, 20}, 0},
        {"beyond the reach", u"distan", {20, 20, 0, 0}, 4, 1, {4000, 25}, 0, {20, 20}, 3},
        {"near a moved window", u"distan", {20, 20, 0, 0}, 4, 1, {925, 25}, 900, {20, 20}, 0},
        {"rect, top-left", u"rect", {20, 20, 50, 30}, 1, 1, {0, 0}, 0, {20, 20}, 0},
        {"rect, far corner", u"rect", {20, 20, 50, 30}, 1, 1, {1199, 899}, 0, {60, 40}, 0},
        {"rect, moved window", u"rect", {20, 20, 50, 30}, 1, 1, {300, 0}, -250, {30, 20}, 0},
        {"matrix, first", u"matrix", {20, 20, 3, 2}, 3, 2, {100, 100}, 0, {20, 20}, 0},
        {"matrix, last", u"matrix", {20, 20, 3, 2}, 3, 2, {1100, 899}, 500, {20, 20}, 5},
        {"matrix, a column past", u"matrix", {20, 20, 3, 2}, 3, 2, {1200, 100}, 0, {}, kNothing},
        {"matrix, a row past", u"matrix", {20, 20, 3, 2}, 3, 2, {100, 900}, 0, {}, kNothing},
        {"matrix, left of it", u"matrix", {20, 20, 3, 2}, 3, 2, {-1, 100}, 0, {}, kNothing},
        {"matrix, above it", u"matrix", {20, 20, 3, 2}, 3, 2, {100, -5}, 0, {}, kNothing},
        // Twice as large, the centre stands at (50, 50) on the screen; the reach, the screen's
        // mapping and the place in the picture stay.
        {"up-left when doubled", u"frames", {20, 20, 0, 0}, 4, 1, {40, 30}, 0, {20, 20}, 0, 2},
        {"near when doubled", u"distan", {20, 20, 0, 0}, 4, 1, {470, 50}, 0, {20, 20}, 0, 2},
        {"rect, corner, doubled", u"rect", {20, 20, 50, 30}, 1, 1, {1199, 899}, 0, {60, 40}, 0, 2},
        {"matrix, last, doubled", u"matrix", {20, 20, 3, 2}, 3, 2, {1100, 899}, 0, {20, 20}, 5, 2}};
    desktop.Screen = QSize(1200, 900);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        SetEyes({MakeEye(row.kind, row.box, row.columns, Grid(row.columns, row.rows),
                         Solid(10 * row.columns, 10 * row.rows, kBlack))});
        desktop.Cursor = row.cursor;
        windowLeft = Twips(row.windowLeft);
        size = row.size;
        Fire();
        if (row.cell == kNothing)
            EXPECT_TRUE(OnlyBackground());
        else
            EXPECT_TRUE(DrawnAt(row.at.x(), row.at.y(), kCellColours[std::size_t(row.cell)]));
    }
}

} // namespace
} // namespace orbo
