#include "animation/tick.h"

#include "platform/desktop.h"
#include "platform/surface.h"

#include <QtGui/QImage>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orbo {
namespace {

constexpr int kTwipsPerPixel = 15;
constexpr std::uint32_t kGrey = 0x00808080;
constexpr QRgb kRed = qRgb(255, 0, 0);
constexpr QRgb kBlue = qRgb(0, 0, 255);
constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kWhite = qRgb(255, 255, 255);
const std::vector<QRgb> kStripColours = {qRgb(200, 0, 0),   qRgb(0, 200, 0),   qRgb(0, 0, 200),
                                         qRgb(200, 200, 0), qRgb(0, 200, 200), qRgb(200, 0, 200)};

Picture Solid(int width, int height, QRgb colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return Picture(image);
}

// Cells of cellWidth x cellHeight pixels, columns x rows of them, coloured in reading order.
Picture Grid(int columns, int rows, int cellWidth, int cellHeight) {
    QImage image(columns * cellWidth, rows * cellHeight, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, kStripColours[(y / cellHeight) * columns + x / cellWidth]);
    return Picture(image);
}

float Twips(int pixels) {
    return static_cast<float>(pixels * kTwipsPerPixel);
}

EyeDef MakeEye(QStringView kind, QRect boxPixels, std::uint8_t frames, const Picture& pic,
               const Picture& mask) {
    EyeDef eye;
    eye.Kind.Assign(kind);
    eye.X = Twips(boxPixels.x());
    eye.Y = Twips(boxPixels.y());
    eye.Width = Twips(boxPixels.width());
    eye.Height = Twips(boxPixels.height());
    eye.Frames = frames;
    eye.Pic = pic;
    eye.Mask = mask;
    return eye;
}

class Tick : public testing::Test {
protected:
    Tick() {
        surface.SetBackground(QSize(120, 100), kGrey, Picture());
        desktop.Screen = QSize(1000, 800);
    }

    // Eyes 1.. as given; element 0 stays empty.
    void SetEyes(const std::vector<EyeDef>& eyes) {
        skin.ReDimEyes(static_cast<int>(eyes.size()));
        for (size_t i = 0; i < eyes.size(); ++i)
            skin.Eyes[i + 1] = eyes[i];
    }

    // One firing of the timer: the tick, then the frame presented. The pixels that changed.
    QRegion Fire() {
        RunTick(skin, blink, desktop, windowLeft, windowTop, surface);
        return surface.Present();
    }

    std::uint32_t Pixel(int x, int y) { return surface.GetPixel(x, y); }

    // Whether the w x h block at (x, y) is all `colour` and the pixels just outside it are not.
    ::testing::AssertionResult DrawnAt(int x, int y, int w, int h, QRgb colour) {
        const std::uint32_t c = ColorRef(colour);
        for (QPoint in : {QPoint(x, y), QPoint(x + w - 1, y), QPoint(x, y + h - 1),
                          QPoint(x + w - 1, y + h - 1)})
            if (Pixel(in.x(), in.y()) != c)
                return ::testing::AssertionFailure() << "pixel " << in.x() << "," << in.y()
                                                     << " is " << std::hex << Pixel(in.x(), in.y());
        for (QPoint out : {QPoint(x - 1, y), QPoint(x, y - 1), QPoint(x + w, y + h - 1),
                           QPoint(x + w - 1, y + h)})
            if (Pixel(out.x(), out.y()) == c)
                return ::testing::AssertionFailure()
                       << "pixel " << out.x() << "," << out.y() << " outside is drawn too";
        return ::testing::AssertionSuccess();
    }

    bool OnlyBackground() {
        const QSize s = surface.Size();
        for (int y = 0; y < s.height(); ++y)
            for (int x = 0; x < s.width(); ++x)
                if (Pixel(x, y) != kGrey)
                    return false;
        return true;
    }

