// Which window system the creature lives on: X11 (XWayland under a Wayland compositor), or on a
// compositor that offers layer shell, Wayland itself.
#pragma once

#include <QtCore/QByteArray>
#include <QtCore/QString>

namespace orbo {

// The Qt platform to ask for when the user chose none: "wayland" where this build can make the
// creature a layer surface and the session's compositor offers layer shell and is not KWin (which
// follows the pointer for Orbo's X11 window through its script); "xcb" everywhere else.
QByteArray PreferredPlatform();

// Whether the program runs on Qt's Wayland platform.
bool OnWayland();

// The name of the layer-shell compositor that runs the session, known by the variables each one
// sets ("sway", "Hyprland", "niri", "labwc", "Wayfire", "river", "COSMIC"); empty for any other.
QString LayerShellCompositorName();

} // namespace orbo
