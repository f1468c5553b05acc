// What a compositor's cursor report is taken for: anyone in the session can send one.
#include "platform/desktop/compositor_cursor.h"

#include <gtest/gtest.h>

#include <limits>

#if defined(ORBO_HAVE_KWIN)

namespace orbo {
namespace {

QVariantList Args(std::initializer_list<QVariant> values) {
    return QVariantList(values);
}

struct ParseRow {
    const char* name;
    QVariantList arguments;
    bool taken;
};

TEST(CompositorReport, TakesOnlySixPlausibleNumbers) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const ParseRow rows[] = {
        {"integers, as Plasma 5 sends", Args({100, 150, 0, 0, 1200, 900}), true},
        {"doubles, as Plasma 6 sends", Args({100.5, 150.25, 0.0, 0.0, 1200.0, 900.0}), true},
        {"64-bit integers", Args({qlonglong(5), qlonglong(6), 0, 0, 10, 10}), true},
        {"the far edge of the output", Args({1200, 900, 0, 0, 1200, 900}), true},
        {"a second output", Args({1300, 20, 1200, 0, 1200, 900}), true},
        {"five numbers", Args({100, 150, 0, 0, 1200}), false},
        {"seven numbers", Args({100, 150, 0, 0, 1200, 900, 1}), false},
        {"a string", Args({QStringLiteral("100"), 150, 0, 0, 1200, 900}), false},
        {"not a number", Args({nan, 150.0, 0, 0, 1200, 900}), false},
        {"at the magnitude limit", Args({1e6, 150.0, 1e6 - 1200, 0, 1200, 900}), true},
        {"just past the magnitude limit", Args({1e6 + 0.5, 150.0, 1e6 - 1199.5, 0, 1200, 900}),
         false},
        {"a negative place just past the limit", Args({-1e6 - 1, 0, -1e6 - 1, 0, 1200, 900}),
         false},
        {"an empty output", Args({0, 0, 0, 0, 0, 900}), false},
        {"left of its output", Args({1199, 20, 1200, 0, 1200, 900}), false},
        {"below its output", Args({100, 901, 0, 0, 1200, 900}), false},
        {"a pixel right of its output", Args({1201, 20, 0, 0, 1200, 900}), false},
        {"a pixel above its output", Args({100, -1, 0, 0, 1200, 900}), false},
    };
    for (const ParseRow& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(ParseCompositorReport(row.arguments).has_value(), row.taken);
    }
    const auto report = ParseCompositorReport(Args({1300.5, 150, 1200, 0, 1200, 900}));
    ASSERT_TRUE(report);
    EXPECT_EQ(report->Cursor, QPointF(1300.5, 150));
    EXPECT_EQ(report->Output, QRectF(1200, 0, 1200, 900));
}

struct PointerRow {
    const char* name;
    QVariantList arguments;
    std::optional<int> buttons; // nothing: refused
};

// GNOME Shell's extension sends a report and the buttons held; the report is taken as KWin's is.
TEST(CompositorPointer, TakesAReportAndTheButtonsHeld) {
    const PointerRow rows[] = {
        {"no button", Args({100, 150, 0, 0, 1200, 900, 0}), 0},
        {"all three", Args({100, 150, 0, 0, 1200, 900, 7}), 7},
        {"the buttons as an unsigned integer", Args({100, 150, 0, 0, 1200, 900, 2u}), 2},
        {"the buttons as a whole double", Args({100, 150, 0, 0, 1200, 900, 4.0}), 4},
        {"a button beyond the three", Args({100, 150, 0, 0, 1200, 900, 8}), std::nullopt},
        {"negative buttons", Args({100, 150, 0, 0, 1200, 900, -1}), std::nullopt},
        {"half a button", Args({100, 150, 0, 0, 1200, 900, 1.5}), std::nullopt},
        {"buttons as a boolean", Args({100, 150, 0, 0, 1200, 900, true}), std::nullopt},
        {"no buttons at all, as KWin sends", Args({100, 150, 0, 0, 1200, 900}), std::nullopt},
        {"a bad report", Args({100, 901, 0, 0, 1200, 900, 1}), std::nullopt},
    };
    for (const PointerRow& row : rows) {
        SCOPED_TRACE(row.name);
        const auto pointer = ParseCompositorPointer(row.arguments);
        ASSERT_EQ(pointer.has_value(), row.buttons.has_value());
        if (!pointer)
            continue;
        EXPECT_EQ(pointer->Buttons, *row.buttons);
        EXPECT_EQ(pointer->Report, (CompositorReport{{100, 150}, {0, 0, 1200, 900}}));
    }
}

struct MapRow {
    const char* name;
    Monitors monitors;
    QPointF cursor;
    QRectF output;
    std::optional<QPoint> pixels;
};

TEST(CompositorReport, PlacedOnTheMonitorTheOutputShowsAs) {
    const Monitors one{{QRect(0, 0, 1200, 900), 1}};
    const Monitors two{{QRect(0, 0, 1200, 900), 1}, {QRect(1200, 0, 1200, 900), 1}};
    // XWayland scaling X11 windows itself: Qt keeps a monitor's origin in device pixels and
    // divides its size by the ratio; or the compositor scales them (a logical XWayland screen).
    const Monitors twoScaled{{QRect(0, 0, 1200, 900), 2}, {QRect(2400, 0, 1200, 900), 2}};
    const Monitors half{{QRect(0, 0, 600, 450), 1}};
    const Monitors halfScaled{{QRect(0, 0, 600, 450), 2}};
    const QRectF small(0, 0, 600, 450);
    const MapRow rows[] = {
        {"a fraction of a pixel", one, {100.75, 150.5}, {0, 0, 1200, 900}, QPoint(100, 150)},
        {"the far edge", one, {1200, 900}, {0, 0, 1200, 900}, QPoint(1199, 899)},
        {"scale 2, X11 scaled by the compositor", half, {300, 200}, small, QPoint(300, 200)},
        {"scale 2, X11 scaled by itself", halfScaled, {300, 200}, small, QPoint(300, 200)},
        {"the second of two outputs", two, {1300, 50}, {1200, 0, 1200, 900}, QPoint(1300, 50)},
        {"the second of two scaled", twoScaled, {1300, 50}, {1200, 0, 1200, 900}, QPoint(2500, 50)},
        {"an output no monitor shows as", one, {100, 150}, {0, 0, 1920, 1080}, std::nullopt},
        {"an output where no monitor is", one, {1300, 50}, {1200, 0, 1200, 900}, std::nullopt},
        {"an output stretched on one axis", one, {100, 100}, {0, 0, 1200, 450}, std::nullopt},
        {"no monitors", {}, {100, 150}, {0, 0, 1200, 900}, std::nullopt},
    };
    for (const MapRow& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(PixelsFromCompositor({row.cursor, row.output}, row.monitors), row.pixels);
    }
}

} // namespace
} // namespace orbo

#endif
