// Pictures: see-through pixels by role, and what the loader refuses.
#include "runtime/picture.h"

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

TEST(Picture, SideLimitIsInclusive) {
    for (const auto& [size, accepted] :
         {std::pair{QSize(kMaxPictureSide, 1), true}, std::pair{QSize(1, kMaxPictureSide), true},
          std::pair{QSize(kMaxPictureSide + 1, 1), false},
          std::pair{QSize(1, kMaxPictureSide + 1), false}}) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::blue);
        EXPECT_EQ(accepted, DecodePicture(Encode(image, "BMP"), PictureRole::Pic).has_value())
            << size.width() << "x" << size.height();
    }
}

TEST(Picture, HugeOrUndecodableIsRefused) {
    // A BMP header saying 100000 x 100000 with almost no data behind it.
    QByteArray bmp = Encode(QImage(1, 1, QImage::Format_RGB32), "BMP");
    ASSERT_GE(bmp.size(), 26);
    const qint32 huge = 100000;
    std::memcpy(bmp.data() + 18, &huge, 4);
    std::memcpy(bmp.data() + 22, &huge, 4);
    EXPECT_FALSE(DecodePicture(bmp, PictureRole::Background).has_value());
    EXPECT_FALSE(DecodePicture("BM nonsense", PictureRole::Pic).has_value());
    EXPECT_FALSE(DecodePicture({}, PictureRole::Pic).has_value());
}

} // namespace
} // namespace orbo
