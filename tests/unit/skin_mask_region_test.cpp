#include "skin/mask_region.h"

#include "skin/default_skin.h"
#include "skin_test_support.h"

#include <gtest/gtest.h>

#include <random>

namespace orbo {
namespace {

using testing::BuildMaskRegionByPixel;
using testing::SamePixels;
using testing::SolidImage;

const QRgb kM = qRgb(255, 0, 255);

struct RegionRow {
    const char* Name;
    QImage Image;
    QRegion Expected;
};

QImage WithPixels(QImage image, std::initializer_list<std::pair<QPoint, QRgb>> pixels) {
    for (const auto& [at, colour] : pixels)
        image.setPixel(at, colour);
    return image;
}

QRegion Rows(std::initializer_list<QRect> rects) {
    QRegion r;
    for (const QRect& rect : rects)
        r += rect;
    return r;
}

class MaskRegionRows : public ::testing::TestWithParam<RegionRow> {};

TEST_P(MaskRegionRows, HoldsExactlyTheNonMagentaPixels) {
    const RegionRow& row = GetParam();
    const Picture picture(row.Image);
    const QRegion fast = BuildMaskRegion(picture, kMagenta);
    EXPECT_TRUE(SamePixels(fast, row.Expected)) << fast.boundingRect().x();
    EXPECT_TRUE(SamePixels(BuildMaskRegionByPixel(picture, kMagenta), row.Expected));
}

const RegionRow kRegionRows[] = {
    {"AllMagenta", SolidImage(12, 9, kM), QRegion()},
    {"NoMagenta", SolidImage(12, 9, Qt::green), QRegion(0, 0, 12, 9)},
    {"OnePixelAt5x7", WithPixels(SolidImage(12, 9, kM), {{{5, 7}, qRgb(0, 0, 0)}}),
     QRegion(5, 7, 1, 1)},
    {"RunToTheRightEdge",
     WithPixels(SolidImage(6, 2, kM), {{{4, 0}, qRgb(1, 2, 3)}, {{5, 0}, qRgb(1, 2, 3)}}),
     QRegion(4, 0, 2, 1)},
    {"RunFromTheLeftEdge", WithPixels(SolidImage(6, 1, kM), {{{0, 0}, qRgb(9, 9, 9)}}),
     QRegion(0, 0, 1, 1)},
    {"NearMagentaIsInside",
     WithPixels(
         SolidImage(5, 3, kM),
         {{{1, 1}, qRgb(254, 0, 255)}, {{2, 1}, qRgb(255, 1, 255)}, {{3, 1}, qRgb(255, 0, 254)}}),
     QRegion(1, 1, 3, 1)},
    {"HoleInside", WithPixels(SolidImage(5, 3, Qt::blue), {{{2, 1}, kM}}),
     Rows({QRect(0, 0, 5, 1), QRect(0, 1, 2, 1), QRect(3, 1, 2, 1), QRect(0, 2, 5, 1)})},
    {"MagentaRowAddsNothing",
     WithPixels(SolidImage(3, 3, Qt::blue), {{{0, 1}, kM}, {{1, 1}, kM}, {{2, 1}, kM}}),
     Rows({QRect(0, 0, 3, 1), QRect(0, 2, 3, 1)})},
};

INSTANTIATE_TEST_SUITE_P(Pictures, MaskRegionRows, ::testing::ValuesIn(kRegionRows),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(MaskRegion, EmptyPictureGivesEmptyRegion) {
    EXPECT_TRUE(BuildMaskRegion(Picture(), kMagenta).isEmpty());
}

TEST(MaskRegion, ZeroColumnsOrRowsGiveEmptyRegion) {
    // A surface that rounds to no pixel at all: 0 HIMETRIC wide at 15 twips per pixel is
    // impossible for a decoded bitmap, so look at the measure directly and at a 1-pixel picture
    // on a screen of very large pixels.
    Units coarse;
    coarse.TwipsPerPixelX = 1000;
    const Picture one(SolidImage(1, 4, Qt::blue));
    EXPECT_EQ(MaskSurfaceSize(one, coarse).width(), 0);
    EXPECT_TRUE(BuildMaskRegion(one, kMagenta, coarse).isEmpty());
    EXPECT_TRUE(BuildMaskRegionByPixel(one, kMagenta, coarse).isEmpty());
}

TEST(MaskRegion, SurfaceIsThePixelSizeAtFifteenTwips) {
    const Units units;
    for (int side = 1; side <= kMaxPictureSide; side += 37) {
        const Picture p(SolidImage(side, 1, Qt::blue));
        ASSERT_EQ(MaskSurfaceSize(p, units), QSize(side, 1)) << side;
    }
}

TEST(MaskRegion, SurfaceLargerThanThePictureCountsTheRestInside) {
    Units fine; // more pixels per inch than the picture's 96: the window is wider than it
    fine.TwipsPerPixelX = 10;
    const Picture p(SolidImage(10, 2, kM));
    const QSize size = MaskSurfaceSize(p, fine);
    ASSERT_EQ(size, QSize(15, 2));
    const QRegion expected(10, 0, 5, 2);
    EXPECT_TRUE(SamePixels(BuildMaskRegion(p, kMagenta, fine), expected));
    EXPECT_TRUE(SamePixels(BuildMaskRegionByPixel(p, kMagenta, fine), expected));
}

TEST(MaskRegion, SystemColourMatchesNoPixel) {
    const Picture p(SolidImage(4, 4, kM));
    EXPECT_TRUE(SamePixels(BuildMaskRegion(p, 0x80FF00FF), QRegion(0, 0, 4, 4)));
}

TEST(MaskRegion, BuiltInBackgroundCoversTheCreatureAndNoMagenta) {
    const DefaultSkinPictures pictures = DefaultSkinPictures::Load();
    const Picture& back = pictures.imgDefSkin[0];
    ASSERT_EQ(back.Image().size(), QSize(75, 100));
    const QRegion region = BuildMaskRegion(back, kMagenta);
    const QImage& image = back.Image();
    int inside = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const bool magenta = image.pixel(x, y) == kM;
            ASSERT_EQ(region.contains(QPoint(x, y)), !magenta) << x << "," << y;
            inside += magenta ? 0 : 1;
        }
    }
    EXPECT_GT(inside, 75 * 100 / 4); // a creature, not a speck
    // Both eyeballs, which the built-in eye boxes cover, are inside.
    EXPECT_TRUE(region.contains(QRect(10, 53, 33, 34).center()));
    EXPECT_TRUE(region.contains(QRect(43, 62, 22, 22).center()));
    EXPECT_TRUE(SamePixels(region, BuildMaskRegionByPixel(back, kMagenta)));
}

TEST(MaskRegion, SameAsThePixelByPixelScanOnRandomPictures) {
    std::mt19937 random(12345);
    for (int round = 0; round < 40; ++round) {
        const int w = 1 + static_cast<int>(random() % 64);
        const int h = 1 + static_cast<int>(random() % 48);
        const int magentaPercent = static_cast<int>(random() % 101);
        QImage image(w, h, QImage::Format_RGB32);
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const bool magenta = static_cast<int>(random() % 100) < magentaPercent;
                const QRgb other = random() % 2 ? qRgb(254, 0, 255) : qRgb(0, 128, 0);
                image.setPixel(x, y, magenta ? kM : other);
            }
        }
        const Picture p(image);
        ASSERT_TRUE(SamePixels(BuildMaskRegion(p, kMagenta), BuildMaskRegionByPixel(p, kMagenta)))
            << "round " << round << " " << w << "x" << h;
    }
}

TEST(MaskRegion, EmptyRegionHasNoPixels) {
    EXPECT_TRUE(BuildEmptyRegion().isEmpty());
}

} // namespace
} // namespace orbo
