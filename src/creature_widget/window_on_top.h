// SetWindowOnTop: the creature window above all others, or back in the normal stacking order.
#pragma once

class QWidget;

namespace orbo {

class CreatureWindow;

// Puts the window above all others (onTop) or releases it, giving it its current position and
// size again, converted to 16-bit pixel values.
void SetWindowOnTop(QWidget& form, const CreatureWindow& geometry, bool onTop);

} // namespace orbo