    SkinDef skin;
    bool blink = false;
    ScriptedDesktop desktop;
    Surface surface{Units{kTwipsPerPixel, kTwipsPerPixel}};
    float windowLeft = 0;
    float windowTop = 0;
};

// With Frames 1, a box as large as the picture and the cursor at the screen's top-left, every
// kind draws the red picture's top-left pixel at (20, 20).
struct KindRow {
    const char* Text;
    bool Drawn;
};

class Dispatch : public Tick, public testing::WithParamInterface<KindRow> {};

TEST_P(Dispatch, MatchesTrimmedLowerCasedKind) {
    blink = true;
    desktop.Left = true;
    desktop.Cursor = {0, 0};
    SetEyes({MakeEye(QString::fromUtf8(GetParam().Text), {20, 20, 10, 10}, 1, Solid(10, 10, kRed),
                     Solid(10, 10, kBlack))});
    Fire();
    EXPECT_EQ(Pixel(20, 20), GetParam().Drawn ? ColorRef(kRed) : kGrey);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, Dispatch,
    testing::Values(KindRow{"frames", true}, KindRow{"direct", true}, KindRow{"Direct", true},
                    KindRow{"FRAMES", true}, KindRow{" auto ", true}, KindRow{"auto", true},
                    KindRow{"  rect", true}, KindRow{"Matrix", true}, KindRow{"BLINK", true},
                    KindRow{"distan", true}, KindRow{"distance", true}, // kept as "distan"
                    KindRow{"DISTANCE", true}, KindRow{"dist", false}, KindRow{"frame", false},
                    KindRow{"autox", false}, KindRow{"a uto", false}, KindRow{"\tauto", false},
                    KindRow{"", false}, KindRow{"eye", false}));

TEST_F(Tick, KindNeverGivenIsNotDrawn) {
    EyeDef eye = MakeEye(u"rect", {20, 20, 10, 10}, 1, Solid(10, 10, kRed), Solid(10, 10, kBlack));
    eye.Kind = KindText(); // six NULs
    SetEyes({eye});
    Fire();
    EXPECT_TRUE(OnlyBackground());
}

TEST_F(Tick, ElementZeroIsNeverDrawn) {
    SetEyes({EyeDef{}});
    skin.Eyes[0] =
        MakeEye(u"rect", {20, 20, 10, 10}, 1, Solid(10, 10, kRed), Solid(10, 10, kBlack));
    Fire();
    EXPECT_TRUE(OnlyBackground());
}

TEST_F(Tick, UpperBoundZeroShowsOnlyTheBackground) {
    skin.ReDimEyes(0);
    skin.Eyes[0] =
        MakeEye(u"rect", {20, 20, 10, 10}, 1, Solid(10, 10, kRed), Solid(10, 10, kBlack));
    Fire();
    EXPECT_TRUE(OnlyBackground());
}

TEST_F(Tick, NoEyesAtAllShowsOnlyTheBackground) {
    Fire(); // Eyes was never allocated
    EXPECT_TRUE(OnlyBackground());
}

TEST_F(Tick, HigherIndexIsOnTop) {
    const EyeDef red =
        MakeEye(u"rect", {20, 20, 10, 10}, 0, Solid(10, 10, kRed), Solid(10, 10, kBlack));
    const EyeDef blue =
        MakeEye(u"rect", {25, 25, 10, 10}, 0, Solid(10, 10, kBlue), Solid(10, 10, kBlack));
    SetEyes({red, blue});
    Fire();
    EXPECT_EQ(Pixel(27, 27), ColorRef(kBlue));
    EXPECT_EQ(Pixel(22, 22), ColorRef(kRed));
    SetEyes({blue, red});
    Fire();
    EXPECT_EQ(Pixel(27, 27), ColorRef(kRed));
    EXPECT_EQ(Pixel(33, 33), ColorRef(kBlue));
}

TEST_F(Tick, StillCursorStillRedrawsEveryEyeAndPresentsNoChange) {
    SetEyes({MakeEye(u"auto", {20, 20, 30, 30}, 0, Solid(10, 10, kRed), Solid(10, 10, kBlack)),
             MakeEye(u"rect", {60, 20, 30, 30}, 0, Solid(10, 10, kBlue), Solid(10, 10, kBlack))});
    desktop.Cursor = {300, 200};
    EXPECT_FALSE(Fire().isEmpty());
    const QImage first = surface.Image().copy();
    EXPECT_TRUE(Fire().isEmpty());
    EXPECT_EQ(surface.PendingOps().size(), 4u); // two draws per eye again
    EXPECT_EQ(surface.Image(), first);
}

TEST_F(Tick, ReadsTheCursorOncePerEyeAndNotForBlink) {
    blink = true;
    const Picture pic = Solid(10, 10, kRed);
    const Picture mask = Solid(10, 10, kBlack);
    SetEyes({MakeEye(u"auto", {0, 0, 30, 30}, 0, pic, mask),
             MakeEye(u"frames", {0, 0, 10, 10}, 1, pic, mask),
             MakeEye(u"distan", {0, 0, 10, 10}, 1, pic, mask),
             MakeEye(u"rect", {0, 0, 30, 30}, 0, pic, mask),
             MakeEye(u"matrix", {0, 0, 1, 1}, 0, pic, mask),
             MakeEye(u"blink", {0, 0, 10, 10}, 7, pic, mask)});
    Fire();
    EXPECT_EQ(desktop.CursorReads, 5);
}

// Button code, the Blink setting and the buttons held; whether the eye shows.
struct BlinkRow {
    std::uint8_t Code;
    bool BlinkOn;
    bool Left;
    bool Right;
    bool Middle;
    bool Shows;
};

class BlinkEye : public Tick, public testing::WithParamInterface<BlinkRow> {};

TEST_P(BlinkEye, ShowsOnlyForItsButtonsWithBlinkOn) {
    const BlinkRow& row = GetParam();
    blink = row.BlinkOn;
    desktop.Left = row.Left;
    desktop.Right = row.Right;
    desktop.Middle = row.Middle;
    SetEyes(
        {MakeEye(u"blink", {20, 20, 0, 0}, row.Code, Solid(10, 10, kRed), Solid(10, 10, kBlack))});
    Fire();
    if (row.Shows)
        EXPECT_TRUE(DrawnAt(20, 20, 10, 10, kRed));
    else
        EXPECT_TRUE(OnlyBackground());
}

INSTANTIATE_TEST_SUITE_P(
    Codes, BlinkEye,
    testing::Values(
        BlinkRow{7, false, true, true, true, false}, // Blink off: never
        BlinkRow{1, false, true, false, false, false}, BlinkRow{3, true, true, false, false, true},
        BlinkRow{3, true, false, true, false, true}, BlinkRow{3, true, false, false, true, false},
        BlinkRow{3, true, false, false, false, false}, BlinkRow{9, true, true, false, false, true},
        BlinkRow{9, true, false, true, true, false}, BlinkRow{8, true, true, true, true, false},
        BlinkRow{0, true, true, true, true, false}, BlinkRow{4, true, false, false, true, true},
        BlinkRow{6, true, true, false, false, false}, BlinkRow{6, true, false, true, false, true}));

TEST_F(Tick, BlinkWithoutPictureDrawsOnlyItsMask) {
    blink = true;
    desktop.Left = true;
    QImage mask(10, 10, QImage::Format_RGB32);
    mask.fill(kWhite);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 5; ++x)
            mask.setPixel(x, y, kBlack);
    SetEyes({MakeEye(u"blink", {20, 20, 10, 10}, 1, Picture(), Picture(mask))});
    Fire();
    EXPECT_EQ(Pixel(20, 20), 0u); // grey AND black
    EXPECT_EQ(Pixel(24, 29), 0u);
    EXPECT_EQ(Pixel(25, 20), kGrey); // grey AND white
    EXPECT_EQ(Pixel(19, 20), kGrey);
}

