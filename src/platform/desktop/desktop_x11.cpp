// The X11 desktop: XQueryPointer, asked again when XInput2 reports the pointer moving.
#include "desktop_x11.h"

#include "platform/desktop/desktop_qt.h"

#include <QtCore/QObject>
#include <QtCore/QSocketNotifier>
#include <QtGui/QGuiApplication>
#include <QtGui/QScreen>

#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>

#include <chrono>

namespace orbo {

namespace {

using Clock = std::chrono::steady_clock;

// While ticking, a warped pointer (which sends no raw event) is caught up with at the latest
// after this long; while still, the program's own slow poll calls Refresh.
constexpr auto kPollInterval = std::chrono::milliseconds(400);

class X11Desktop : public Desktop {
public:
    explicit X11Desktop(Display* display) : display_(display) {
        root_ = DefaultRootWindow(display_);
        int event = 0;
        int error = 0;
        // From 2.1 on, raw events reach every client that selected them on the root window, also
        // while another program grabs the pointer; under 2.0 they go to the grabbing client
        // only, and a creature that waits for them would freeze during every grab.
        int major = 2;
        int minor = 2;
        if (XQueryExtension(display_, "XInputExtension", &xiOpcode_, &event, &error) &&
            XIQueryVersion(display_, &major, &minor) == Success &&
            (major > 2 || (major == 2 && minor >= 1))) {
            unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
            XISetMask(bits, XI_RawMotion);
            XISetMask(bits, XI_RawButtonPress);
            XISetMask(bits, XI_RawButtonRelease);
            XIEventMask mask{XIAllMasterDevices, sizeof bits, bits};
            XISelectEvents(display_, root_, &mask, 1);
            XFlush(display_);
            notifier_ = std::make_unique<QSocketNotifier>(ConnectionNumber(display_),
                                                          QSocketNotifier::Read);
            QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(),
                             [this] { Drain(); });
            watching_ = true;
            WatchScreens();
        }
    }
    ~X11Desktop() override {
        notifier_.reset();
        XCloseDisplay(display_);
    }

    QPoint GetCursorPos() override {
        Query();
        return cursor_;
    }

    bool GetAsyncKeyState(MouseButton button) override {
        Query();
        // X11 numbers the middle button 2 and the right one 3.
        switch (button) {
        case MouseButton::Left:
            return (mask_ & Button1Mask) != 0;
        case MouseButton::Right:
            return (mask_ & Button3Mask) != 0;
        case MouseButton::Middle:
            return (mask_ & Button2Mask) != 0;
        default:
            return false;
        }
    }

    QSize ScreenSizePixels() const override { return PrimaryScreenSize(); }
    Monitors GetMonitors() const override { return CurrentMonitors(); }

    bool AnnouncesInput() const override { return watching_; }
    bool FollowsPointerEverywhere() const override { return !onWayland_; }
    void Refresh() override { stale_ = true; }

private:
    void Drain() {
        // Reads what arrived; every raw event means the pointer or a button may have changed.
        bool input = false;
        while (XPending(display_) > 0) {
            XEvent event;
            XNextEvent(display_, &event);
            if (event.type == GenericEvent && event.xcookie.extension == xiOpcode_)
                input = true;
        }
        if (input) {
            stale_ = true;
            InputArrived();
        }
    }

    void Query() {
        const auto now = Clock::now();
        if (valid_ && watching_ && !stale_ && now - queried_ < kPollInterval)
            return;
        Window rootReturn = 0;
        Window child = 0;
        int rootX = 0;
        int rootY = 0;
        int winX = 0;
        int winY = 0;
        unsigned int mask = 0;
        if (XQueryPointer(display_, root_, &rootReturn, &child, &rootX, &rootY, &winX, &winY,
                          &mask)) {
            // The root window speaks device pixels, scaled per monitor.
            cursor_ = PixelsFromDevice(CurrentMonitors(), QPoint(rootX, rootY));
            mask_ = mask;
        }
        valid_ = true;
        queried_ = now;
        stale_ = false;
        // The reply may have brought events along that the socket will not announce again.
        if (XEventsQueued(display_, QueuedAlready) > 0) {
            Drain();
        }
    }

    Display* display_ = nullptr;
    Window root_ = 0;
    int xiOpcode_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
    bool watching_ = false;
    // Run by XWayland, which knows the pointer only while it is over an X11 window.
    bool onWayland_ = qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
    bool valid_ = false;
    bool stale_ = true;
    Clock::time_point queried_{};
    QPoint cursor_;
    unsigned int mask_ = 0;
};

} // namespace

std::unique_ptr<Desktop> MakeX11Desktop() {
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return nullptr;
    return std::make_unique<X11Desktop>(display);
}

} // namespace orbo
