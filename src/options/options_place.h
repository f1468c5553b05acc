// Where the options window opens: beside the creature, inside the work area.
#pragma once

#include <QtCore/QPoint>
#include <QtCore/QRect>
#include <QtCore/QSize>

namespace orbo {

// Where the options window's frame (of size window) goes so that it leaves the creature in view:
// right of it, else left, else below, else above, centred along that side and moved into the
// work area; the first of these that does not overlap the creature. When none is free, the place
// in the work area that overlaps the creature least, towards the bottom right on a tie. A window
// larger than the work area keeps its top-left corner, and so its title bar, inside it.
QPoint OptionsWindowPlace(const QRect& creature, const QSize& window, const QRect& workArea);

} // namespace orbo