TEST_F(Tick, EyeWithoutMaskDrawsOnlyItsPicture) {
    SetEyes({MakeEye(u"rect", {20, 20, 10, 10}, 1, Solid(10, 10, kRed), Picture())});
    Fire();
    EXPECT_EQ(Pixel(20, 20), kGrey | ColorRef(kRed));
    EXPECT_EQ(Pixel(29, 29), kGrey | ColorRef(kRed));
}

// Kinds that measure their picture draw nothing at all without one, not even the mask.
class WithoutPicture : public Tick, public testing::WithParamInterface<const char16_t*> {};

TEST_P(WithoutPicture, DrawsNothing) {
    desktop.Cursor = {500, 400};
    SetEyes({MakeEye(GetParam(), {20, 20, 10, 10}, 1, Picture(), Solid(10, 10, kBlack))});
    Fire();
    EXPECT_TRUE(OnlyBackground());
}

INSTANTIATE_TEST_SUITE_P(Kinds, WithoutPicture,
                         testing::Values(u"auto", u"frames", u"direct", u"distan", u"rect",
                                         u"matrix"));

// Placements that cannot be computed draw nothing for that eye; the eyes after it still show.
struct UnplaceableRow {
    const char16_t* Kind;
    QRect Box;
    std::uint8_t Frames;
};

