// Rounding half to even, Val and TrimSpaces.
#include "runtime/arith.h"

#include <QtCore/QString>

#include <gtest/gtest.h>

#include <limits>

namespace orbo {
namespace {

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
