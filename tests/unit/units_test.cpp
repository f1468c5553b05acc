// Units: scaling between twips, pixels and HIMETRIC, and rounding to pixel positions.
#include "runtime/units.h"

#include <gtest/gtest.h>

namespace orbo {
namespace {

TEST(Units, ScaleBetweenPixelsTwipsAndHimetric) {
    struct Row {
        double value;
        ScaleUnit from, to;
        float expected;
    };
    const Row rows[] = {{10, ScaleUnit::Pixels, ScaleUnit::Twips, 150},
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

} // namespace
} // namespace orbo
