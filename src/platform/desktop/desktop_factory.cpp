// Which desktop this session has: the one the program runs on is chosen once, at start.
#include "platform/desktop/desktop.h"
#include "platform/desktop/desktop_gnome.h"
#include "platform/desktop/desktop_kwin.h"
#include "platform/desktop/desktop_qt.h"
#include "platform/desktop/desktop_windows.h"
#include "platform/desktop/desktop_x11.h"
#if defined(ORBO_HAVE_LAYER_SHELL)
#include "platform/desktop/desktop_hyprland.h"
#include "platform/desktop/desktop_wayland.h"
#include "platform/desktop/window_system.h"
#if defined(ORBO_HAVE_PORTAL_SHORTCUT)
#include "platform/desktop/portal_shortcut.h"
#endif
#endif

#include <QtGui/QGuiApplication>

namespace orbo {

std::unique_ptr<Desktop> MakeDesktop() {
#if defined(Q_OS_WIN)
    return MakeWindowsDesktop();
#else
#if defined(ORBO_HAVE_LAYER_SHELL)
    // Hyprland tells where the pointer is; the others only while it is over the creature. No key
    // reaches a Wayland client without the keyboard: the desktop's portal may hold one for it.
    if (OnWayland()) {
        auto desktop = FollowHyprland(std::make_unique<SurfacePointerDesktop>());
#if defined(ORBO_HAVE_PORTAL_SHORTCUT)
        desktop = ListenThroughPortal(std::move(desktop));
#endif
        return desktop;
    }
#endif
#if defined(ORBO_HAVE_X11)
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        if (auto x11 = MakeX11Desktop()) {
#if defined(ORBO_HAVE_COMPOSITOR_LINKS)
            // Under Wayland, XWayland sees the pointer only over X11 windows; KWin, and GNOME
            // Shell through Orbo's extension, see it all.
            if (InWaylandSession()) {
                auto desktop = FollowKWin(std::move(x11));
                if (!desktop->FollowsPointerEverywhere())
                    desktop = FollowGnomeShell(std::move(desktop));
                return desktop;
            }
#endif
            return x11;
        }
    }
#endif
    return std::make_unique<QtDesktop>();
#endif
}

} // namespace orbo
