// The full-screen rule: when the active window keeps the creature hidden.
#pragma once

#include "runtime/monitors.h"

#include <QtCore/QRect>

#include <optional>

namespace orbo {

// The window the user works in, as the window system reports it.
struct ActiveWindow {
    // Its place in device-independent pixels.
    QRect Pixels;
    // Whether the window system has it full-screen.
    bool FullScreen = false;
    // One of this program's own windows.
    bool Own = false;
};

// Whether the creature (its rectangle in device-independent pixels) steps aside: the active window
// is another program's, full-screen, on the monitor the creature stands on. A window stands on the
// monitor its rectangle overlaps most (the first of a tie, the primary listed first), as the work
// area is chosen; a window on no monitor stands on none. No active window, as under a window
// manager that names none, never hides the creature.
bool HidesForFullScreen(const std::optional<ActiveWindow>& active, const QRect& creature,
                        const Monitors& monitors);

} // namespace orbo
