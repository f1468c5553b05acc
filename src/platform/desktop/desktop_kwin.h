// The KDE Plasma Wayland desktop: the cursor from a KWin script of Orbo's own.
#pragma once

#include "platform/desktop/desktop.h"

#include <memory>

namespace orbo {

#if defined(ORBO_HAVE_COMPOSITOR_LINKS)
// In a KDE Plasma Wayland session, XWayland knows the pointer only while it is over an X11
// window. This desktop asks KWin instead: it loads a KWin script of its own through KWin's
// scripting interface on the session bus, which reports every cursor move (at most one report an
// animation interval) to a D-Bus object of this program, called by its unique name on the bus.
// The script file lies in a folder made for it that only this user can write. Everything else, and
// the cursor whenever KWin does not report (gone, restarted, the script unloaded), comes from the
// fallback; a KWin that comes back gets the script again. The script is unloaded when the desktop
// ends. Of several programs on one bus, the first to start follows KWin, the others XWayland until
// it ends. The fallback itself when no KWin is on the session bus.
std::unique_ptr<Desktop> FollowKWin(std::unique_ptr<Desktop> fallback);
#endif

} // namespace orbo
