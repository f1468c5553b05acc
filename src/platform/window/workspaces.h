// Showing a window on every workspace or on the current one.
#pragma once

class QWidget;

namespace orbo {

// Shows a top-level window on every workspace (virtual desktop), or on one only. The choice
// holds from then on, across hiding and showing. X11: _NET_WM_DESKTOP 0xFFFFFFFF and the sticky
// state; turned off, the window stays on the workspace shown now. Windows shows a tool window
// (MakeDesktopToy) on every virtual desktop already, and keeps only windows with a taskbar button
// to one, so there the call changes nothing.
void SetOnAllWorkspaces(QWidget& window, bool all);

} // namespace orbo
