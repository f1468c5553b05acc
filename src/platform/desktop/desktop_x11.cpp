// The X11 desktop: XQueryPointer, asked again when XInput2 reports the pointer moving; the
// person away by the SYNC extension's IDLETIME counter, or under Wayland as the compositor tells.
#include "desktop_x11.h"

#include "platform/desktop/desktop_qt.h"
#include "platform/desktop/key_codes.h"
#if defined(ORBO_HAVE_WAYLAND_IDLE)
#include "platform/desktop/wayland_idle.h"
#endif

#include <QtCore/QCoreApplication>
#include <QtCore/QObject>
#include <QtCore/QSocketNotifier>
#include <QtCore/QTimer>
#include <QtGui/QGuiApplication>
#include <QtGui/QScreen>

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>
#include <X11/extensions/sync.h>
#include <X11/keysym.h>

#include <array>
#include <chrono>
#include <cstring>

namespace orbo {

namespace {

using Clock = std::chrono::steady_clock;

// While ticking, a warped pointer (which sends no raw event) is caught up with at the latest
// after this long; while still, the program's own slow poll calls Refresh.
constexpr auto kPollInterval = std::chrono::milliseconds(400);

// The X key symbol of a key Qt names; 0 for one without.
KeySym KeySymOf(Qt::Key key) {
    if (key >= Qt::Key_F1 && key <= Qt::Key_F35)
        return XK_F1 + (key - Qt::Key_F1);
    // Printable Latin-1 keys share their codes with their key symbols; a letter's key is named
    // by its small letter, the one it types alone.
    if (const auto typed = TypedCharacterOf(key))
        return *typed;
    const auto named = NamedKeyOf(key);
    return named ? named->KeySym : 0;
}

// A grab's refusal arrives as an error; Xlib reports errors through one handler per process.
int grabRefusals = 0;
int CountGrabRefusal(Display*, XErrorEvent* error) {
    if (error->error_code == BadAccess)
        ++grabRefusals;
    return 0;
}

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
            watching_ = true;
            WatchScreens();
        }
        // XWayland's idle time counts only the input that reaches X11 windows.
        int syncError = 0;
        int syncMajor = 0;
        int syncMinor = 0;
        if (!onWayland_ && XSyncQueryExtension(display_, &syncEvent_, &syncError) &&
            XSyncInitialize(display_, &syncMajor, &syncMinor)) {
            int count = 0;
            XSyncSystemCounter* counters = XSyncListSystemCounters(display_, &count);
            for (int i = 0; i < count; ++i)
                if (std::strcmp(counters[i].name, "IDLETIME") == 0)
                    idleCounter_ = counters[i].counter;
            if (counters)
                XSyncFreeSystemCounterList(counters);
        }
        // Raw input, the hot key's presses and the idle alarm arrive here.
        notifier_ =
            std::make_unique<QSocketNotifier>(ConnectionNumber(display_), QSocketNotifier::Read);
        QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(),
                         [this] { Drain(); });
    }
    ~X11Desktop() override {
        notifier_.reset();
        if (alarm_)
            XSyncDestroyAlarm(display_, alarm_);
        ReleaseKey();
        XCloseDisplay(display_);
    }

    QPoint PointerPosition() override {
        Query();
        return cursor_;
    }

    bool ButtonDown(MouseButton button) override {
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

    // Under Wayland, XWayland hears the keyboard only while an X11 window has it.
    bool ListensForKeys() const override { return !onWayland_; }
    std::optional<QString> ListenForKey(QKeyCombination key,
                                        std::function<void()> pressed) override {
        ReleaseKey();
        if (!pressed)
            return {};
        const KeySym sym = KeySymOf(key.key());
        const KeyCode code = sym ? XKeysymToKeycode(display_, sym) : 0;
        if (!code)
            return QCoreApplication::translate("orbo::Desktop", "this keyboard has no such key");
        // A key typed with Shift ("!" on most keyboards) is held with Shift, as it is typed.
        unsigned int typedWith = 0;
        if (XkbKeycodeToKeysym(display_, code, 0, 0) != sym) {
            if (XkbKeycodeToKeysym(display_, code, 0, 1) != sym)
                return QCoreApplication::translate(
                    "orbo::Desktop", "this keyboard types it only with AltGr or another layout");
            typedWith = ShiftMask;
        }
        const unsigned int state = typedWith | XModifierMask(key.keyboardModifiers());
        locks_ = LockMask | NumLockMask();
        // A key arrives with the lock keys' state added: it is held under each of their variants.
        grabRefusals = 0;
        const auto previous = XSetErrorHandler(CountGrabRefusal);
        for (const unsigned int locks : LockVariants())
            XGrabKey(display_, code, state | locks, root_, False, GrabModeAsync, GrabModeAsync);
        XSync(display_, False);
        XSetErrorHandler(previous);
        keyCode_ = code;
        keyState_ = state;
        if (grabRefusals > 0) {
            ReleaseKey();
            return QCoreApplication::translate("orbo::Desktop", "another program already uses it");
        }
        // Held down, the key repeats as presses alone, which are told apart from a new press.
        XkbSetDetectableAutoRepeat(display_, True, nullptr);
        pressed_ = std::move(pressed);
        return {};
    }

    // One alarm on the idle time, which rises while nobody touches mouse or keyboard and falls
    // to zero at any input: first set to ring when it reaches the wait, then, away, when it falls.
    // Under Wayland the compositor is asked instead, where it offers an idle notifier.
    void WatchAway(std::chrono::milliseconds after) override {
        awayAfter_ = after;
        away_ = false;
#if defined(ORBO_HAVE_WAYLAND_IDLE)
        if (onWayland_)
            waylandIdle_.Watch(after);
#endif
        if (!idleCounter_)
            return;
        if (after.count() > 0) {
            XSyncValue wait;
            XSyncIntsToValue(&wait, static_cast<unsigned int>(after.count() & 0xFFFFFFFF),
                             static_cast<int>(after.count() >> 32));
            SetAlarm(XSyncPositiveComparison, wait);
        } else if (alarm_) {
            XSyncDestroyAlarm(display_, alarm_);
            alarm_ = None;
            XFlush(display_);
        }
    }

private:
    void SetAlarm(XSyncTestType test, XSyncValue value) {
        XSyncAlarmAttributes attributes{};
        attributes.trigger.counter = idleCounter_;
        attributes.trigger.value_type = XSyncAbsolute;
        attributes.trigger.test_type = test;
        attributes.trigger.wait_value = value;
        XSyncIntToValue(&attributes.delta, 0);
        attributes.events = True;
        const unsigned long changed = XSyncCACounter | XSyncCAValueType | XSyncCATestType |
                                      XSyncCAValue | XSyncCADelta | XSyncCAEvents;
        if (alarm_)
            XSyncChangeAlarm(display_, alarm_, changed, &attributes);
        else
            alarm_ = XSyncCreateAlarm(display_, changed, &attributes);
        alarmValue_ = value;
        XFlush(display_);
    }

    // The alarm rang: away once the wait has passed; back once the idle time fell below what it
    // was then, which it does at the first input, also one made while this was being read.
    void AlarmRang(const XSyncAlarmNotifyEvent& rang) {
        if (!alarm_ || rang.alarm != alarm_ || rang.state == XSyncAlarmDestroyed ||
            !XSyncValueEqual(rang.alarm_value, alarmValue_))
            return;
        away_ = !away_;
        if (away_) {
            XSyncValue one;
            XSyncValue below;
            Bool overflow = False;
            XSyncIntToValue(&one, 1);
            XSyncValueSubtract(&below, rang.counter_value, one, &overflow);
            SetAlarm(XSyncNegativeComparison, below);
        } else {
            WatchAway(awayAfter_);
        }
        // Not from inside a cursor query, which a tick may be making.
        QTimer::singleShot(0, notifier_.get(), [this, away = away_] { AwayChanged(away); });
    }

    std::array<unsigned int, 4> LockVariants() const {
        const unsigned int numLock = locks_ & ~static_cast<unsigned int>(LockMask);
        return {0, LockMask, numLock, LockMask | numLock};
    }

    // The modifier Num Lock sets, which differs between keyboard maps.
    unsigned int NumLockMask() const {
        XModifierKeymap* map = XGetModifierMapping(display_);
        if (!map)
            return 0;
        const KeyCode numLock = XKeysymToKeycode(display_, XK_Num_Lock);
        unsigned int mask = 0;
        for (int modifier = 0; numLock && modifier < 8; ++modifier)
            for (int i = 0; i < map->max_keypermod; ++i)
                if (map->modifiermap[modifier * map->max_keypermod + i] == numLock)
                    mask = 1u << modifier;
        XFreeModifiermap(map);
        return mask;
    }

    void ReleaseKey() {
        if (keyCode_) {
            for (const unsigned int locks : LockVariants())
                XUngrabKey(display_, keyCode_, keyState_ | locks, root_);
            XFlush(display_);
        }
        keyCode_ = 0;
        keyDown_ = false;
        pressed_ = nullptr;
    }

    // The keyboard modifiers of an event's state; its mouse buttons are no part of the key.
    static constexpr unsigned int kModifierBits =
        ShiftMask | LockMask | ControlMask | Mod1Mask | Mod2Mask | Mod3Mask | Mod4Mask | Mod5Mask;

    // A press of the held key, once however long it is held.
    void KeyEvent(const XKeyEvent& event) {
        if (!pressed_ || event.keycode != keyCode_ ||
            (event.state & kModifierBits & ~locks_) != keyState_) {
            if (event.type == KeyRelease && event.keycode == keyCode_)
                keyDown_ = false;
            return;
        }
        if (event.type == KeyRelease) {
            keyDown_ = false;
            return;
        }
        if (keyDown_)
            return;
        keyDown_ = true;
        // Not from inside a cursor query, which a tick may be making.
        QTimer::singleShot(0, notifier_.get(), pressed_);
    }

    void Drain() {
        // Reads what arrived; every raw event means the pointer or a button may have changed.
        bool input = false;
        while (XPending(display_) > 0) {
            XEvent event;
            XNextEvent(display_, &event);
            if (event.type == GenericEvent && event.xcookie.extension == xiOpcode_)
                input = true;
            else if (event.type == KeyPress || event.type == KeyRelease)
                KeyEvent(event.xkey);
            else if (idleCounter_ && event.type == syncEvent_ + XSyncAlarmNotify)
                AlarmRang(reinterpret_cast<const XSyncAlarmNotifyEvent&>(event));
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
    bool onWayland_ = InWaylandSession();
    bool valid_ = false;
    bool stale_ = true;
    Clock::time_point queried_{};
    QPoint cursor_;
    unsigned int mask_ = 0;
    // The hot key: its code, its modifiers, the lock modifiers it is also held under.
    KeyCode keyCode_ = 0;
    unsigned int keyState_ = 0;
    unsigned int locks_ = LockMask;
    bool keyDown_ = false;
    std::function<void()> pressed_;
    // The idle time's counter (None without one), the alarm on it and the value it rings at.
    int syncEvent_ = 0;
    XSyncCounter idleCounter_ = None;
    XSyncAlarm alarm_ = None;
    XSyncValue alarmValue_{};
    std::chrono::milliseconds awayAfter_{0};
    bool away_ = false;
#if defined(ORBO_HAVE_WAYLAND_IDLE)
    WaylandIdleWatch waylandIdle_{[this](bool away) { AwayChanged(away); }};
#endif
};

} // namespace

QString GtkAccelerator(QKeyCombination key) {
    const char* name = XKeysymToString(KeySymOf(key.key()));
    if (!name || KeySymOf(key.key()) == 0)
        return {};
    return GtkModifierNames(key.keyboardModifiers()) + QString::fromLatin1(name);
}

std::unique_ptr<Desktop> MakeX11Desktop() {
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return nullptr;
    return std::make_unique<X11Desktop>(display);
}

} // namespace orbo
