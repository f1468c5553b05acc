// Qt's X11 connection and window properties for the native-window code.
// Qt's headers before Xlib's, whose macros (Bool, Status, CursorShape) break them.
#include <QtGui/QGuiApplication>
#include <QtGui/qguiapplication_platform.h>

#include "x11_window.h"

namespace orbo {

Display* X11Display() {
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->display() : nullptr;
}

std::vector<unsigned long> Property32(Display* display, ::Window window, Atom property, Atom type) {
    std::vector<unsigned long> items;
    Atom actualType = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, window, property, 0, 1024, False, type, &actualType, &format,
                           &count, &after, &data) == Success &&
        data != nullptr) {
        // Xlib hands 32-bit items over as longs.
        if (format == 32) {
            const auto* values = reinterpret_cast<const unsigned long*>(data);
            items.assign(values, values + count);
        }
        XFree(data);
    }
    return items;
}

} // namespace orbo
