// Qt's own view of the desktop, and the monitors and primary screen every real desktop shares.
#pragma once

#include "platform/desktop/desktop.h"

namespace orbo {

// Qt's own view of the desktop: the primary screen's size in device-independent pixels, the
// cursor as Qt knows it and the buttons Qt last saw. Good enough where no global pointer query
// exists (offscreen, other platforms).
class QtDesktop : public Desktop {
public:
    QPoint PointerPosition() override;
    bool ButtonDown(MouseButton button) override;
    QSize ScreenSizePixels() const override;
    Monitors GetMonitors() const override;
};

// The monitors as Qt has them, the primary first: every real desktop's. Qt keeps a monitor's
// origin in device pixels and divides its size by the monitor's device pixel ratio.
Monitors CurrentMonitors();
// The primary screen's size in device-independent pixels (what the window system's "pixels"
// are for the program), shared by every real desktop.
QSize PrimaryScreenSize();

} // namespace orbo
