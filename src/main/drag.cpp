#include "drag.h"

namespace orbo {

std::optional<float> DragAxis(float proposed, float size, float screen) {
    const float farEdge = proposed + size;
    if (proposed > 0 && farEdge < screen)
        return proposed;
    if (proposed < 0)
        return 0.0f;
    if (farEdge > screen)
        return screen - size;
    return std::nullopt;
}

} // namespace orbo
