#include "platform/units.h"

#include <gtest/gtest.h>

namespace orbo {
namespace {

struct ScaleRow {
    double Value;
    ScaleUnit From;
    ScaleUnit To;
    float Expected;
};

class Scale : public testing::TestWithParam<ScaleRow> {};

TEST_P(Scale, ConvertsAtFifteenTwipsPerPixel) {
    const ScaleRow& row = GetParam();
    const Units units{15, 15};
    EXPECT_FLOAT_EQ(units.ScaleX(row.Value, row.From, row.To), row.Expected);
    EXPECT_FLOAT_EQ(units.ScaleY(row.Value, row.From, row.To), row.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Scale,
    testing::Values(ScaleRow{10, ScaleUnit::Pixels, ScaleUnit::Twips, 150},
                    ScaleRow{150, ScaleUnit::Twips, ScaleUnit::Pixels, 10},
                    ScaleRow{22.5, ScaleUnit::Twips, ScaleUnit::Pixels, 1.5f},
                    ScaleRow{2540, ScaleUnit::Himetric, ScaleUnit::Twips, 1440},
                    ScaleRow{1440, ScaleUnit::Twips, ScaleUnit::Himetric, 2540},
                    ScaleRow{2540, ScaleUnit::Himetric, ScaleUnit::Pixels, 96},
                    ScaleRow{96, ScaleUnit::Pixels, ScaleUnit::Himetric, 2540},
                    ScaleRow{7, ScaleUnit::Twips, ScaleUnit::Twips, 7},
                    ScaleRow{-4, ScaleUnit::Pixels, ScaleUnit::Twips, -60}));

TEST(Units, AxesUseTheirOwnTwipsPerPixel) {
    const Units units{12, 20};
    EXPECT_FLOAT_EQ(units.ScaleX(10, ScaleUnit::Pixels, ScaleUnit::Twips), 120);
    EXPECT_FLOAT_EQ(units.ScaleY(10, ScaleUnit::Pixels, ScaleUnit::Twips), 200);
    EXPECT_EQ(units.PixelsX(240), 20);
    EXPECT_EQ(units.PixelsY(240), 12);
}

TEST(Units, OneTwipPerPixelIsTheIdentity) {
    const Units units{1, 1};
    EXPECT_FLOAT_EQ(units.ScaleX(123, ScaleUnit::Pixels, ScaleUnit::Twips), 123);
    EXPECT_FLOAT_EQ(units.ScaleY(123, ScaleUnit::Twips, ScaleUnit::Pixels), 123);
}

TEST(Units, PixelPositionsRoundHalfToEvenAndFailOutOfRange) {
    const Units units{15, 15};
    EXPECT_EQ(units.PixelsX(22.5), 2); // 1.5
    EXPECT_EQ(units.PixelsX(37.5), 2); // 2.5
    EXPECT_EQ(units.PixelsY(52.5), 4); // 3.5
    EXPECT_EQ(units.PixelsX(-37.5), -2);
    EXPECT_FALSE(units.PixelsX(1e12).has_value());
    EXPECT_FALSE(units.PixelsY(-1e12).has_value());
}

TEST(Units, SixteenBitPositionsEndWhereWindowPositionsGoOn) {
    const Units units{15, 15};
    EXPECT_EQ(units.Pixels16X(491505.0f), 32767);
    EXPECT_FALSE(units.Pixels16X(491520.0f).has_value());
    EXPECT_EQ(units.PixelsX(491520.0), 32768);
    EXPECT_EQ(units.Pixels16Y(-491520.0f), -32768);
    EXPECT_EQ(units.Pixels16Y(37.5f), 2); // 2.5
}

TEST(Units, SeventyFivePixelPictureRoundTrips) {
    // 75 x 2540 / 96 = 1984.4, reported as 1984; back in twips it is 1124.8, which the window
    // takes as 75 pixels again.
    const Units units{15, 15};
    EXPECT_EQ(PixelsToHimetric(75), 1984);
    const float twips = units.ScaleX(1984, ScaleUnit::Himetric, ScaleUnit::Twips);
    EXPECT_NEAR(twips, 1124.79f, 0.01f);
    EXPECT_EQ(units.PixelsX(twips), 75);
}

TEST(Units, EveryAcceptedPictureSideRoundTrips) {
    const Units units{15, 15};
    for (int pixels = 0; pixels <= 8192; ++pixels) {
        const float twips =
            units.ScaleX(PixelsToHimetric(pixels), ScaleUnit::Himetric, ScaleUnit::Twips);
        ASSERT_EQ(units.PixelsX(twips), pixels);
        ASSERT_EQ(units.PixelsY(units.ScaleY(PixelsToHimetric(pixels), ScaleUnit::Himetric,
                                             ScaleUnit::Twips)),
                  pixels);
    }
}

TEST(Units, HimetricIsWholeUnitsHalfToEven) {
    EXPECT_EQ(PixelsToHimetric(0), 0);
    EXPECT_EQ(PixelsToHimetric(1), 26);   // 26.46
    EXPECT_EQ(PixelsToHimetric(17), 450); // 449.79
    EXPECT_EQ(PixelsToHimetric(96), 2540);
    EXPECT_EQ(PixelsToHimetric(48), 1270);
}

} // namespace
} // namespace orbo
