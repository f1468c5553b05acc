// One firing of the animation timer, and the timer's interval for a speed.
#pragma once

#include "platform/desktop/desktop.h"
#include "runtime/surface.h"
#include "skin/skin_def.h"

namespace orbo {

// One firing of the animation timer: clears the drawing and draws every eye from 1 to the
// upper bound by its kind, reading the cursor (or the buttons) once per eye. Without blink
// (the Blink setting) "blink" eyes are not drawn. Nothing fails out of it: a step that cannot be
// done is skipped. The surface holds the picture at its own pixels, which the window shows size
// times as large: where an eye stands on the screen scales, what it measures against the screen
// does not.
void RunTick(const SkinDef& skin, bool blink, Desktop& desktop, float windowLeft, float windowTop,
             Surface& surface, float size = 1);

// The animation timer's interval for a Speed: (100 - Speed) / 100 x 500 + 1, rounded, which is
// 501 - 5 x Speed milliseconds.
int TimerInterval(int speed);

} // namespace orbo
