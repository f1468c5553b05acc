// Which window system the creature lives on, and which compositor runs the session.
#include "window_system.h"

#include "platform/desktop/desktop.h"

#include <QtCore/QtGlobal>
#include <QtGui/QGuiApplication>

#include <string_view>

#if defined(ORBO_HAVE_LAYER_SHELL)
#include <wayland-client.h>
#endif

namespace orbo {

namespace {

#if defined(ORBO_HAVE_LAYER_SHELL)
struct Globals {
    bool LayerShell = false;
    bool KWin = false;
};

void Announced(void* data, wl_registry*, uint32_t, const char* interface, uint32_t) {
    auto& globals = *static_cast<Globals*>(data);
    const std::string_view name(interface);
    if (name == "zwlr_layer_shell_v1")
        globals.LayerShell = true;
    // KWin's own (other compositors offer some of KDE's protocols too, such as its decorations).
    else if (name.starts_with("kde_output_device") || name == "org_kde_plasma_shell")
        globals.KWin = true;
}

void Removed(void*, wl_registry*, uint32_t) {}

// What the session's compositor offers, asked on a connection of its own before Qt starts.
Globals CompositorGlobals() {
    Globals globals;
    wl_display* display = wl_display_connect(nullptr);
    if (display == nullptr)
        return globals;
    static const wl_registry_listener listener{Announced, Removed};
    if (wl_registry* registry = wl_display_get_registry(display)) {
        wl_registry_add_listener(registry, &listener, &globals);
        if (wl_display_roundtrip(display) < 0)
            globals = {};
        wl_registry_destroy(registry);
    }
    wl_display_disconnect(display);
    return globals;
}
#endif

} // namespace

QByteArray PreferredPlatform() {
#if defined(ORBO_HAVE_LAYER_SHELL)
    if (InWaylandSession()) {
        const Globals globals = CompositorGlobals();
        if (globals.LayerShell && !globals.KWin)
            return "wayland";
    }
#endif
    return "xcb";
}

bool OnWayland() {
    return QGuiApplication::platformName() == QLatin1String("wayland");
}

QString LayerShellCompositorName() {
    if (!InWaylandSession())
        return {};
    // Each compositor's own variable first: a session's XDG_CURRENT_DESKTOP is whatever its
    // starter wrote.
    const struct {
        const char* Variable;
        const char* Name;
    } own[] = {{"SWAYSOCK", "sway"},
               {"HYPRLAND_INSTANCE_SIGNATURE", "Hyprland"},
               {"NIRI_SOCKET", "niri"},
               {"LABWC_PID", "labwc"},
               {"WAYFIRE_SOCKET", "Wayfire"}};
    for (const auto& compositor : own)
        if (!qEnvironmentVariableIsEmpty(compositor.Variable))
            return QString::fromLatin1(compositor.Name);
    const QString desktops = qEnvironmentVariable("XDG_CURRENT_DESKTOP");
    for (const char* name : {"sway", "Hyprland", "niri", "labwc", "Wayfire", "river", "COSMIC"})
        if (desktops.split(u':').contains(QLatin1String(name), Qt::CaseInsensitive))
            return QString::fromLatin1(name);
    return {};
}

} // namespace orbo
