// Units and arithmetic: scaling between twips, pixels and HIMETRIC, rounding to pixel positions
// and halves to even, Val and TrimSpaces.
#include "runtime/arith.h"
#include "runtime/units.h"

#include <QtCore/QString>

#include <gtest/gtest.h>

#include <limits>

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

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

constexpr long long kFails = std::numeric_limits<long long>::min();

// Halves go to the even neighbour; a value whose rounding does not fit the type fails.
TEST(RoundTo, HalvesToEvenOrFails) {
    enum Type { Int16, Int32, Uint8 };
    struct Row {
        Type type;
        double value;
        long long expected;
    };
    const Row rows[] = {{Int32, 2.5, 2},
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
        SCOPED_TRACE(testing::Message() << "type " << row.type << " value " << row.value);
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
        EXPECT_DOUBLE_EQ(expected, Val(QString::fromUtf16(text)));
    }
}

TEST(TrimSpaces, RemovesOnlyLeadingAndTrailingSpaces) {
    const std::pair<const char16_t*, const char16_t*> rows[] = {
        {u"  a b  ", u"a b"}, {u"\ta\t", u"\ta\t"}, {u"   ", u""}, {u" \u00a0y ", u"\u00a0y"}};
    for (const auto& [in, out] : rows)
        EXPECT_EQ(QStringView(out), TrimSpaces(QStringView(in)))
            << QString::fromUtf16(in).toStdString();
}

} // namespace
} // namespace orbo
