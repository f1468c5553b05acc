// A Wayland compositor's cursor report and how it becomes a position on the desktop.
#pragma once

#include "runtime/monitors.h"

#include <QtCore/QPointF>
#include <QtCore/QRectF>
#include <QtCore/QVariantList>

#include <optional>

namespace orbo {

// What a Wayland compositor reports of the pointer: where it is and the output that holds it,
// both in the compositor's logical coordinates.
struct CompositorReport {
    QPointF Cursor;
    QRectF Output;
    bool operator==(const CompositorReport&) const = default;
};

// The report in a call's arguments: six numbers (cursor x, y; output x, y, width, height), each
// an integer or a double. Anyone in the session may call, so anything else is refused: another
// count or type, numbers that are not finite or implausibly large, an empty output, a cursor
// outside its output.
std::optional<CompositorReport> ParseCompositorReport(const QVariantList& arguments);

// What GNOME Shell's extension reports: the six numbers of a report, then the mouse buttons held as
// the sum of their codes (left 1, right 2, middle 4), an integer from 0 to 7.
struct CompositorPointer {
    CompositorReport Report;
    int Buttons = 0;
    bool operator==(const CompositorPointer&) const = default;
};
std::optional<CompositorPointer> ParseCompositorPointer(const QVariantList& arguments);

// The cursor in device-independent pixels of the program's own screens. The compositor's output
// is found among the monitors as the one it shows as (XWayland places each output at its logical
// place, multiplied by one scale when it scales X11 windows itself); nothing when no monitor
// matches, as the report then cannot be placed.
std::optional<QPoint> PixelsFromCompositor(const CompositorReport& report,
                                           const Monitors& monitors);

} // namespace orbo
