// Dragging the creature: following the pointer within the monitors' span.
#include "drag.h"

namespace orbo {

std::optional<float> DragAxis(float proposed, float size, Span span) {
    const float farEdge = proposed + size;
    if (proposed > span.Low && farEdge < span.High)
        return proposed;
    if (proposed < span.Low)
        return span.Low;
    if (farEdge > span.High)
        return span.High - size;
    return std::nullopt;
}

} // namespace orbo
