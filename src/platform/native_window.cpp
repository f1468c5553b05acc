#include "native_window.h"

#include <QtGui/QGuiApplication>
#include <QtWidgets/QWidget>

#if defined(ORBO_HAVE_X11)
#include <QtGui/qguiapplication_platform.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/shape.h>
#endif
#if defined(Q_OS_WIN)
#include <windows.h>
#endif

namespace orbo {

namespace {

#if defined(ORBO_HAVE_X11)
Display* X11Display() {
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->display() : nullptr;
}

// Asks the window manager, as the EWMH says, to add or remove the "above" state.
void SetAboveState(Display* display, ::Window window, bool above) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "_NET_WM_STATE", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = above ? 1 : 0; // _NET_WM_STATE_ADD / _REMOVE
    event.xclient.data.l[1] = static_cast<long>(XInternAtom(display, "_NET_WM_STATE_ABOVE", False));
    event.xclient.data.l[3] = 1; // from a normal application
    XSendEvent(display, DefaultRootWindow(display), False,
               SubstructureRedirectMask | SubstructureNotifyMask, &event);
    if (above)
        XRaiseWindow(display, window);
    XFlush(display);
}
#endif

#if defined(Q_OS_WIN)
// Native calls only where Qt's windows are native ones (not on the offscreen platform).
bool NativeWindows() {
    return QGuiApplication::platformName() == QLatin1String("windows");
}
#endif

} // namespace

void SetWindowRgn(QWidget& window, const QRegion& region) {
#if defined(Q_OS_WIN)
    if (NativeWindows()) {
        HRGN rgn = ::CreateRectRgn(0, 0, 0, 0);
        for (const QRect& r : region) {
            HRGN part = ::CreateRectRgn(r.left(), r.top(), r.right() + 1, r.bottom() + 1);
            ::CombineRgn(rgn, rgn, part, RGN_OR);
            ::DeleteObject(part);
        }
        ::SetWindowRgn(reinterpret_cast<HWND>(window.winId()), rgn, TRUE); // the window owns rgn
        return;
    }
#endif
    if (!region.isEmpty()) {
        window.setMask(region);
        return;
    }
#if defined(ORBO_HAVE_X11)
    if (Display* display = X11Display()) {
        window.clearMask();
        const auto id = static_cast<::Window>(window.winId());
        XShapeCombineRectangles(display, id, ShapeBounding, 0, 0, nullptr, 0, ShapeSet, Unsorted);
        XFlush(display);
        return;
    }
#endif
    // Elsewhere the smallest mask there is, on a window that is then not shown at all.
    window.setMask(QRegion(0, 0, 1, 1));
}

void SetWindowPos(QWidget& window, bool topMost, int x, int y, int width, int height) {
#if defined(Q_OS_WIN)
    if (NativeWindows()) {
        ::SetWindowPos(reinterpret_cast<HWND>(window.winId()),
                       topMost ? HWND_TOPMOST : HWND_NOTOPMOST, x, y, width, height, 0);
        return;
    }
#endif
    window.setGeometry(x, y, width, height);
    if (!window.isVisible()) {
        // Before the window is mapped the hint travels with it; changing it later would unmap it.
        window.setWindowFlag(Qt::WindowStaysOnTopHint, topMost);
        return;
    }
#if defined(ORBO_HAVE_X11)
    if (Display* display = X11Display()) {
        SetAboveState(display, static_cast<::Window>(window.winId()), topMost);
        return;
    }
#endif
    if (topMost)
        window.raise();
}

} // namespace orbo
