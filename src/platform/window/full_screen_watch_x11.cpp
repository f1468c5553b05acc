// Qt's headers before Xlib's, whose macros (Bool, Status, CursorShape) break them.
#include "platform/desktop/desktop_qt.h"
#include "platform/window/full_screen_watch.h"

#include <QtCore/QSocketNotifier>
#include <QtGui/QGuiApplication>
#include <QtGui/QWindow>

#include "platform/window/x11_window.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <algorithm>

namespace orbo {

namespace {

// Requests about other programs' windows fail whenever such a window has just gone; Xlib's own
// handler would end the program. Errors are collected until every request made meanwhile has
// been answered.
class IgnoreErrors {
public:
    explicit IgnoreErrors(Display* display)
        : display_(display), previous_(XSetErrorHandler([](Display*, XErrorEvent*) { return 0; })) {
    }
    ~IgnoreErrors() {
        XSync(display_, False);
        XSetErrorHandler(previous_);
    }
    IgnoreErrors(const IgnoreErrors&) = delete;
    IgnoreErrors& operator=(const IgnoreErrors&) = delete;

private:
    Display* display_;
    XErrorHandler previous_;
};

// On a connection of its own, so that the events it selects on other programs' windows never
// reach Qt's.
class X11FullScreenWatch : public FullScreenWatch {
public:
    X11FullScreenWatch(Place creature, Display* display)
        : FullScreenWatch(std::move(creature)), display_(display),
          root_(DefaultRootWindow(display)),
          activeAtom_(XInternAtom(display, "_NET_ACTIVE_WINDOW", False)),
          checkAtom_(XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", False)),
          stateAtom_(XInternAtom(display, "_NET_WM_STATE", False)),
          fullScreenAtom_(XInternAtom(display, "_NET_WM_STATE_FULLSCREEN", False)),
          notifier_(ConnectionNumber(display), QSocketNotifier::Read) {
        notifier_.setEnabled(false);
        connect(&notifier_, &QSocketNotifier::activated, this, [this] { Drain(); });
    }
    ~X11FullScreenWatch() override {
        notifier_.setEnabled(false);
        XCloseDisplay(display_);
    }

protected:
    void Listen(bool on) override {
        {
            const IgnoreErrors ignore(display_);
            XSelectInput(display_, root_, on ? PropertyChangeMask : NoEventMask);
            if (!on) {
                Follow(manager_, None);
                Follow(active_, None);
            }
        }
        notifier_.setEnabled(on);
        if (on) {
            Refresh();
            Drain();
        }
    }

private:
    // Reads what arrived; whatever may have changed the answer is read afresh, and what that
    // brought along is read in turn.
    void Drain() {
        for (;;) {
            bool changed = false;
            while (XPending(display_) > 0) {
                XEvent event;
                XNextEvent(display_, &event);
                changed = Matters(event) || changed;
            }
            if (!changed)
                return;
            Refresh();
        }
    }

    bool Matters(const XEvent& event) const {
        if (event.type == PropertyNotify)
            return event.xproperty.window == root_
                       ? event.xproperty.atom == activeAtom_ || event.xproperty.atom == checkAtom_
                       : event.xproperty.window == active_ && event.xproperty.atom == stateAtom_;
        // Moved, resized, mapped, unmapped or destroyed: the active window, or the window
        // manager's check window, which goes when the window manager does.
        const ::Window window = event.xany.window;
        return (event.type == ConfigureNotify || event.type == MapNotify ||
                event.type == UnmapNotify || event.type == DestroyNotify) &&
               (window == active_ || window == manager_);
    }

    // Moves the events selected on the window followed in slot to another window.
    void Follow(::Window& slot, ::Window window) {
        if (slot == window)
            return;
        if (slot != None)
            XSelectInput(display_, slot, NoEventMask);
        slot = window;
        if (slot != None)
            XSelectInput(display_, slot,
                         slot == manager_ ? StructureNotifyMask
                                          : StructureNotifyMask | PropertyChangeMask);
    }

    // The first window a root property names, or None.
    ::Window Named(::Window window, Atom property) const {
        const auto items = Property32(display_, window, property, XA_WINDOW);
        return items.empty() ? None : static_cast<::Window>(items.front());
    }

    void Refresh() {
        std::optional<ActiveWindow> active;
        {
            const IgnoreErrors ignore(display_);
            // A running EWMH window manager names a check window of its own that names itself; one
            // that has ended leaves its last active window named on the root.
            const ::Window check = Named(root_, checkAtom_);
            const bool running = check != None && Named(check, checkAtom_) == check;
            Follow(manager_, running ? check : None);
            // Selected before it is read, so that no change falls in between.
            Follow(active_, running ? Named(root_, activeAtom_) : None);
            if (active_ != None)
                active = Read(active_);
        }
        Report(active);
    }

    std::optional<ActiveWindow> Read(::Window window) const {
        XWindowAttributes attributes{};
        int x = 0;
        int y = 0;
        ::Window child = None;
        if (XGetWindowAttributes(display_, window, &attributes) == 0 ||
            attributes.map_state != IsViewable ||
            !XTranslateCoordinates(display_, window, root_, 0, 0, &x, &y, &child))
            return std::nullopt;
        const auto states = Property32(display_, window, stateAtom_, XA_ATOM);
        const QList<QWindow*> own = QGuiApplication::allWindows();
        return ActiveWindow{
            PixelsFromDevice(CurrentMonitors(), QRect(x, y, attributes.width, attributes.height)),
            std::find(states.begin(), states.end(), fullScreenAtom_) != states.end(),
            std::any_of(own.begin(), own.end(), [window](const QWindow* w) {
                return w->handle() != nullptr && w->winId() == window;
            })};
    }

    Display* display_;
    ::Window root_;
    Atom activeAtom_;
    Atom checkAtom_;
    Atom stateAtom_;
    Atom fullScreenAtom_;
    QSocketNotifier notifier_;
    // The windows whose events are selected: the window manager's check window, the active one.
    ::Window manager_ = None;
    ::Window active_ = None;
};

} // namespace

std::unique_ptr<FullScreenWatch> MakeX11FullScreenWatch(FullScreenWatch::Place creature) {
    Display* qt = X11Display();
    Display* display = qt ? XOpenDisplay(DisplayString(qt)) : nullptr;
    if (!display)
        return nullptr;
    return std::make_unique<X11FullScreenWatch>(std::move(creature), display);
}

} // namespace orbo
