// What the native-window code shares on X11; included only where ORBO_HAVE_X11 is defined.
#pragma once

#include <X11/Xlib.h>

#include <initializer_list>
#include <vector>

namespace orbo {

// Qt's own X11 connection, or null when Qt does not run on X11 (offscreen, Wayland, Windows).
Display* X11Display();

// A window property of 32-bit items (atoms, cardinals) of the given type; empty when it is
// missing or of another form.
std::vector<unsigned long> Property32(Display* display, ::Window window, Atom property, Atom type);

// Adds states to, or removes them from, the _NET_WM_STATE of a window that is not mapped yet,
// which the window manager reads as it maps it; the other states there (Qt's own) stay.
void ChangeUnmappedStates(Display* display, ::Window window,
                          std::initializer_list<const char*> states, bool add);
// Asks the window manager, as the EWMH says, to add a state to a mapped window or remove it.
void RequestState(Display* display, ::Window window, const char* state, bool add);

} // namespace orbo
