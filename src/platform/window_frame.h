#pragma once

#include <QtCore/QPoint>
#include <QtCore/QSize>

class QWidget;

namespace orbo {

// A hidden top-level window's size with its frame (title bar and borders), as far as the window
// system can tell before showing it: the frame it had when last shown; for a window never shown,
// the frame Windows will give it. An X11 window manager adds its frame only when the window
// maps, so there a window never shown counts as frameless.
QSize FrameSize(QWidget& window);

// Moves a hidden top-level window so that its frame's top-left corner lands at p.
void MoveFrame(QWidget& window, QPoint p);

} // namespace orbo
