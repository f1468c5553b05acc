// Native window calls: the window's shape, its place and its stacking.
#pragma once

#include <QtGui/QRegion>

class QWidget;

namespace orbo {

// SetWindowShape: clips a top-level window to region (pixels, window coordinates). An empty
// region leaves nothing of the window showing, which QWidget::setMask cannot express.
void SetWindowShape(QWidget& window, const QRegion& region);

// SetWindowPlace with flags 0: gives the window this position and size (pixels) and puts it
// above all other windows (topMost) or releases it to the normal stacking order.
void SetWindowPlace(QWidget& window, bool topMost, int x, int y, int width, int height);

// The stacking half of SetWindowPlace: above all other windows or back among them, keeping the
// window's place and size.
void SetWindowOrder(QWidget& window, bool topMost);

// Keeps a top-level window out of the taskbar, the pager and the window switcher, as a desktop
// toy is, and never gives it the keyboard focus. Call it before the window is first shown.
void MakeDesktopToy(QWidget& window);

// The window takes no mouse input (clicks reach what lies below) or takes it again, without being
// made anew: the window handle's flag, which Qt turns into an empty input shape on X11 and the
// transparent extended style on Windows.
void LetClicksThrough(QWidget& window, bool through);

// The window stays above its owner (a window of its own, not a child): Windows stacks owned
// windows over their owner, X11 window managers keep a transient over its parent.
void KeepAboveOwner(QWidget& window, QWidget& owner);

} // namespace orbo
