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

// The masked draw over a grey background: mask with And, then picture with Paint, a 4 x 4
// picture at (10, 10) whose last row and column are drawn and nothing past them.
TEST_F(SurfaceTest, MaskedDrawCombinesMaskAndPictureWithTheBackground) {
    struct Row {
        const char* Name;
        QRgb Mask;
        QRgb Pic;
        std::uint32_t Expected;
    };
    const Row rows[] = {
        {"WhiteMaskBlackPicShowsBackground", kWhite, kBlack, kGrey},
        {"WhiteMaskColourMixesWithBackground", kWhite, kRed, 0x008080FF},
        {"BlackMaskBlackPicIsBlack", kBlack, kBlack, 0x00000000},
        {"BlackMaskColourIsTheColour", kBlack, kRed, ColorRef(kRed)},
        {"GreyMaskKeepsBackgroundBitsUnderIt", qRgb(0x80, 0, 0x80), kBlue, 0x00FF0080},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        surface.Cls();
        ASSERT_TRUE(Paint(Solid(4, 4, row.Mask), 10, 10, RasterOp::And));
        ASSERT_TRUE(Paint(Solid(4, 4, row.Pic), 10, 10, RasterOp::Paint));
        surface.Present();
        EXPECT_EQ(row.Expected, surface.GetPixel(10, 10));
        EXPECT_EQ(row.Expected, surface.GetPixel(13, 13));
        EXPECT_EQ(kGrey, surface.GetPixel(14, 13));
        EXPECT_EQ(kGrey, surface.GetPixel(13, 14));
    }
}

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

TEST_F(SurfaceTest, SourceRectangleSizeIsRoundedToWholePixels) {
    // 149.95 twips is 9.997 pixels: ten columns.
    ASSERT_TRUE(
        Paint(Solid(20, 10, kRed), 0, 0, RasterOp::Paint, SourceRect{0, 0, 149.95f, 150.24f}));
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

} // namespace
} // namespace orbo
