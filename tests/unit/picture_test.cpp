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

} // namespace
} // namespace orbo
