// The drawing surface: masked drawing, Cls, changed pixels, clipping and rounding.
#include "runtime/surface.h"

#include "runtime/monitors.h"
#include "skin_pictures.h"

#include <QtGui/QPainter>

#include <gtest/gtest.h>

namespace orbo {
namespace {

using testing::SamePixels;
using testing::Solid;

constexpr std::uint32_t kGrey = 0x00808080;
constexpr QRgb kRed = qRgb(255, 0, 0);
constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kWhite = qRgb(255, 255, 255);

class SurfaceTest : public ::testing::Test {
protected:
    SurfaceTest() { surface.SetBackground(QSize(40, 30), kGrey, Picture()); }

    // Position in pixels, as the eye code passes twips.
    bool Paint(const Picture& picture, int x, int y, RasterOp op,
               const std::optional<TwipsRect>& source = std::nullopt) {
        return surface.PaintPicture(picture, static_cast<float>(x * 15), static_cast<float>(y * 15),
                                    source, op);
    }

    Surface surface{Units{15, 15}};
};

// The masked draw over a grey background: mask with And, then picture with Paint, a 4 x 4
// picture at (10, 10) whose last row and column are drawn and nothing past them.
TEST_F(SurfaceTest, MaskedDrawCombinesMaskAndPictureWithTheBackground) {
    const struct {
        const char* Name;
        QRgb Mask;
        QRgb Pic;
        std::uint32_t Expected;
    } rows[] = {
        {"WhiteMaskColourMixesWithBackground", kWhite, kRed, 0x008080FF},
        {"BlackMaskColourIsTheColour", kBlack, kRed, ColorRef(kRed)},
        {"GreyMaskKeepsBackgroundBitsUnderIt", qRgb(0x80, 0, 0x80), qRgb(0, 0, 255), 0x00FF0080},
    };
    for (const auto& row : rows) {
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
    QImage background = testing::SolidImage(40, 30, QColor(255, 0, 255));
    background.setPixel(3, 5, qRgb(0, 255, 0));
    surface.SetBackground(QSize(50, 30), kGrey, Picture(background));
    Paint(Solid(50, 10, kBlack), 0, 0, RasterOp::And);
    surface.Present();
    EXPECT_EQ(0u, surface.GetPixel(3, 5));
    surface.Cls();
    surface.Present();
    EXPECT_EQ(ColorRef(qRgb(0, 255, 0)), surface.GetPixel(3, 5));
    EXPECT_EQ(0x00FF00FFu, surface.GetPixel(25, 5));
    EXPECT_EQ(kGrey, surface.GetPixel(45, 5)); // beyond the picture: the colour
}

TEST_F(SurfaceTest, ChangedFrameReportsOnlyTheChangedPixels) {
    const Picture pic = Solid(5, 5, kBlack);
    Paint(pic, 10, 10, RasterOp::And);
    surface.Present();
    surface.Cls();
    Paint(pic, 12, 10, RasterOp::And);
    EXPECT_TRUE(SamePixels(QRegion(10, 10, 7, 5), surface.Present()));
    EXPECT_EQ(kGrey, surface.GetPixel(10, 10)); // uncovered again
    EXPECT_EQ(0u, surface.GetPixel(16, 14));
}

// A picture whose every pixel differs, so a shifted copy shows, drawn across two corners.
TEST_F(SurfaceTest, ClipsAtTheSurfacesEdges) {
    QImage image(10, 10, QImage::Format_RGB32);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            image.setPixel(x, y, qRgb(x * 8, y * 8, 100));
    ASSERT_TRUE(Paint(Picture(image), -5, -5, RasterOp::Paint));
    ASSERT_TRUE(Paint(Picture(image), 35, 25, RasterOp::Paint));
    surface.Present();
    EXPECT_EQ(kGrey | ColorRef(image.pixel(5, 5)), surface.GetPixel(0, 0));
    EXPECT_EQ(kGrey | ColorRef(image.pixel(9, 9)), surface.GetPixel(4, 4));
    EXPECT_EQ(kGrey, surface.GetPixel(5, 5));
    EXPECT_EQ(kGrey | ColorRef(image.pixel(4, 4)), surface.GetPixel(39, 29));
    EXPECT_EQ(0xFFFFFFFFu, surface.GetPixel(40, 29)); // outside the surface
}

TEST_F(SurfaceTest, PositionsAndSizesRoundToWholePixels) {
    // A position of no whole pixel value draws nothing.
    EXPECT_FALSE(surface.PaintPicture(Solid(2, 2, kBlack), 1e12f, 0, std::nullopt, RasterOp::And));
    EXPECT_FALSE(surface.PaintPicture(Solid(2, 2, kBlack), 0, -1e12f, std::nullopt, RasterOp::And));
    EXPECT_TRUE(surface.PendingOps().empty());
    // 37.5 and 22.5 twips are 2.5 and 1.5 pixels: halves go to even.
    surface.PaintPicture(Solid(1, 1, kBlack), 37.5f, 22.5f, std::nullopt, RasterOp::And);
    // 149.95 twips is 9.997 pixels: ten columns.
    ASSERT_TRUE(
        Paint(Solid(20, 10, kRed), 20, 0, RasterOp::Paint, TwipsRect{0, 0, 149.95f, 150.24f}));
    surface.Present();
    EXPECT_EQ(0u, surface.GetPixel(2, 2));
    EXPECT_EQ(kGrey, surface.GetPixel(3, 2));
    EXPECT_EQ(kGrey, surface.GetPixel(2, 1));
    EXPECT_EQ(kGrey | ColorRef(kRed), surface.GetPixel(29, 9));
    EXPECT_EQ(kGrey, surface.GetPixel(30, 9));
    EXPECT_EQ(kGrey, surface.GetPixel(29, 10));
}

// Shown at a size on a display of a scale, an eye drawn after the first drawing reaches the
// window through both scalings: the window ends as the whole frame scaled afresh, pixel for pixel.
TEST_F(SurfaceTest, ChangesReachTheWindowAtEverySizeAndScale) {
    for (const qreal size : {2.0, 0.5, 1.5})
        for (const qreal ratio : {1.0, 1.25}) {
            SCOPED_TRACE(::testing::Message() << size << " " << ratio);
            surface.SetBackground(QSize(40, 30), kGrey, Picture());
            surface.Cls();
            surface.Present();
            const QRect shown(QPoint(), DeviceRect(QRect(0, 0, 40, 30), size).size());
            QImage window(DeviceRect(shown, ratio).size(), QImage::Format_RGB32);
            window.fill(Qt::white);
            window.setDevicePixelRatio(ratio);
            QPainter painter(&window);
            surface.Draw(painter, shown, ratio, size);
            QImage eye(3, 3, QImage::Format_RGB32);
            for (int i = 0; i < 9; ++i)
                eye.setPixel(i % 3, i / 3, qRgb(i * 20, 0, 255 - i * 20));
            Paint(Picture(eye), 11, 7, RasterOp::And);
            surface.Draw(painter, DeviceRegion(surface.Present(), size), ratio, size);
            painter.end();
            const QImage expected = DeviceImage(DeviceImage(surface.Image(), size), ratio);
            ASSERT_EQ(expected.size(), window.size());
            for (int y = 0; y < window.height(); ++y)
                for (int x = 0; x < window.width(); ++x)
                    ASSERT_EQ(expected.pixel(x, y), window.pixel(x, y)) << x << "," << y;
        }
}

} // namespace
} // namespace orbo
