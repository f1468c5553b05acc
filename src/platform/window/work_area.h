// The work area of the monitor a window stands on.
#pragma once

#include <QtCore/QList>
#include <QtCore/QRect>

namespace orbo {

// The work area (the monitor less its panels and taskbars) of the monitor a window stands on:
// the one its rectangle overlaps most, the primary when it overlaps none. In device-independent
// pixels, as Qt places windows.
QRect WorkAreaFor(const QRect& window);

// The primary monitor's work area, in device-independent pixels.
QRect PrimaryWorkArea();

// Of the monitors' rectangles, the index of the one rect overlaps most (the first on a tie); -1
// when it overlaps none.
qsizetype MostOverlapped(const QList<QRect>& monitors, const QRect& rect);

} // namespace orbo
