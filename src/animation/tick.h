#pragma once

#include "platform/desktop.h"
#include "platform/surface.h"
#include "skin/skin_def.h"

namespace orbo {

// One firing of the animation timer: clears the drawing and draws every eye from 1 to the
// upper bound by its kind, reading the cursor (or the buttons) once per eye. Without blink
// (the Blink setting) "blink" eyes are not drawn. Nothing fails out of it: a step that cannot be
// done is skipped.
void RunTick(const SkinDef& skin, bool blink, Desktop& desktop, float windowLeft, float windowTop,
             Surface& surface);

} // namespace orbo
