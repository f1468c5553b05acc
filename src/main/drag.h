#pragma once

#include <optional>

namespace orbo {

// One axis of a drag: the window's new position for the proposed one (twips), or none when it
// stays. Inside the screen it follows; past an edge it is held at that edge; exactly at 0 or
// exactly flush with the far edge it does not move for this event.
std::optional<float> DragAxis(float proposed, float size, float screen);

} // namespace orbo
