// Monitors: scaled edges, points converted by their monitor, spans of touching monitors; the
// full-screen rule (which monitor a window stands on, also across two, is MostOverlapped's).
#include "platform/window/full_screen_rule.h"
#include "runtime/monitors.h"

#include <QtGui/QImage>

#include <gtest/gtest.h>

namespace orbo {
namespace {

constexpr QRgb kMagenta = 0xFFFF00FF;

QRegion NonMagenta(const QImage& image) {
    QRegion region;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != kMagenta)
                region += QRect(x, y, 1, 1);
    return region;
}

// A picture with single magenta pixels, stripes and a hole: every edge case of an outline.
QImage Speckled(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, (x * 7 + y * 3) % 5 == 0 || x == 4 ? kMagenta : qRgb(x, y, 9));
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
