// Reading a window's frame, shown or still to come, from Qt or the X11 window manager.
#include "window_frame.h"

#include <QtGui/QGuiApplication>
#include <QtGui/QWindow>
#include <QtWidgets/QWidget>

#if defined(ORBO_HAVE_X11)
#include "platform/window/x11_window.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <algorithm>
#include <chrono>
#include <optional>
#include <thread>
#include <vector>
#endif

namespace orbo {

namespace {

#if defined(ORBO_HAVE_X11)
// A window manager frames a window only when it maps it, but one that follows the EWMH tells
// beforehand, when asked, how large the frame will be. Nothing when none answers in a moment;
// the window is made native only for a window manager that can answer.
std::optional<QMargins> FrameToCome(Display* display, QWidget& widget) {
    const ::Window root = DefaultRootWindow(display);
    const Atom request = XInternAtom(display, "_NET_REQUEST_FRAME_EXTENTS", False);
    const auto supported =
        Property32(display, root, XInternAtom(display, "_NET_SUPPORTED", False), XA_ATOM);
    if (std::find(supported.begin(), supported.end(), request) == supported.end())
        return std::nullopt;
    const auto window = static_cast<::Window>(widget.winId());
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = request;
    event.xclient.format = 32;
    XSendEvent(display, root, False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
    XFlush(display);
    // Qt reads the events of this connection itself: the answer, a property, is polled for.
    const Atom extents = XInternAtom(display, "_NET_FRAME_EXTENTS", False);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(200);
    do {
        const auto e = Property32(display, window, extents, XA_CARDINAL);
        if (e.size() == 4) // left, right, top, bottom
            return QMargins(int(e[0]), int(e[2]), int(e[1]), int(e[3]));
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    } while (std::chrono::steady_clock::now() < deadline);
    return std::nullopt;
}
#endif

} // namespace

QMargins FrameMargins(QWidget& window) {
    if (window.isVisible()) {
        window.winId();
        return window.windowHandle()->frameMargins();
    }
    const QString platform = QGuiApplication::platformName();
    // On Windows (and on Qt's offscreen platform) a native window knows its frame as soon as it
    // exists.
    if (platform == QLatin1String("windows") || platform == QLatin1String("offscreen")) {
        window.winId();
        return window.windowHandle()->frameMargins();
    }
#if defined(ORBO_HAVE_X11)
    if (Display* display = X11Display())
        return FrameToCome(display, window).value_or(QMargins());
#endif
    return {};
}

void MoveFrame(QWidget& window, QPoint p, const QMargins& frame) {
    // Qt takes a position given to a window it has not made yet for the frame's, whatever the
    // frame turns out to be; a made one is placed by its inside.
    if (window.windowHandle())
        window.setGeometry(QRect(p + QPoint(frame.left(), frame.top()), window.size()));
    else
        window.move(p);
}

} // namespace orbo
