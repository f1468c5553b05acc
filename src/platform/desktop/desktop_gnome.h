// The GNOME Shell Wayland desktop: the cursor from Orbo's GNOME Shell extension.
#pragma once

#include "platform/desktop/desktop.h"

#include <memory>

namespace orbo {

#if defined(ORBO_HAVE_COMPOSITOR_LINKS)
// The GNOME Shell extension that Orbo ships (src/gnome-shell): GNOME Shell runs no code a program
// hands it at run time.
inline constexpr const char* kGnomeShellExtension = "orbo-pointer@orbo.example";

// In a GNOME Shell Wayland session, XWayland knows the pointer only while it is over an X11
// window. The extension, while enabled, holds a bus name of its own and reports the pointer and
// the buttons held to the program that holds the cursor's name (one program at a time), at most
// once an animation interval and only when they change; only reports from the shell's own
// connection are taken, and only while the extension's name is held by it. Everything
// else, and the pointer and buttons whenever the extension is not there (never enabled, disabled,
// the shell gone), come from the fallback; an extension enabled again is listened to again.
// The fallback itself when no GNOME Shell is on the session bus.
std::unique_ptr<Desktop> FollowGnomeShell(std::unique_ptr<Desktop> fallback);
#endif

} // namespace orbo
