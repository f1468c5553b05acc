#pragma once

// What the native-window code shares on X11; included only where ORBO_HAVE_X11 is defined.

#include <X11/Xlib.h>

#include <vector>

namespace orbo {

// Qt's own X11 connection, or null when Qt does not run on X11 (offscreen, Wayland, Windows).
Display* X11Display();

// A window property of 32-bit items (atoms, cardinals) of the given type; empty when it is
// missing or of another form.
std::vector<unsigned long> Property32(Display* display, ::Window window, Atom property, Atom type);

} // namespace orbo
