// The frame the window system puts around a top-level window.
#pragma once

#include <QtCore/QMargins>
#include <QtCore/QPoint>

class QWidget;

namespace orbo {

// The frame (title bar and borders) the window system puts around a top-level window, as far as
// it can tell: while the window is shown, its frame; while hidden, the frame Windows will give
// it, or the one an X11 window manager says it will give it when asked (as the EWMH has it).
// None where no one can tell.
QMargins FrameMargins(QWidget& window);

// Moves a hidden top-level window so that the top-left corner of a frame of these margins around
// it lands at p.
void MoveFrame(QWidget& window, QPoint p, const QMargins& frame);

} // namespace orbo
