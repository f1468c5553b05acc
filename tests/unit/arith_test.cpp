#include "platform/arith.h"

#include <QtCore/QString>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace orbo {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct RoundRow {
    double Value;
    std::optional<int> Expected; // no value: the conversion fails
};

class ToInt16 : public testing::TestWithParam<RoundRow> {};
class ToInt32 : public testing::TestWithParam<RoundRow> {};
class ToUint8 : public testing::TestWithParam<RoundRow> {};

TEST_P(ToInt16, RoundsHalfToEvenOrFails) {
    const auto r = RoundToInt16(GetParam().Value);
    ASSERT_EQ(r.has_value(), GetParam().Expected.has_value()) << GetParam().Value;
    if (r) {
        EXPECT_EQ(*r, *GetParam().Expected) << GetParam().Value;
    }
}

TEST_P(ToInt32, RoundsHalfToEvenOrFails) {
    const auto r = RoundToInt32(GetParam().Value);
    ASSERT_EQ(r.has_value(), GetParam().Expected.has_value()) << GetParam().Value;
    if (r) {
        EXPECT_EQ(*r, *GetParam().Expected) << GetParam().Value;
    }
}

TEST_P(ToUint8, RoundsHalfToEvenOrFails) {
    const auto r = RoundToUint8(GetParam().Value);
    ASSERT_EQ(r.has_value(), GetParam().Expected.has_value()) << GetParam().Value;
    if (r) {
        EXPECT_EQ(*r, *GetParam().Expected) << GetParam().Value;
    }
}

const auto kHalves = testing::Values(
    RoundRow{2.5, 2}, RoundRow{3.5, 4}, RoundRow{-2.5, -2}, RoundRow{-3.5, -4}, RoundRow{0.5, 0},
    RoundRow{1.5, 2}, RoundRow{-0.5, 0}, RoundRow{2.4999, 2}, RoundRow{2.5001, 3},
    RoundRow{-1.7, -2}, RoundRow{0.0, 0}, RoundRow{kNaN, std::nullopt},
    RoundRow{kInf, std::nullopt}, RoundRow{-kInf, std::nullopt});

INSTANTIATE_TEST_SUITE_P(Halves, ToInt16, kHalves);
INSTANTIATE_TEST_SUITE_P(Halves, ToInt32, kHalves);

INSTANTIATE_TEST_SUITE_P(Range, ToInt16,
                         testing::Values(RoundRow{32767.4, 32767},
                                         RoundRow{32767.5, std::nullopt}, // 32768
                                         RoundRow{-32768.5, -32768},      // even, fits
                                         RoundRow{-32768.6, std::nullopt},
                                         RoundRow{1e6, std::nullopt}));

INSTANTIATE_TEST_SUITE_P(Range, ToInt32,
                         testing::Values(RoundRow{2147483646.5, 2147483646},
                                         RoundRow{2147483647.5, std::nullopt},
                                         RoundRow{-2147483648.5, -2147483648LL},
                                         RoundRow{-2147483649.0, std::nullopt},
                                         RoundRow{1e12, std::nullopt}));

INSTANTIATE_TEST_SUITE_P(Range, ToUint8,
                         testing::Values(RoundRow{2.5, 2}, RoundRow{3.5, 4}, RoundRow{254.5, 254},
                                         RoundRow{255.4, 255}, RoundRow{255.5, std::nullopt},
                                         RoundRow{-0.5, 0}, RoundRow{-0.6, std::nullopt},
                                         RoundRow{-2.5, std::nullopt}, RoundRow{256, std::nullopt},
                                         RoundRow{kNaN, std::nullopt}));

struct ValRow {
    const char16_t* Text;
    double Expected;
};

class ValText : public testing::TestWithParam<ValRow> {};

TEST_P(ValText, ReadsTheLeadingNumber) {
    const QString text = QString::fromUtf16(GetParam().Text);
    EXPECT_DOUBLE_EQ(Val(text), GetParam().Expected) << text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ValText,
    testing::Values(ValRow{u"10px", 10}, ValRow{u"abc", 0}, ValRow{u" 1 2 ", 12}, ValRow{u"-3", -3},
                    ValRow{u"2.5", 2.5}, ValRow{u"1e3", 1000},
                    ValRow{u"&H10", 0}, // no hexadecimal prefix here
                    ValRow{u".", 0}, ValRow{u"+5", 5}, ValRow{u"", 0}, ValRow{u"   ", 0},
                    ValRow{u"  -  4 5", -45}, ValRow{u"1.2.3", 1.2}, ValRow{u"3e", 3},
                    ValRow{u"2e-2", 0.02}, ValRow{u"1 e 2", 100}, ValRow{u"1E+2x", 100},
                    ValRow{u".5", 0.5}, ValRow{u"5.", 5}, ValRow{u"-.5", -0.5}, ValRow{u"\t7\n", 7},
                    ValRow{u"1,5", 1}, ValRow{u"0x10", 0}, ValRow{u"12abc34", 12},
                    ValRow{u"--3", 0}, ValRow{u"+-3", 0}, ValRow{u"007", 7}, ValRow{u"1e999", kInf},
                    ValRow{u"1e-999", 0}));

} // namespace
} // namespace orbo

namespace orbo {
namespace {

TEST(TrimSpaces, RemovesOnlyLeadingAndTrailingSpaces) {
    const std::pair<const char16_t*, const char16_t*> rows[] = {
        {u"  a b  ", u"a b"}, {u"\ta\t", u"\ta\t"}, {u"", u""},
        {u"   ", u""},        {u"x", u"x"},         {u" \u00a0y ", u"\u00a0y"}};
    for (const auto& [in, out] : rows)
        EXPECT_EQ(TrimSpaces(QStringView(in)), QStringView(out))
            << QString::fromUtf16(in).toStdString();
}

} // namespace
} // namespace orbo
