#include "platform/picture.h"

#include "skin_test_support.h"

#include <QtCore/QBuffer>
#include <QtCore/QTemporaryDir>

#include <gtest/gtest.h>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace orbo {
namespace {

QByteArray Encode(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

struct AlphaRow {
    const char* Name;
    PictureRole Role;
    int Alpha;
    QRgb Expected;
};

class SeeThrough : public ::testing::TestWithParam<AlphaRow> {};

TEST_P(SeeThrough, AlphaBelowHalfTakesTheRolesColour) {
    const AlphaRow& row = GetParam();
    QImage image(2, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(10, 20, 30, row.Alpha));
    image.setPixel(1, 0, qRgba(10, 20, 30, 255));
    const auto picture = DecodePicture(Encode(image, "PNG"), row.Role);
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->Image().pixel(0, 0), row.Expected);
    EXPECT_EQ(picture->Image().pixel(1, 0), qRgb(10, 20, 30));
    EXPECT_FALSE(picture->Image().hasAlphaChannel());
}

const AlphaRow kAlphaRows[] = {
    {"BackgroundClear", PictureRole::Background, 0, qRgb(255, 0, 255)},
    {"BackgroundJustBelowHalf", PictureRole::Background, 127, qRgb(255, 0, 255)},
    {"BackgroundHalf", PictureRole::Background, 128, qRgb(10, 20, 30)},
    {"PicClear", PictureRole::Pic, 0, qRgb(0, 0, 0)},
    {"PicJustBelowHalf", PictureRole::Pic, 127, qRgb(0, 0, 0)},
    {"MaskClear", PictureRole::Mask, 0, qRgb(255, 255, 255)},
    {"MaskOpaque", PictureRole::Mask, 255, qRgb(10, 20, 30)},
};

INSTANTIATE_TEST_SUITE_P(Roles, SeeThrough, ::testing::ValuesIn(kAlphaRows),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(Picture, SizeIsReportedInWholeHimetric) {
    const Picture p(QImage(75, 100, QImage::Format_RGB32));
    EXPECT_EQ(p.WidthHimetric(), 1984);  // 75 x 2540 / 96 = 1984.375
    EXPECT_EQ(p.HeightHimetric(), 2646); // 2645.83...
    EXPECT_EQ(Picture().WidthHimetric(), 0);
}

TEST(Picture, SideLimitIsInclusive) {
    for (const auto& [size, accepted] :
         {std::pair{QSize(kMaxPictureSide, 1), true}, std::pair{QSize(1, kMaxPictureSide), true},
          std::pair{QSize(kMaxPictureSide + 1, 1), false},
          std::pair{QSize(1, kMaxPictureSide + 1), false}}) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::blue);
        EXPECT_EQ(DecodePicture(Encode(image, "BMP"), PictureRole::Pic).has_value(), accepted)
            << size.width() << "x" << size.height();
    }
}

TEST(Picture, HeaderClaimingHugeSizeIsRefusedUnread) {
    // A BMP header saying 100000 x 100000 with almost no data behind it.
    QByteArray bmp = Encode(QImage(1, 1, QImage::Format_RGB32), "BMP");
    ASSERT_GE(bmp.size(), 26);
    const qint32 huge = 100000;
    memcpy(bmp.data() + 18, &huge, 4);
    memcpy(bmp.data() + 22, &huge, 4);
    EXPECT_FALSE(DecodePicture(bmp, PictureRole::Background).has_value());
}

TEST(Picture, UndecodableBytesAreRefused) {
    EXPECT_FALSE(DecodePicture("BM nonsense", PictureRole::Pic).has_value());
    EXPECT_FALSE(DecodePicture({}, PictureRole::Pic).has_value());
}

TEST(LoadPicture, RefusesWhatIsNotARegularFile) {
    QTemporaryDir dir;
    EXPECT_FALSE(LoadPicture(dir.path(), PictureRole::Pic).has_value());
    EXPECT_FALSE(LoadPicture(dir.path() + "/missing.bmp", PictureRole::Pic).has_value());
#ifdef Q_OS_UNIX
    const QString fifo = dir.path() + "/fifo.bmp";
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_FALSE(LoadPicture(fifo, PictureRole::Pic).has_value()); // returns, no writer needed
#endif
    ASSERT_TRUE(QImage(3, 2, QImage::Format_RGB32).save(dir.path() + "/ok.bmp", "BMP"));
    const auto ok = LoadPicture(dir.path() + "/ok.bmp", PictureRole::Pic);
    ASSERT_TRUE(ok.has_value());
    EXPECT_EQ(ok->Image().size(), QSize(3, 2));
}

} // namespace
} // namespace orbo
