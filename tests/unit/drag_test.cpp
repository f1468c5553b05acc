#include "main/drag.h"

#include <gtest/gtest.h>

namespace orbo {
namespace {

struct DragRow {
    float proposed;
    float size;
    float screen;
    std::optional<float> expected;
};

class DragAxisTest : public ::testing::TestWithParam<DragRow> {};

TEST_P(DragAxisTest, FollowsInsideAndHoldsAtTheEdges) {
    const DragRow& r = GetParam();
    EXPECT_EQ(DragAxis(r.proposed, r.size, r.screen), r.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, DragAxisTest,
    ::testing::Values(DragRow{300, 1125, 15360, 300.0f},          // inside: follows
                      DragRow{-15, 1125, 15360, 0.0f},            // past the left edge: held at 0
                      DragRow{14400, 1125, 15360, 14235.0f},      // past the right edge: flush
                      DragRow{0, 1125, 15360, std::nullopt},      // exactly 0: unchanged
                      DragRow{14235, 1125, 15360, std::nullopt},  // exactly flush: unchanged
                      DragRow{-30, 20000, 15360, 0.0f},           // wider than the screen, p < 0
                      DragRow{30, 20000, 15360, -4640.0f},        // wider than the screen, p > 0
                      DragRow{0, 20000, 15360, 0.0f - 4640.0f})); // p = 0 but far edge past

} // namespace
} // namespace orbo
