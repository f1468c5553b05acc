#include "platform/surface.h"

#include <QtGui/QImage>

#include <gtest/gtest.h>

namespace orbo {
namespace {

constexpr std::uint32_t kGrey = 0x00808080;
constexpr QRgb kRed = qRgb(255, 0, 0);
constexpr QRgb kBlue = qRgb(0, 0, 255);
constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kWhite = qRgb(255, 255, 255);

Picture Solid(int width, int height, QRgb colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return Picture(image);
}

// Left half red, right half blue.
Picture Halves(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, x < width / 2 ? kRed : kBlue);
    return Picture(image);
}

// Every pixel different, so a shifted copy shows.
Picture Gradient(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 8, y * 8, 100));
    return Picture(image);
}

bool SamePixels(const QRegion& a, const QRegion& b) {
    return a.xored(b).isEmpty();
}

class SurfaceTest : public testing::Test {
protected:
    SurfaceTest() { surface.SetBackground(QSize(40, 30), kGrey, Picture()); }

    // Position in pixels, as the eye code passes twips.
    bool Paint(const Picture& picture, int x, int y, RasterOp op,
               const std::optional<SourceRect>& source = std::nullopt) {
        return surface.PaintPicture(picture, static_cast<float>(x * 15), static_cast<float>(y * 15),
                                    source, op);
    }

    Surface surface{Units{15, 15}};
};

// The masked draw over a grey background: mask with And, then picture with Paint.
struct MaskedRow {
    const char* Name;
    QRgb Mask;
    QRgb Pic;
    std::uint32_t Expected;
};

class MaskedDraw : public SurfaceTest, public testing::WithParamInterface<MaskedRow> {};

TEST_P(MaskedDraw, CombinesMaskAndPictureWithTheBackground) {
    const MaskedRow& row = GetParam();
    ASSERT_TRUE(Paint(Solid(4, 4, row.Mask), 10, 10, RasterOp::And));
    ASSERT_TRUE(Paint(Solid(4, 4, row.Pic), 10, 10, RasterOp::Paint));
    surface.Present();
    EXPECT_EQ(surface.GetPixel(11, 11), row.Expected);
    EXPECT_EQ(surface.GetPixel(14, 11), kGrey); // beside the eye
}

