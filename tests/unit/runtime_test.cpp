// The run-time's pieces: units and arithmetic, text from a file's bytes (line ends, encodings),
// the interval schedule's deadlines on a test's own clock, pictures (see-through pixels by role,
// what the loader refuses, the window's shape from a background), and the drawing surface
// (masked drawing, Cls, changed pixels, clipping, rounding); monitors: scaled edges, points
// converted by their monitor, spans of touching monitors; the full-screen rule (which monitor a
// window stands on, also across two, is MostOverlapped's).
#include "platform/window/full_screen_rule.h"
#include "runtime/arith.h"
#include "runtime/interval_timer.h"
#include "runtime/monitors.h"
#include "runtime/picture.h"
#include "runtime/surface.h"
#include "runtime/text.h"
#include "runtime/units.h"
#include "skin/mask_region.h"
#include "skin_pictures.h"

#include <QtCore/QBuffer>
#include <QtCore/QString>
#include <QtGui/QImage>
#include <QtGui/QPainter>

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <vector>

namespace orbo {
namespace {

TEST(Units, ScaleBetweenPixelsTwipsAndHimetric) {
    const struct Row {
        double value;
        ScaleUnit from, to;
        float expected;
    } rows[] = {{10, ScaleUnit::Pixels, ScaleUnit::Twips, 150},
                {22.5, ScaleUnit::Twips, ScaleUnit::Pixels, 1.5f},
                {2540, ScaleUnit::Himetric, ScaleUnit::Twips, 1440},
                {1440, ScaleUnit::Twips, ScaleUnit::Himetric, 2540},
                {2540, ScaleUnit::Himetric, ScaleUnit::Pixels, 96},
                {-4, ScaleUnit::Pixels, ScaleUnit::Twips, -60}};
    const Units units{15, 20}; // the Y axis has its own twips per pixel
    for (const Row& row : rows) {
        SCOPED_TRACE(row.value);
        EXPECT_FLOAT_EQ(row.expected, units.ScaleX(row.value, row.from, row.to));
    }
    EXPECT_FLOAT_EQ(200, units.ScaleY(10, ScaleUnit::Pixels, ScaleUnit::Twips));
    EXPECT_EQ(12, units.PixelsY(240));
}

TEST(Units, PixelPositionsFailOutOfRange) {
    const Units units{15, 15};
    EXPECT_FALSE(units.PixelsX(1e12).has_value());
    // 16-bit positions end where window positions go on.
    EXPECT_EQ(32767, units.Pixels16X(491505.0f));
    EXPECT_FALSE(units.Pixels16X(491520.0f).has_value());
    EXPECT_EQ(32768, units.PixelsX(491520.0));
    EXPECT_EQ(-32768, units.Pixels16Y(-491520.0f));
}

TEST(Units, HimetricIsWholeUnitsHalfToEven) {
    const std::pair<int, int> rows[] = {{0, 0}, {1, 26}, {17, 450}, {48, 1270}, {96, 2540}};
    for (const auto& [pixels, himetric] : rows)
        EXPECT_EQ(himetric, PixelsToHimetric(pixels)) << pixels;
}

TEST(Units, EveryAcceptedPictureSideRoundTrips) {
    const Units units{15, 15};
    for (int pixels = 0; pixels <= 8192; ++pixels) {
        const float twips =
            units.ScaleX(PixelsToHimetric(pixels), ScaleUnit::Himetric, ScaleUnit::Twips);
        ASSERT_EQ(pixels, units.PixelsX(twips));
    }
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

constexpr long long kFails = std::numeric_limits<long long>::min();

// Halves go to the even neighbour; a value whose rounding does not fit the type fails.
TEST(RoundTo, HalvesToEvenOrFails) {
    enum Type { Int16, Int32, Uint8 };
    const struct Row {
        Type type;
        double value;
        long long expected;
    } rows[] = {{Int32, 2.5, 2},
                {Int32, 3.5, 4},
                {Int32, -2.5, -2},
                {Int32, kNaN, kFails},
                {Int32, kInf, kFails},
                {Int16, 32767.4, 32767},
                {Int16, 32767.5, kFails},
                {Int16, -32768.5, -32768},
                {Int16, -32768.6, kFails},
                {Int32, 2147483647.0, 2147483647},
                {Int32, 2147483647.5, kFails},
                {Int32, -2147483648.5, -2147483648LL},
                {Int32, -2147483649.0, kFails},
                {Uint8, 255.4, 255},
                {Uint8, 255.5, kFails},
                {Uint8, -0.5, 0},
                {Uint8, -0.6, kFails}};
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << "type " << row.type << " value " << row.value);
        const std::optional<long long> seen =
            row.type == Int16   ? std::optional<long long>(RoundToInt16(row.value))
            : row.type == Int32 ? std::optional<long long>(RoundToInt32(row.value))
                                : std::optional<long long>(RoundToUint8(row.value));
        EXPECT_EQ(row.expected, seen.value_or(kFails));
    }
}

TEST(Val, ReadsTheLeadingNumber) {
    const std::pair<const char16_t*, double> rows[] = {
        {u"10px", 10},   {u"abc", 0},  {u" 1 2 ", 12},  {u"  -  4 5", -45}, {u"2.5", 2.5},
        {u"1e3", 1000},  {u"&H10", 0}, {u"0x10", 0},    {u"+5", 5},         {u"", 0},
        {u"1.2.3", 1.2}, {u"3e", 3},   {u"2e-2", 0.02}, {u"1 e 2", 100},    {u"-.5", -0.5},
        {u"\t7\n", 7},   {u"1,5", 1},  {u"--3", 0},     {u"1e999", kInf},   {u"1e-999", 0}};
    for (const auto& [text, expected] : rows) {
        SCOPED_TRACE(QString::fromUtf16(text).toStdString());
        EXPECT_DOUBLE_EQ(expected, LeadingNumber(QString::fromUtf16(text)));
    }
}

TEST(TrimSpaces, RemovesOnlyLeadingAndTrailingSpaces) {
    const std::pair<const char16_t*, const char16_t*> rows[] = {
        {u"  a b  ", u"a b"}, {u"\ta\t", u"\ta\t"}, {u"   ", u""}, {u" \u00a0y ", u"\u00a0y"}};
    for (const auto& [in, out] : rows)
        EXPECT_EQ(QStringView(out), TrimSpaces(QStringView(in)))
            << QString::fromUtf16(in).toStdString();
}

TEST(SplitLines, EndsLinesAtCrLfLoneCrAndLoneLf) {
    const std::pair<QByteArray, QStringList> rows[] = {
        {"", {}},
        {"a\r\n\rb\n\nc", {"a", "", "b", "", "c"}},
        {"a\n\rb", {"a", "", "b"}},
        {"a\n \r\n", {"a", " "}},
        {"\ta\t", {"\ta\t"}},
    };
    for (const auto& [bytes, lines] : rows)
        EXPECT_EQ(lines, SplitLines(bytes)) << bytes.toStdString();
}

TEST(DecodeText, Utf8WhenValidElseWindows1252) {
    const std::pair<QByteArray, const char*> rows[] = {
        {"caf\xc3\xa9", "caf\xc3\xa9"},
        {"\xef\xbb\xbf!", "!"},
        {"\x80", "\xe2\x82\xac"},                       // the first Windows-1252 code
        {"\x81\x8d", "\xc2\x81\xc2\x8d"},               // unused codes map to themselves
        {"\x9f", "\xc5\xb8"},                           // the last one
        {"\xa0\xe9", "\xc2\xa0\xc3\xa9"},               // Latin-1 from here on
        {"\xc3\xa9 \xe9", "\xc3\x83\xc2\xa9 \xc3\xa9"}, // one bad byte: all Windows-1252
        {"a\xc3", "a\xc3\x83"},                         // a cut sequence
    };
    for (const auto& [bytes, text] : rows)
        EXPECT_EQ(QString::fromUtf8(text), DecodeText(bytes)) << bytes.toHex().toStdString();
}

using std::chrono::milliseconds;
using Clock = IntervalSchedule::Clock;

// Points of the test's own steady clock, in milliseconds from its epoch.
Clock::time_point At(int ms) {
    return Clock::time_point(milliseconds(ms));
}
long long Ms(Clock::time_point t) {
    return std::chrono::duration_cast<milliseconds>(t.time_since_epoch()).count();
}

// A 100 ms schedule started at 0 gets a new interval: the next firing is due one new interval
// after the last firing's deadline, at once when that moment has passed.
TEST(IntervalSchedule, ANewIntervalCountsFromTheLastDeadline) {
    const struct Row {
        const char* name;
        std::vector<int> firedAt; // each firing came at this time, aimed at the deadline then due
        int changeAt;
        int interval;
        bool changed;
        int deadline;
        int wait; // from the change
    } rows[] = {
        {"shorter before the first firing", {}, 30, 50, true, 50, 20},
        {"longer before the first firing", {}, 30, 200, true, 200, 170},
        {"shorter after a late firing", {103}, 130, 50, true, 150, 20},
        {"longer after two firings", {100, 201}, 230, 250, true, 450, 220},
        {"its moment just passed", {100}, 151, 50, true, 150, 0},
        {"its moment is now", {100}, 150, 50, true, 150, 0},
        {"the same interval", {100}, 180, 100, false, 200, 20},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        IntervalSchedule schedule(milliseconds(100));
        schedule.Start(At(0));
        for (const int t : row.firedAt)
            schedule.Fired(At(t));
        EXPECT_EQ(row.changed, schedule.SetInterval(milliseconds(row.interval)));
        EXPECT_EQ(row.interval, schedule.Interval().count());
        EXPECT_EQ(row.deadline, Ms(schedule.Deadline()));
        EXPECT_EQ(row.wait, schedule.Wait(At(row.changeAt)).count());
    }
}

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

constexpr QRgb kMagentaPixel = 0xFFFF00FF;

QRegion NonMagenta(const QImage& image) {
    QRegion region;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != kMagentaPixel)
                region += QRect(x, y, 1, 1);
    return region;
}

