// Native window calls on X11 and Windows: shape, place and the "above" state.
#include "native_window.h"

#include "platform/desktop/desktop_qt.h"
#include "runtime/monitors.h"

#include <QtCore/QEvent>
#include <QtGui/QGuiApplication>
#include <QtGui/QScreen>
#include <QtGui/QWindow>
#include <QtWidgets/QWidget>

#include <optional>
#include <vector>

#if defined(ORBO_HAVE_X11)
#include "platform/window/x11_window.h"

#include <X11/Xlib.h>
#include <X11/extensions/shape.h>
// Xlib names an event Expose too; here the name is Qt's.
#undef Expose
#endif
#if defined(Q_OS_WIN)
#include <windows.h>
#endif
#if defined(ORBO_HAVE_LAYER_SHELL)
#include "platform/desktop/window_system.h"
#include "platform/window/layer_surface.h"
#endif

namespace orbo {

namespace {

#if defined(ORBO_HAVE_X11)
void SetAboveState(Display* display, ::Window window, bool above) {
    RequestState(display, window, "_NET_WM_STATE_ABOVE", above);
    if (above) {
        XRaiseWindow(display, window);
        XFlush(display);
    }
}

// Where the window's top-left corner is on the screen, as the server has it now.
std::optional<QPoint> ServerPosition(Display* display, ::Window window) {
    int x = 0;
    int y = 0;
    ::Window child = 0;
    if (XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &x, &y, &child) ==
        0)
        return std::nullopt;
    return QPoint(x, y);
}

// Qt may make the native window afresh while its flags change, so the states are written as the
// window is about to be mapped: a widget gets its show event just before that.
//
// A window manager that reparents the window reads it into a frame at one place and may move the
// frame afterwards without telling the window, since the window itself keeps its place on the
// screen. When Qt reads the position in between, it keeps the frame's first place for good, and
// drags and the eyes then start from a place the window is not at. The frame is placed before it
// is mapped, so when the window is first exposed after a show its position is read back from the
// server, and Qt's is corrected where it differs.
class DesktopToyOnShow : public QObject {
public:
    explicit DesktopToyOnShow(QWidget& window) : QObject(&window), window_(window) {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched == &window_) {
            if (Display* display = X11Display()) {
                ChangeUnmappedStates(display, static_cast<::Window>(window_.winId()),
                                     {"_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER"},
                                     true);
                if (QWindow* handle = window_.windowHandle()) {
                    handle->removeEventFilter(this);
                    handle->installEventFilter(this);
                    checkPending_ = true;
                }
            }
        } else if (event->type() == QEvent::Expose && checkPending_ &&
                   watched == window_.windowHandle() && window_.windowHandle()->isExposed()) {
            checkPending_ = false;
            CheckPosition();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void CheckPosition() {
        Display* display = X11Display();
        if (display == nullptr)
            return;
        auto actual = ServerPosition(display, static_cast<::Window>(window_.winId()));
        if (actual)
            actual = PixelsFromDevice(CurrentMonitors(), *actual);
        const QPoint believed = window_.geometry().topLeft();
        // Moving to where the window already is changes nothing on the screen; the window
        // manager answers it with the window's true place, which Qt then keeps.
        if (actual && *actual != believed)
            window_.move(window_.pos() + (*actual - believed));
    }

    QWidget& window_;
    bool checkPending_ = false;
};
#endif

#if defined(Q_OS_WIN)
// Native calls only where Qt's windows are native ones (not on the offscreen platform).
bool NativeWindows() {
    return QGuiApplication::platformName() == QLatin1String("windows");
}
#endif

// Gives the native window its shape in device pixels, scaled by the very rule the window's
// pictures are drawn with (Surface::Draw), so the outline meets the picture exactly at any scale.
bool ApplyNativeShape(QWidget& window, const QRegion& region) {
    const QRegion device = DeviceRegion(region, window.devicePixelRatioF());
#if defined(Q_OS_WIN)
    if (NativeWindows()) {
        HRGN rgn = ::CreateRectRgn(0, 0, 0, 0);
        for (const QRect& r : device) {
            HRGN part = ::CreateRectRgn(r.left(), r.top(), r.right() + 1, r.bottom() + 1);
            ::CombineRgn(rgn, rgn, part, RGN_OR);
            ::DeleteObject(part);
        }
        ::SetWindowRgn(reinterpret_cast<HWND>(window.winId()), rgn, TRUE); // the window owns rgn
        return true;
    }
#endif
#if defined(ORBO_HAVE_X11)
    if (Display* display = X11Display()) {
        if (!window.mask().isEmpty())
            window.clearMask();
        std::vector<XRectangle> rects;
        rects.reserve(static_cast<size_t>(device.rectCount()));
        for (const QRect& r : device)
            rects.push_back({static_cast<short>(r.x()), static_cast<short>(r.y()),
                             static_cast<unsigned short>(r.width()),
                             static_cast<unsigned short>(r.height())});
        XShapeCombineRectangles(display, static_cast<::Window>(window.winId()), ShapeBounding, 0, 0,
                                rects.data(), static_cast<int>(rects.size()), ShapeSet, Unsorted);
        XFlush(display);
        return true;
    }
#endif
    return false;
}

// Keeps the window's shape: set again when the native window is made anew (it is born without
// one) and when the window moves to a monitor of another scale.
class ShapeKeeper : public QObject {
public:
    explicit ShapeKeeper(QWidget& window) : QObject(&window), window_(window) {
        setObjectName(kName);
        window.installEventFilter(this);
    }

