// Dragging the creature: where a window goes along one axis for a proposed position.
#pragma once

#include "runtime/monitors.h"

#include <optional>

namespace orbo {

// One axis of a drag: the window's new position for the proposed one (twips), or none when it
// stays. Inside the span of monitors it follows; past an edge it is held at that edge; exactly at
// the near edge or exactly flush with the far edge it does not move for this event.
std::optional<float> DragAxis(float proposed, float size, Span span);

} // namespace orbo