// A picture with single magenta pixels, stripes and a hole: every edge case of an outline.
QImage Speckled(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y,
                           (x * 7 + y * 3) % 5 == 0 || x == 4 ? kMagentaPixel : qRgb(x, y, 9));
    return image;
}

// At any scale the picture's non-magenta pixels are exactly the scaled outline, at the size the
// window system makes its window; a part scaled on its own lands where the whole one's did.
TEST(DeviceScaling, PictureAndOutlineMeetAtEveryScale) {
    const QImage picture = Speckled(23, 17);
    for (const double ratio : {1.0, 1.25, 1.5, 1.75, 2.0, 3.0, 0.75}) {
        SCOPED_TRACE(ratio);
        const QImage device = DeviceImage(picture, ratio);
        EXPECT_EQ(QSize(qRound(23 * ratio), qRound(17 * ratio)), device.size());
        EXPECT_TRUE(NonMagenta(device).xored(DeviceRegion(NonMagenta(picture), ratio)).isEmpty());
        QImage partly = device.copy();
        partly.fill(Qt::black);
        const QRect part(5, 3, 9, 7);
        ScaleInto(partly, picture, part, ratio);
        const QRect scaled = DeviceRect(part, ratio);
        EXPECT_EQ(device.copy(scaled), partly.copy(scaled));
        EXPECT_EQ(NonMagenta(partly.copy(scaled)).boundingRect().size(),
                  NonMagenta(device.copy(scaled)).boundingRect().size());
    }
}