    // The window's keeper (a class without a meta-object is found by its name).
    static ShapeKeeper& Of(QWidget& window) {
        auto* found = window.findChild<QObject*>(kName, Qt::FindDirectChildrenOnly);
        return found ? *static_cast<ShapeKeeper*>(found) : *new ShapeKeeper(window);
    }

    void Set(const QRegion& region) {
        region_ = region;
        Apply();
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::WinIdChange) {
            WatchScreen();
            Apply();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void Apply() {
        WatchScreen();
        if (ApplyNativeShape(window_, region_))
            return;
        // Elsewhere (offscreen) Qt's mask; an empty one would remove the shape instead, so the
        // smallest mask there is stands for it, on a window that is then not shown at all.
        window_.setMask(region_.isEmpty() ? QRegion(0, 0, 1, 1) : region_);
    }

    void WatchScreen() {
        QWindow* handle = window_.windowHandle();
        if (handle == watched_)
            return;
        watched_ = handle;
        if (handle)
            connect(handle, &QWindow::screenChanged, this, [this] {
                Apply();
                window_.update();
            });
    }

    static constexpr QLatin1StringView kName{"orbo-shape-keeper"};
    QWidget& window_;
    QRegion region_;
    QWindow* watched_ = nullptr;
};

} // namespace

void SetWindowShape(QWidget& window, const QRegion& region) {
    ShapeKeeper::Of(window).Set(region);
}

void SetWindowPlace(QWidget& window, bool topMost, int x, int y, int width, int height) {
#if defined(Q_OS_WIN)
    if (NativeWindows()) {
        // Windows places windows in device pixels of the monitor they go to.
        const QRect device = DeviceFromPixels(CurrentMonitors(), QRect(x, y, width, height));
        ::SetWindowPos(reinterpret_cast<HWND>(window.winId()),
                       topMost ? HWND_TOPMOST : HWND_NOTOPMOST, device.x(), device.y(),
                       device.width(), device.height(), 0);
        return;
    }
#endif
    window.setGeometry(x, y, width, height);
    SetWindowOrder(window, topMost);
}

void SetWindowOrder(QWidget& window, bool topMost) {
#if defined(Q_OS_WIN)
    if (NativeWindows()) {
        ::SetWindowPos(reinterpret_cast<HWND>(window.winId()),
                       topMost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        return;
    }
#endif
#if defined(ORBO_HAVE_LAYER_SHELL)
    if (IsLayerSurface(window)) {
        SetLayerOnTop(window, topMost);
        return;
    }
#endif
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

void MakeDesktopToy(QWidget& window) {
    // A tool window has no taskbar button and no place in Alt+Tab on Windows, and is a utility
    // window on X11; one that takes no focus leaves the keyboard with the window the user types
    // in, however often the creature is clicked or dragged.
    window.setWindowFlags(window.windowFlags() | Qt::Tool | Qt::WindowDoesNotAcceptFocus);
    window.setAttribute(Qt::WA_ShowWithoutActivating);
#if defined(ORBO_HAVE_X11)
    new DesktopToyOnShow(window);
#endif
#if defined(ORBO_HAVE_LAYER_SHELL)
    // On Wayland only a layer surface may choose its place and stay above the windows.
    if (OnWayland())
        MakeLayerSurface(window);
#endif
}

void LetClicksThrough(QWidget& window, bool through) {
    // Kept in the widget's flags too, or a window made anew would lose it; setWindowFlags itself
    // would make it anew at once.
    window.overrideWindowFlags(
        window.windowFlags().setFlag(Qt::WindowTransparentForInput, through));
    if (QWindow* handle = window.windowHandle())
        handle->setFlag(Qt::WindowTransparentForInput, through);
}

void KeepAboveOwner(QWidget& window, QWidget& owner) {
    window.winId();
    owner.winId();
    window.windowHandle()->setTransientParent(owner.windowHandle());
}

} // namespace orbo