class Unplaceable : public Tick, public testing::WithParamInterface<UnplaceableRow> {};

TEST_P(Unplaceable, DrawsNothingForThatEyeOnly) {
    const UnplaceableRow& row = GetParam();
    desktop.Cursor = {10, 10};
    SetEyes({MakeEye(row.Kind, row.Box, row.Frames, Solid(30, 20, kRed), Solid(30, 20, kBlack)),
             MakeEye(u"rect", {80, 80, 10, 10}, 0, Solid(10, 10, kBlue), Solid(10, 10, kBlack))});
    Fire();
    EXPECT_EQ(Pixel(20, 20), kGrey);
    EXPECT_EQ(Pixel(0, 0), kGrey);
    EXPECT_TRUE(DrawnAt(80, 80, 10, 10, kBlue));
}

INSTANTIATE_TEST_SUITE_P(Cases, Unplaceable,
                         testing::Values(UnplaceableRow{u"frames", {20, 20, 30, 20}, 0},
                                         UnplaceableRow{u"direct", {20, 20, 30, 20}, 0},
                                         UnplaceableRow{u"distan", {20, 20, 30, 20}, 0},
                                         UnplaceableRow{u"matrix", {20, 20, 0, 2}, 0}, // no columns
                                         UnplaceableRow{u"matrix", {20, 20, 3, 0}, 0}, // no rows
                                         UnplaceableRow{
                                             u"matrix", {20, 20, 256, 2}, 0}, // beyond a byte
                                         UnplaceableRow{u"matrix", {20, 20, 3, 300}, 0}));

// A strip of four 10 x 10 frames at (20, 20); its centre is (25, 25) on a window at (0, 0).
class FrameStrip : public Tick {
protected:
    void SetStrip(const char16_t* kind, int frames) {
        SetEyes({MakeEye(kind, {20, 20, 0, 0}, static_cast<std::uint8_t>(frames),
                         Grid(frames, 1, 10, 10), Solid(10 * frames, 10, kBlack))});
    }
};

struct StripRow {
    QPoint Cursor;
    int Frame; // number from 1
};

class DirectionStrip : public FrameStrip, public testing::WithParamInterface<StripRow> {};

TEST_P(DirectionStrip, DrawsTheFrameOfTheDirection) {
    SetStrip(u"frames", 4);
    desktop.Cursor = GetParam().Cursor;
    Fire();
    EXPECT_TRUE(DrawnAt(20, 20, 10, 10, kStripColours[GetParam().Frame - 1]));
}