// Device pixels to device-independent ones by the monitor under the point, and back: the left
// monitor at 200 % (640 x 512 pixels at 0,0), the right one unscaled, one left of the primary at
// 150 % (negative coordinates, as on Windows).
TEST(Monitors, PointsConvertByTheMonitorUnderThem) {
    const Monitors monitors{
        {{0, 0, 640, 512}, 2}, {{1280, 0, 1280, 1024}, 1}, {{-1920, 0, 1280, 720}, 1.5}};
    const struct {
        const char* Name;
        QPoint Device;
        QPoint Pixels;
    } rows[] = {{"scaled monitor", {300, 301}, {150, 151}},
                {"its last device pixel", {1279, 1023}, {640, 512}},
                {"unscaled monitor", {2300, 900}, {2300, 900}},
                {"left of the primary", {-1920 + 300, 150}, {-1920 + 200, 100}},
                {"below every monitor: the nearest", {300, 1500}, {150, 750}}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(row.Pixels, PixelsFromDevice(monitors, row.Device));
    }
    for (const QPoint p : {QPoint(150, 151), QPoint(2300, 900), QPoint(-1720, 100)})
        EXPECT_EQ(p, PixelsFromDevice(monitors, DeviceFromPixels(monitors, p)));
    EXPECT_EQ(QRect(300, 302, 150, 200), DeviceFromPixels(monitors, QRect(150, 151, 75, 100)));
    // A window that fills the monitor left of the primary fills its device-independent rectangle.
    EXPECT_EQ(monitors[2].Pixels, PixelsFromDevice(monitors, QRect(-1920, 0, 1920, 1080)));
}

