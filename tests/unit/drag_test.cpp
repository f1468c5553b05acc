// Dragging along one axis: following inside the span, held at its edges.
#include "creature/drag.h"

#include <gtest/gtest.h>

namespace orbo {
namespace {

// A window 1125 twips wide on a screen of 15360, also on a span starting left of 0: it follows
// inside, stops flush at either edge, and stays put when it already lies flush.
TEST(DragAxis, FollowsInsideAndHoldsAtTheEdges) {
    struct Row {
        const char* name;
        float proposed, size;
        std::optional<float> expected;
    };
    const Row rows[] = {{"inside", 300, 1125, 300.0f},
                        {"one twip inside the left edge", 1, 1125, 1.0f},
                        {"exactly at the left edge", 0, 1125, std::nullopt},
                        {"one twip past the left edge", -1, 1125, 0.0f},
                        {"one twip inside the right edge", 14234, 1125, 14234.0f},
                        {"exactly at the right edge", 14235, 1125, std::nullopt},
                        {"one twip past the right edge", 14236, 1125, 14235.0f},
                        {"far past the right edge", 20000, 1125, 14235.0f},
                        {"wider than the screen, past the left", -30, 20000, 0.0f},
                        {"wider than the screen, at the left", 0, 20000, -4640.0f},
                        {"wider than the screen, inside", 30, 20000, -4640.0f}};
    for (const float low : {0.0f, -19200.0f}) {
        for (const Row& row : rows) {
            SCOPED_TRACE(row.name);
            SCOPED_TRACE(low);
            const auto shifted = row.expected ? std::optional(*row.expected + low) : std::nullopt;
            EXPECT_EQ(shifted, DragAxis(row.proposed + low, row.size, Span{low, 15360 + low}));
        }
    }
}

} // namespace
} // namespace orbo