INSTANTIATE_TEST_SUITE_P(Corners, DirectionStrip,
                         testing::Values(StripRow{{0, 0}, 1}, StripRow{{100, 0}, 2},
                                         StripRow{{100, 100}, 3}, StripRow{{0, 100}, 4},
                                         StripRow{{0, 25}, 1}, StripRow{{500, 26}, 3},
                                         // The strip measures 150.24 twips high, so its
                                         // centre is at y 25.008: y 25 is just above it.
                                         StripRow{{500, 25}, 2}));

TEST_F(FrameStrip, DependsOnTheWindowsPosition) {
    SetStrip(u"direct", 4);
    desktop.Cursor = {200, 20};
    Fire();
    EXPECT_TRUE(DrawnAt(20, 20, 10, 10, kStripColours[1])); // up-right of the eye
    windowLeft = Twips(300);
    Fire();
    EXPECT_TRUE(DrawnAt(20, 20, 10, 10, kStripColours[0])); // now up-left
}

TEST_F(FrameStrip, OneFrameIsAlwaysShown) {
    SetStrip(u"frames", 1);
    for (QPoint c : {QPoint(0, 0), QPoint(25, 25), QPoint(999, 25), QPoint(25, 799)}) {
        desktop.Cursor = c;
        Fire();
        EXPECT_TRUE(DrawnAt(20, 20, 10, 10, kStripColours[0]));
    }
}

// Five frames on a 1280 x 1024 screen: M = 1426.1 pixels, 356.5 pixels a frame.
class DistanceStrip : public FrameStrip, public testing::WithParamInterface<StripRow> {};

TEST_P(DistanceStrip, DrawsTheFrameOfTheDistance) {
    desktop.Screen = QSize(1280, 1024);
    SetStrip(u"distan", 5);
    desktop.Cursor = GetParam().Cursor;
    Fire();
    EXPECT_TRUE(DrawnAt(20, 20, 10, 10, kStripColours[GetParam().Frame]));
}

INSTANTIATE_TEST_SUITE_P(Distances, DistanceStrip,
                         testing::Values(StripRow{{25, 25}, 0}, StripRow{{25 + 356, 25}, 0},
                                         StripRow{{25 + 357, 25}, 1}, StripRow{{25, 25 + 714}, 2},
                                         StripRow{{25 + 1426, 25}, 3}, StripRow{{25 + 1427, 25}, 4},
                                         StripRow{{5000, 5000}, 4}));

TEST_F(DistanceStrip, DependsOnTheWindowsPosition) {
    desktop.Screen = QSize(1280, 1024);
    SetStrip(u"distan", 5);
    desktop.Cursor = {25 + 400, 25};
    Fire();
    EXPECT_TRUE(DrawnAt(20, 20, 10, 10, kStripColours[1]));
    windowLeft = Twips(400);
    Fire();
    EXPECT_TRUE(DrawnAt(20, 20, 10, 10, kStripColours[0]));
}

TEST_F(DistanceStrip, OneFrameAlwaysShowsPositionZero) {
    SetStrip(u"distan", 1);
    for (QPoint c : {QPoint(25, 25), QPoint(999, 799), QPoint(-3000, 25)}) {
        desktop.Cursor = c;
        Fire();
        EXPECT_TRUE(DrawnAt(20, 20, 10, 10, kStripColours[0]));
    }
}

// A 10 x 10 picture in a 50 x 30 box at (20, 20) on a 1000 x 800 screen.
struct RectRow {
    QPoint Cursor;
    QPoint TopLeft;
};

class RectEye : public Tick, public testing::WithParamInterface<RectRow> {};

TEST_P(RectEye, SlidesAcrossTheBoxWithTheCursor) {
    SetEyes({MakeEye(u"rect", {20, 20, 50, 30}, 0, Solid(10, 10, kRed), Solid(10, 10, kBlack))});
    desktop.Cursor = GetParam().Cursor;
    for (float left : {0.0f, Twips(400), Twips(-250)}) { // the window's place does not matter
        windowLeft = left;
        windowTop = left / 2;
        Fire();
        EXPECT_TRUE(DrawnAt(GetParam().TopLeft.x(), GetParam().TopLeft.y(), 10, 10, kRed));
    }
}

