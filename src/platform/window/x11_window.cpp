// Qt's X11 connection and window properties for the native-window code.
// Qt's headers before Xlib's, whose macros (Bool, Status, CursorShape) break them.
#include <QtGui/QGuiApplication>
#include <QtGui/qguiapplication_platform.h>

#include "x11_window.h"

#include <X11/Xatom.h>

#include <algorithm>

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

void ChangeUnmappedStates(Display* display, ::Window window,
                          std::initializer_list<const char*> states, bool add) {
    const Atom property = XInternAtom(display, "_NET_WM_STATE", False);
    std::vector<Atom> now = Property32(display, window, property, XA_ATOM);
    for (const char* name : states) {
        const Atom state = XInternAtom(display, name, False);
        const auto found = std::find(now.begin(), now.end(), state);
        if (add && found == now.end())
            now.push_back(state);
        else if (!add && found != now.end())
            now.erase(found);
    }
    XChangeProperty(display, window, property, XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(now.data()), int(now.size()));
    XFlush(display);
}

void RequestState(Display* display, ::Window window, const char* state, bool add) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "_NET_WM_STATE", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = add ? 1 : 0; // _NET_WM_STATE_ADD / _REMOVE
    event.xclient.data.l[1] = static_cast<long>(XInternAtom(display, state, False));
    event.xclient.data.l[3] = 1; // from a normal application
    XSendEvent(display, DefaultRootWindow(display), False,
               SubstructureRedirectMask | SubstructureNotifyMask, &event);
    XFlush(display);
}

} // namespace orbo
