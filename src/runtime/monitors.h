// Monitors: device and device-independent pixels, spans along an axis, bringing a window back.
#pragma once

#include "runtime/units.h"

#include <QtCore/QPoint>
#include <QtCore/QRect>
#include <QtGui/QRegion>

#include <optional>
#include <vector>

namespace orbo {

// A scaled display draws each device-independent pixel over `ratio` device pixels. Edge i of a
// picture lies at device pixel round(i x ratio), halves up, as the window system sizes windows:
// a picture pixel covers the device pixels from its edge to the next, so a picture and its
// outline scale alike, without gaps or overlaps, at any ratio.
int DeviceEdge(int pixels, qreal ratio);
QRect DeviceRect(const QRect& pixels, qreal ratio);
// Every rectangle of the region through DeviceRect: the union of the scaled rectangles.
QRegion DeviceRegion(const QRegion& pixels, qreal ratio);
// The picture at device size, each device pixel from the picture pixel whose edges enclose it;
// its device pixel ratio is set, so that Qt draws it 1:1 on a window of that ratio.
QImage DeviceImage(const QImage& image, qreal ratio);
// The same for one rectangle of an RGB32 picture, into its device picture.
void ScaleInto(QImage& device, const QImage& image, const QRect& rect, qreal ratio);

// One monitor: its place in device-independent pixels (Qt's coordinates: the origin as the
// window system has it, the size divided by the ratio) and its scale.
struct Monitor {
    QRect Pixels;
    qreal Ratio = 1;
    // Where the window system has it, in device pixels.
    QRect Device() const;
    bool operator==(const Monitor&) const = default;
};
// The monitors of the desktop, the primary first; never empty for a live desktop.
using Monitors = std::vector<Monitor>;

// Device pixels of the window system to device-independent pixels and back, by the monitor that
// holds the point (the nearest one when none does).
QPoint PixelsFromDevice(const Monitors& monitors, QPoint device);
QPoint DeviceFromPixels(const Monitors& monitors, QPoint pixels);
// A window's rectangle: its corner as above, its size at the scale of the monitor that holds it.
QRect DeviceFromPixels(const Monitors& monitors, const QRect& pixels);
QRect PixelsFromDevice(const Monitors& monitors, const QRect& device);

// Where a surface the compositor places by monitor (Wayland's layer shell) goes for a window at
// `window` (pixels): the monitor that holds the window's centre, or the nearest one, and the
// window's top-left corner measured from that monitor's. Monitor is an index into `monitors`.
struct MonitorAnchor {
    size_t Monitor = 0;
    QPoint Offset;
    bool operator==(const MonitorAnchor&) const = default;
};
MonitorAnchor AnchorOnMonitor(const Monitors& monitors, const QRect& window);

// How far a window can go along one axis (twips, High exclusive): the run of monitors, each
// touching the next on the window system's screen, that lie across the window's band on the other
// axis, the run the window overlaps most (the nearest one when it overlaps none). With one monitor
// that is the monitor's edge to edge; with monitors side by side, their whole row.
struct Span {
    float Low = 0;
    float High = 0;
};
Span HorizontalSpan(const Monitors& monitors, const TwipsRect& window, const Units& units);
Span VerticalSpan(const Monitors& monitors, const TwipsRect& window, const Units& units);

// Whether any part of the window lies on a monitor.
bool ShowsOnAMonitor(const Monitors& monitors, const TwipsRect& window, const Units& units);
// For a window that shows on no monitor, its new top-left corner (twips) on the nearest monitor:
// whole where it fits, and where it is larger than the monitor, its right or bottom edge on the
// monitor's, as a skin larger than the screen is placed. Nothing for a window that shows.
std::optional<QPointF> BringBack(const Monitors& monitors, const TwipsRect& window,
                                 const Units& units);

} // namespace orbo