INSTANTIATE_TEST_SUITE_P(Positions, RectEye,
                         testing::Values(RectRow{{0, 0}, {20, 20}},     // top-left pixel
                                         RectRow{{500, 400}, {40, 30}}, // centred in the box
                                         RectRow{{999, 799}, {60, 40}}, // far corner
                                         RectRow{{250, 0}, {30, 20}}));

TEST_F(Tick, RectPictureAsLargeAsItsBoxNeverMoves) {
    SetEyes({MakeEye(u"rect", {20, 20, 10, 10}, 0, Solid(10, 10, kRed), Solid(10, 10, kBlack))});
    for (QPoint c : {QPoint(0, 0), QPoint(500, 400), QPoint(999, 799), QPoint(3000, -200)}) {
        desktop.Cursor = c;
        Fire();
        EXPECT_TRUE(DrawnAt(20, 20, 10, 10, kRed));
    }
}

// A 3 x 2 grid of 10 x 10 cells at (20, 20) on a 1200 x 900 screen.
struct MatrixRow {
    QPoint Cursor;
    int Cell; // in reading order
};

class MatrixEye : public Tick, public testing::WithParamInterface<MatrixRow> {};

TEST_P(MatrixEye, DrawsTheCellUnderTheCursor) {
    desktop.Screen = QSize(1200, 900);
    SetEyes({MakeEye(u"matrix", {20, 20, 3, 2}, 0, Grid(3, 2, 10, 10), Solid(30, 20, kBlack))});
    desktop.Cursor = GetParam().Cursor;
    for (float left : {0.0f, Twips(500), Twips(-90)}) { // the window's place does not matter
        windowLeft = left;
        windowTop = left;
        Fire();
        EXPECT_TRUE(DrawnAt(20, 20, 10, 10, kStripColours[GetParam().Cell]));
    }
}

INSTANTIATE_TEST_SUITE_P(Cells, MatrixEye,
                         testing::Values(MatrixRow{{100, 100}, 0}, // left third, upper half
                                         MatrixRow{{600, 100}, 1}, MatrixRow{{1199, 0}, 2},
                                         MatrixRow{{0, 450}, 3}, MatrixRow{{600, 450}, 4},
                                         MatrixRow{{1100, 800}, 5})); // right third, lower half

TEST_F(Tick, MatrixOfOneCellShowsTheWholePicture) {
    desktop.Screen = QSize(1200, 900);
    SetEyes({MakeEye(u"matrix", {20, 20, 1, 1}, 0, Grid(3, 2, 10, 10), Solid(30, 20, kBlack))});
    for (QPoint c : {QPoint(0, 0), QPoint(1199, 899), QPoint(600, 450)}) {
        desktop.Cursor = c;
        Fire();
        EXPECT_TRUE(DrawnAt(20, 20, 10, 10, kStripColours[0]));
        EXPECT_TRUE(DrawnAt(40, 30, 10, 10, kStripColours[5]));
    }
}

TEST_F(Tick, MatrixCellOutsideTheGridDrawsNothing) {
    desktop.Screen = QSize(1200, 900);
    SetEyes({MakeEye(u"matrix", {20, 20, 3, 2}, 0, Grid(3, 2, 10, 10), Solid(30, 20, kBlack))});
    for (QPoint c : {QPoint(1200, 100), QPoint(-1, 100), QPoint(100, 900), QPoint(100, -5),
                     QPoint(5000, 5000)}) {
        desktop.Cursor = c;
        Fire();
        EXPECT_TRUE(OnlyBackground()) << c.x() << "," << c.y();
    }
}

} // namespace
} // namespace orbo
