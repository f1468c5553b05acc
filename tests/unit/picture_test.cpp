// Pictures: see-through pixels by role, what the loader refuses, and the window's shape from a
// background: exactly its non-magenta pixels, at the screen's size.
#include "runtime/picture.h"
#include "skin/mask_region.h"
#include "skin_pictures.h"

#include <QtCore/QBuffer>

#include <gtest/gtest.h>

#include <cstring>

namespace orbo {
namespace {

QByteArray Encode(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// A pixel under half opaque takes its role's see-through colour; the rest lose their alpha.
TEST(Picture, AlphaBelowHalfTakesTheRolesColour) {
    const struct {
        const char* Name;
        PictureRole Role;
        int Alpha;
        QRgb Expected;
    } rows[] = {
        {"BackgroundJustBelowHalf", PictureRole::Background, 127, qRgb(255, 0, 255)},
        {"BackgroundHalf", PictureRole::Background, 128, qRgb(10, 20, 30)},
        {"PicJustBelowHalf", PictureRole::Pic, 127, qRgb(0, 0, 0)},
        {"MaskJustBelowHalf", PictureRole::Mask, 127, qRgb(255, 255, 255)},
        {"MaskOpaque", PictureRole::Mask, 255, qRgb(10, 20, 30)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        QImage image(1, 1, QImage::Format_ARGB32);
        image.setPixel(0, 0, qRgba(10, 20, 30, row.Alpha));
        const auto picture = DecodePicture(Encode(image, "PNG"), row.Role);
        ASSERT_TRUE(picture.has_value());
        EXPECT_EQ(row.Expected, picture->Image().pixel(0, 0));
        EXPECT_FALSE(picture->Image().hasAlphaChannel());
    }
}

// The side limit is inclusive; a BMP header saying 100000 x 100000 with almost no data behind
// it, or bytes that are no picture, are refused.
TEST(Picture, LoaderRefusesTooLargeOrUndecodable) {
    const auto bmp = [](QSize size) { return Encode(QImage(size, QImage::Format_RGB32), "BMP"); };
    QByteArray huge = bmp({1, 1});
    const qint32 side = 100000;
    std::memcpy(huge.data() + 18, &side, 4);
    std::memcpy(huge.data() + 22, &side, 4);
    const std::pair<QByteArray, bool> rows[] = {{bmp({kMaxPictureSide, 1}), true},
                                                {bmp({1, kMaxPictureSide}), true},
                                                {bmp({kMaxPictureSide + 1, 1}), false},
                                                {bmp({1, kMaxPictureSide + 1}), false},
                                                {huge, false},
                                                {"BM nonsense", false},
                                                {{}, false}};
    for (const auto& [bytes, accepted] : rows)
        EXPECT_EQ(accepted, DecodePicture(bytes, PictureRole::Pic).has_value())
            << bytes.left(30).toHex().toStdString();
}

using testing::BuildMaskRegionByPixel;
using testing::SamePixels;
using testing::SolidImage;

const QRgb kM = qRgb(255, 0, 255);

QImage WithPixels(QImage image, std::initializer_list<std::pair<QPoint, QRgb>> pixels) {
    for (const auto& [at, colour] : pixels)
        image.setPixel(at, colour);
    return image;
}

TEST(MaskRegion, HoldsExactlyTheNonMagentaPixels) {
    const QRgb dark = qRgb(1, 2, 3);
    const struct {
        const char* Name;
        QImage Image;
        QRegion Expected;
    } rows[] = {
        {"AllMagenta", SolidImage(12, 9, kM), QRegion()},
        {"NoMagenta", SolidImage(12, 9, Qt::green), QRegion(0, 0, 12, 9)},
        {"OnePixel", WithPixels(SolidImage(12, 9, kM), {{{5, 7}, dark}}), QRegion(5, 7, 1, 1)},
        {"LastColumnAndRow", WithPixels(SolidImage(6, 3, kM), {{{5, 2}, dark}}),
         QRegion(5, 2, 1, 1)},
        {"FirstColumn", WithPixels(SolidImage(6, 1, kM), {{{0, 0}, dark}}), QRegion(0, 0, 1, 1)},
        {"LastColumnMagenta", WithPixels(SolidImage(6, 1, Qt::blue), {{{5, 0}, kM}}),
         QRegion(0, 0, 5, 1)},
        {"NearMagentaIsInside",
         WithPixels(SolidImage(5, 3, kM), {{{1, 1}, qRgb(254, 0, 255)},
                                           {{2, 1}, qRgb(255, 1, 255)},
                                           {{3, 1}, qRgb(255, 0, 254)}}),
         QRegion(1, 1, 3, 1)},
        {"HoleInside", WithPixels(SolidImage(5, 3, Qt::blue), {{{2, 1}, kM}}),
         QRegion(0, 0, 5, 3).subtracted(QRegion(2, 1, 1, 1))},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        const Picture picture(row.Image);
        EXPECT_TRUE(SamePixels(row.Expected, BuildMaskRegion(picture, kMagenta)));
        EXPECT_TRUE(SamePixels(row.Expected, BuildMaskRegionByPixel(picture, kMagenta)));
    }
    EXPECT_TRUE(BuildMaskRegion(Picture(), kMagenta).isEmpty());
    // The system colour bit set: no pixel matches.
    EXPECT_TRUE(SamePixels(QRegion(0, 0, 4, 4),
                           BuildMaskRegion(Picture(SolidImage(4, 4, kM)), 0x80FF00FF)));
}

TEST(MaskRegion, SurfaceIsThePicturesSizeOnTheScreen) {
    EXPECT_EQ(QSize(kMaxPictureSide, 1),
              MaskSurfaceSize(Picture(SolidImage(kMaxPictureSide, 1, Qt::blue)), {}));
    // Larger pixels than the picture's own: a 1-pixel picture takes no column at all.
    Units coarse;
    coarse.TwipsPerPixelX = 1000;
    const Picture one(SolidImage(1, 4, Qt::blue));
    EXPECT_EQ(0, MaskSurfaceSize(one, coarse).width());
    EXPECT_TRUE(BuildMaskRegion(one, kMagenta, coarse).isEmpty());
    // Smaller pixels: the window is wider than the picture, and the rest counts inside.
    Units fine;
    fine.TwipsPerPixelX = 10;
    const Picture p(SolidImage(10, 2, kM));
    ASSERT_EQ(QSize(15, 2), MaskSurfaceSize(p, fine));
    EXPECT_TRUE(SamePixels(QRegion(10, 0, 5, 2), BuildMaskRegion(p, kMagenta, fine)));
    EXPECT_TRUE(SamePixels(QRegion(10, 0, 5, 2), BuildMaskRegionByPixel(p, kMagenta, fine)));
}

} // namespace
} // namespace orbo
