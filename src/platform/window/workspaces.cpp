// Showing a window on every workspace (X11 EWMH).
#include "workspaces.h"

#include <QtCore/QEvent>
#include <QtCore/QObject>
#include <QtWidgets/QWidget>

#if defined(ORBO_HAVE_X11)
#include "platform/window/x11_window.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#endif

namespace orbo {

#if defined(ORBO_HAVE_X11)
namespace {

// _NET_WM_DESKTOP's "every desktop".
constexpr unsigned long kAllDesktops = 0xFFFFFFFF;

// Holds the choice for a window: the window manager reads it from the window's properties as the
// window maps (it drops them when the window is hidden), and takes changes to a mapped window
// only as requests.
class WorkspaceKeeper : public QObject {
public:
    explicit WorkspaceKeeper(QWidget& window) : QObject(&window), window_(window) {
        setObjectName(kName);
        window.installEventFilter(this);
    }

    // The window's keeper (a class without a meta-object is found by its name).
    static WorkspaceKeeper& Of(QWidget& window) {
        auto* found = window.findChild<QObject*>(kName, Qt::FindDirectChildrenOnly);
        return found ? *static_cast<WorkspaceKeeper*>(found) : *new WorkspaceKeeper(window);
    }

    void Set(bool all) {
        all_ = all;
        Display* display = X11Display();
        if (display && window_.isVisible())
            Request(display, static_cast<::Window>(window_.winId()));
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        // A widget gets its show event just before its window is mapped.
        if (watched == &window_ && event->type() == QEvent::Show)
            if (Display* display = X11Display())
                WriteBeforeMap(display, static_cast<::Window>(window_.winId()));
        return QObject::eventFilter(watched, event);
    }

private:
    void WriteBeforeMap(Display* display, ::Window window) const {
        const Atom desktop = XInternAtom(display, "_NET_WM_DESKTOP", False);
        if (all_) {
            XChangeProperty(display, window, desktop, XA_CARDINAL, 32, PropModeReplace,
                            reinterpret_cast<const unsigned char*>(&kAllDesktops), 1);
        } else {
            XDeleteProperty(display, window, desktop);
        }
        ChangeUnmappedStates(display, window, {"_NET_WM_STATE_STICKY"}, all_);
    }

    void Request(Display* display, ::Window window) const {
        const ::Window root = DefaultRootWindow(display);
        const auto current = Property32(
            display, root, XInternAtom(display, "_NET_CURRENT_DESKTOP", False), XA_CARDINAL);
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = window;
        event.xclient.message_type = XInternAtom(display, "_NET_WM_DESKTOP", False);
        event.xclient.format = 32;
        event.xclient.data.l[0] = static_cast<long>(all_              ? kAllDesktops
                                                    : current.empty() ? 0
                                                                      : current.front());
        event.xclient.data.l[1] = 1; // from a normal application
        XSendEvent(display, root, False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
        RequestState(display, window, "_NET_WM_STATE_STICKY", all_);
    }

    static constexpr QLatin1StringView kName{"orbo-workspace-keeper"};
    QWidget& window_;
    bool all_ = false;
};

} // namespace

void SetOnAllWorkspaces(QWidget& window, bool all) {
    WorkspaceKeeper::Of(window).Set(all);
}

#else

void SetOnAllWorkspaces(QWidget&, bool) {}

#endif

} // namespace orbo
