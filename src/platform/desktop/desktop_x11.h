// The X11 desktop: the cursor and buttons from XQueryPointer and XInput2.
#pragma once

#include "platform/desktop/desktop.h"

#include <memory>

namespace orbo {

#if defined(ORBO_HAVE_X11)
// The X11 desktop: XQueryPointer for the cursor and the buttons, anywhere on the screen. The
// pointer is asked for again only when XInput2 reports raw motion or a button (each of which it
// announces), after Refresh, or when 400 ms have passed (a warped pointer sends no raw event).
// Null when no display can be opened.
std::unique_ptr<Desktop> MakeX11Desktop();
// The key as a GTK accelerator, its key by its X key symbol's name ("<Control><Alt>o"); empty for
// a key X has no symbol for.
QString GtkAccelerator(QKeyCombination key);
#endif

} // namespace orbo