INSTANTIATE_TEST_SUITE_P(
    Rows, MaskedDraw,
    testing::Values(MaskedRow{"WhiteMaskBlackPicShowsBackground", kWhite, kBlack, kGrey},
                    MaskedRow{"WhiteMaskColourMixesWithBackground", kWhite, kRed, 0x008080FF},
                    MaskedRow{"BlackMaskBlackPicIsBlack", kBlack, kBlack, 0x00000000},
                    MaskedRow{"BlackMaskColourIsTheColour", kBlack, kRed, ColorRef(kRed)},
                    MaskedRow{"GreyMaskKeepsBackgroundBitsUnderIt", qRgb(0x80, 0, 0x80), kBlue,
                              0x00FF0080}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(SurfaceTest, ClsRestoresColourAndBackgroundPicture) {
    QImage background(40, 30, QImage::Format_RGB32);
    background.fill(qRgb(255, 0, 255));
    for (int x = 0; x < 20; ++x)
        background.setPixel(x, 5, qRgb(0, 255, 0));
    surface.SetBackground(QSize(50, 30), kGrey, Picture(background));
    Paint(Solid(30, 10, kBlack), 0, 0, RasterOp::And);
    surface.Present();
    EXPECT_EQ(surface.GetPixel(3, 5), 0u);
    surface.Cls();
    surface.Present();
    EXPECT_EQ(surface.GetPixel(3, 5), ColorRef(qRgb(0, 255, 0)));
    EXPECT_EQ(surface.GetPixel(25, 5), 0x00FF00FFu);
    EXPECT_EQ(surface.GetPixel(45, 5), kGrey); // beyond the picture: the colour
}

TEST_F(SurfaceTest, SameFrameAgainReportsNoChange) {
    const Picture pic = Solid(5, 5, kRed);
    surface.Cls();
    Paint(pic, 10, 10, RasterOp::Paint);
    EXPECT_FALSE(surface.Present().isEmpty());
    surface.Cls();
    Paint(pic, 10, 10, RasterOp::Paint);
    EXPECT_TRUE(surface.Present().isEmpty());
    EXPECT_EQ(surface.GetPixel(12, 12), kGrey | ColorRef(kRed));
}

TEST_F(SurfaceTest, ReadingTheFrameShowsThePresentedOneAndChangesNothing) {
    surface.Present();
    Paint(Solid(5, 5, kBlack), 10, 10, RasterOp::And);
    EXPECT_EQ(surface.GetPixel(12, 12), kGrey);
    EXPECT_EQ(ColorRef(surface.Image().pixel(12, 12)), kGrey);
    // What a reader looked at is still to be presented, and reported, by the next Present.
    EXPECT_TRUE(SamePixels(surface.Present(), QRegion(10, 10, 5, 5)));
    EXPECT_EQ(surface.GetPixel(12, 12), 0u);
}

TEST_F(SurfaceTest, ChangedFrameReportsOnlyTheChangedPixels) {
    const Picture pic = Solid(5, 5, kBlack);
    Paint(pic, 10, 10, RasterOp::And);
    surface.Present();
    surface.Cls();
    Paint(pic, 12, 10, RasterOp::And);
    const QRegion changed = surface.Present();
    EXPECT_TRUE(SamePixels(changed, QRegion(10, 10, 7, 5)));
    EXPECT_EQ(surface.GetPixel(10, 10), kGrey); // uncovered again
    EXPECT_EQ(surface.GetPixel(16, 14), 0u);
    EXPECT_EQ(surface.GetPixel(17, 14), kGrey);
}

TEST_F(SurfaceTest, NewBackgroundReportsTheWholeSurface) {
    surface.Present();
    surface.SetBackground(QSize(20, 10), 0x00FFFFFF, Picture());
    EXPECT_TRUE(SamePixels(surface.Present(), QRegion(0, 0, 20, 10)));
    EXPECT_EQ(surface.GetPixel(19, 9), 0x00FFFFFFu);
}

TEST_F(SurfaceTest, SourceRectangleTakesThatPartOfThePicture) {
    // The right half of a 20 x 10 picture, at (5, 5): blue from column 5 to 14.
    ASSERT_TRUE(Paint(Halves(20, 10), 5, 5, RasterOp::And, SourceRect{150, 0, 150, 150}));
    surface.Present();
    EXPECT_EQ(surface.GetPixel(5, 5), ColorRef(kBlue) & kGrey);
    EXPECT_EQ(surface.GetPixel(14, 14), ColorRef(kBlue) & kGrey);
    EXPECT_EQ(surface.GetPixel(15, 5), kGrey);
    EXPECT_EQ(surface.GetPixel(5, 15), kGrey);
}

TEST_F(SurfaceTest, SourceRectangleSizeIsRoundedToWholePixels) {
    // 149.95 twips is 9.997 pixels: ten columns.
    ASSERT_TRUE(Paint(Halves(20, 10), 0, 0, RasterOp::Paint, SourceRect{0, 0, 149.95f, 150.24f}));
    surface.Present();
    EXPECT_EQ(surface.GetPixel(9, 9), kGrey | ColorRef(kRed));
    EXPECT_EQ(surface.GetPixel(10, 9), kGrey);
    EXPECT_EQ(surface.GetPixel(9, 10), kGrey);
}

TEST_F(SurfaceTest, ClipsAtTheSurfacesEdges) {
    const Picture pic = Gradient(10, 10);
    ASSERT_TRUE(Paint(pic, -5, -5, RasterOp::Paint));
    ASSERT_TRUE(Paint(pic, 35, 25, RasterOp::Paint));
    const std::uint32_t g = kGrey;
    surface.Present();
    EXPECT_EQ(surface.GetPixel(0, 0), g | ColorRef(pic.Image().pixel(5, 5)));
    EXPECT_EQ(surface.GetPixel(4, 4), g | ColorRef(pic.Image().pixel(9, 9)));
    EXPECT_EQ(surface.GetPixel(5, 5), g);
    EXPECT_EQ(surface.GetPixel(39, 29), g | ColorRef(pic.Image().pixel(4, 4)));
    EXPECT_EQ(surface.GetPixel(35, 25), g | ColorRef(pic.Image().pixel(0, 0)));
    EXPECT_EQ(surface.GetPixel(40, 29), 0xFFFFFFFFu); // outside the surface
    EXPECT_EQ(surface.GetPixel(-1, 0), 0xFFFFFFFFu);
}

TEST_F(SurfaceTest, EntirelyOutsideDrawsNothing) {
    ASSERT_TRUE(Paint(Solid(10, 10, kBlack), 100, 100, RasterOp::And));
    ASSERT_TRUE(Paint(Solid(10, 10, kBlack), -10, 0, RasterOp::And));
    surface.Present();
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            ASSERT_EQ(surface.GetPixel(x, y), kGrey);
}

TEST_F(SurfaceTest, SourceBeyondThePictureDrawsOnlyWhatThePictureHas) {
    // A 10-pixel-wide source starting at column 15 of a 20-pixel picture: five columns.
    const Picture pic = Gradient(20, 10);
    ASSERT_TRUE(Paint(pic, 0, 0, RasterOp::Paint, SourceRect{225, 0, 150, 150}));
    surface.Present();
    EXPECT_EQ(surface.GetPixel(4, 0), kGrey | ColorRef(pic.Image().pixel(19, 0)));
    EXPECT_EQ(surface.GetPixel(5, 0), kGrey);
    // A source left of the picture draws only where it overlaps it.
    surface.Cls();
    ASSERT_TRUE(Paint(pic, 0, 0, RasterOp::Paint, SourceRect{-45, 0, 150, 150}));
    surface.Present();
    EXPECT_EQ(surface.GetPixel(2, 0), kGrey);
    EXPECT_EQ(surface.GetPixel(3, 0), kGrey | ColorRef(pic.Image().pixel(0, 0)));
}

TEST_F(SurfaceTest, EmptyPictureFailsAndDrawsNothing) {
    EXPECT_FALSE(surface.PaintPicture(Picture(), 0, 0, std::nullopt, RasterOp::And));
    EXPECT_TRUE(surface.PendingOps().empty());
    surface.Present();
    EXPECT_EQ(surface.GetPixel(0, 0), kGrey);
}

TEST_F(SurfaceTest, PositionOfNoWholePixelValueFails) {
    EXPECT_FALSE(surface.PaintPicture(Solid(2, 2, kBlack), 1e12f, 0, std::nullopt, RasterOp::And));
    EXPECT_FALSE(surface.PaintPicture(Solid(2, 2, kBlack), 0, -1e12f, std::nullopt, RasterOp::And));
    EXPECT_TRUE(surface.PendingOps().empty());
}

TEST_F(SurfaceTest, PositionsRoundToTheNearestPixelHalvesToEven) {
    const Picture pic = Solid(1, 1, kBlack);
    surface.PaintPicture(pic, 37.5f, 22.5f, std::nullopt, RasterOp::And); // 2.5, 1.5 pixels
    surface.Present();
    EXPECT_EQ(surface.GetPixel(2, 2), 0u);
    EXPECT_EQ(surface.GetPixel(3, 2), kGrey);
    EXPECT_EQ(surface.GetPixel(2, 1), kGrey);
}

TEST_F(SurfaceTest, LaterDrawIsOnTop) {
    Paint(Solid(6, 6, kBlack), 0, 0, RasterOp::And);
    Paint(Solid(6, 6, kRed), 0, 0, RasterOp::Paint);
    Paint(Solid(6, 6, kBlack), 3, 3, RasterOp::And);
    Paint(Solid(6, 6, kBlue), 3, 3, RasterOp::Paint);
    surface.Present();
    EXPECT_EQ(surface.GetPixel(4, 4), ColorRef(kBlue));
    EXPECT_EQ(surface.GetPixel(1, 1), ColorRef(kRed));
}

} // namespace
} // namespace orbo