// A layer surface goes on the monitor under the window's centre, placed from that monitor's
// corner: a window astride two monitors belongs to the one that holds more of it.
TEST(Monitors, WindowsAnchorOnTheMonitorUnderTheirCentre) {
    const Monitors monitors{
        {{0, 0, 1024, 768}, 1}, {{1024, 0, 800, 600}, 1}, {{-640, 100, 640, 480}, 2}};
    const struct {
        const char* Name;
        QRect Window;
        MonitorAnchor Anchor;
    } rows[] = {{"on the primary", {200, 150, 75, 100}, {0, {200, 150}}},
                {"on the right one", {1100, 40, 75, 100}, {1, {76, 40}}},
                {"astride, mostly right", {1000, 10, 75, 100}, {1, {-24, 10}}},
                {"left of the primary", {-600, 120, 75, 100}, {2, {40, 20}}},
                {"below every monitor: the nearest", {1300, 900, 75, 100}, {1, {276, 900}}}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(row.Anchor, AnchorOnMonitor(monitors, row.Window));
    }
}

// Monitors that touch on the window system's screen make one span, even where scaling leaves a
// gap between their device-independent rectangles; a real gap parts them.
TEST(Monitors, SpansRunAcrossTouchingMonitors) {
    const Units units;
    const TwipsRect window{1400 * 15, 100 * 15, 75 * 15, 100 * 15};
    const struct {
        const char* Name;
        Monitors Desktop;
        Span Expected;
    } rows[] = {
        {"side by side", {{{0, 0, 1280, 1024}, 1}, {{1280, 0, 1280, 1024}, 1}}, {0, 2560 * 15}},
        {"left one at 200 %", {{{0, 0, 640, 512}, 2}, {{1280, 0, 1280, 1024}, 1}}, {0, 2560 * 15}},
        {"apart", {{{0, 0, 1280, 1024}, 1}, {{1300, 0, 1280, 1024}, 1}}, {1300 * 15, 2580 * 15}},
        {"the other one lower down",
         {{{0, 0, 1280, 1024}, 1}, {{1280, 900, 800, 600}, 1}},
         {0, 1280 * 15}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        const Span span = HorizontalSpan(row.Desktop, window, units);
        EXPECT_EQ(row.Expected.Low, span.Low);
        EXPECT_EQ(row.Expected.High, span.High);
    }
}

// The primary monitor, and a larger one right of it at 150 %: 1280 x 720 device-independent
// pixels for its 1920 x 1080 device ones.
const Monitors kMonitors{{{0, 0, 1024, 768}, 1}, {{1024, 0, 1280, 720}, 1.5}};
const QRect kPrimary = kMonitors[0].Pixels;
const QRect kSecond = kMonitors[1].Pixels;

TEST(FullScreenRule, HidesOnlyForAnotherProgramsFullScreenWindowOnTheCreaturesMonitor) {
    const QRect onPrimary(300, 200, 75, 100), onSecond(1500, 300, 75, 100);
    const struct {
        const char* Name;
        std::optional<ActiveWindow> Active;
        QRect Creature;
        bool Hides;
    } rows[] = {
        {"no active window", std::nullopt, onPrimary, false},
        {"full-screen on the same monitor", ActiveWindow{kPrimary, true}, onPrimary, true},
        {"full-screen on the other monitor", ActiveWindow{kSecond, true}, onPrimary, false},
        {"the creature on the second monitor", ActiveWindow{kSecond, true}, onSecond, true},
        {"as large but not full-screen", ActiveWindow{kPrimary, false}, onPrimary, false},
        {"Orbo's own window", ActiveWindow{kPrimary, true, true}, onPrimary, false},
        // A full-screen window reaching onto the next monitor (a window manager's rounding) is
        // on the one it covers.
        {"full-screen reaching over", ActiveWindow{kSecond.adjusted(-2, 0, 0, 0), true}, onSecond,
         true},
        {"the creature on no monitor", ActiveWindow{kPrimary, true}, {3000, 2000, 75, 100}, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(row.Hides, HidesForFullScreen(row.Active, row.Creature, kMonitors));
    }
}

} // namespace
} // namespace orbo
