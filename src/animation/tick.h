#pragma once

#include "platform/desktop.h"
#include "platform/surface.h"
#include "skin/mdl_general.h"

namespace orbo {

// One firing of the animation timer: clears the drawing and draws every eye from 1 to the
// upper bound by its kind, reading the cursor (or the buttons) once per eye. Nothing fails out
// of it: a step that cannot be done is skipped.
void RunTick(const mdlGeneral& general, Desktop& desktop, float windowLeft, float windowTop,
             Surface& surface);

} // namespace orbo
