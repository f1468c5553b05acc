// XProbe: window search, XGetImage, shape rectangles and XTest input.
#include "x_probe.h"

#include <QtDBus/QDBusConnection>
#include <QtDBus/QDBusMessage>
#include <QtDBus/QDBusObjectPath>

#include <algorithm>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/shape.h>

#include <thread>

namespace orbo {

using namespace Qt::StringLiterals;

// Mutter's RemoteDesktop: input into the session as a remote desktop client gives it. The session
// belongs to the connection that made it.
class RemoteDesktop {
public:
    explicit RemoteDesktop(const QString& address)
        : bus_(QDBusConnection::connectToBus(address, u"orbo-remote-desktop"_s)) {
        const QDBusMessage made = bus_.call(QDBusMessage::createMethodCall(
            kService, u"/org/gnome/Mutter/RemoteDesktop"_s, kService, u"CreateSession"_s));
        if (made.type() == QDBusMessage::ReplyMessage && !made.arguments().isEmpty())
            session_ = qvariant_cast<QDBusObjectPath>(made.arguments().front()).path();
        started_ = !session_.isEmpty() && Call(u"Start"_s, {});
    }
    ~RemoteDesktop() {
        Call(u"Stop"_s, {});
        QDBusConnection::disconnectFromBus(u"orbo-remote-desktop"_s);
    }
    bool Started() const { return started_; }
    bool Call(const QString& method, const QVariantList& arguments) {
        QDBusMessage call =
            QDBusMessage::createMethodCall(kService, session_, kService + u".Session"_s, method);
        call.setArguments(arguments);
        return bus_.call(call).type() == QDBusMessage::ReplyMessage;
    }
    // Relative motion needs no screen cast: into the bottom-left corner, where the monitor's edges
    // stop it, then on to the place.
    void Move(int x, int y, int height) {
        Call(u"NotifyPointerMotionRelative"_s, {-100000.0, 100000.0});
        Call(u"NotifyPointerMotionRelative"_s, {double(x), double(y - (height - 1))});
    }

private:
    const QString kService = u"org.gnome.Mutter.RemoteDesktop"_s;
    QDBusConnection bus_;
    QString session_;
    bool started_ = false;
};

XProbe::XProbe(const QString& displayName) {
    // A window that vanished under the probe must not end it: Xlib's default handler exits.
    XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    const QByteArray name = displayName.toLocal8Bit();
    display_ = XOpenDisplay(name.isEmpty() ? nullptr : name.constData());
}

bool XProbe::DriveThroughRemoteDesktop(const QString& busAddress) {
    remote_.reset();
    if (busAddress.isEmpty())
        return false;
    remote_ = std::make_unique<RemoteDesktop>(busAddress);
    return remote_->Started();
}

XProbe::~XProbe() {
    if (display_ != nullptr)
        XCloseDisplay(display_);
}

unsigned long XProbe::Root() const {
    return DefaultRootWindow(display_);
}

QSize XProbe::ScreenSize() const {
    return {DisplayWidth(display_, DefaultScreen(display_)),
            DisplayHeight(display_, DefaultScreen(display_))};
}

QByteArray XProbe::Property(unsigned long window, const char* name, int* format) const {
    Atom type = None;
    int bits = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    QByteArray bytes;
    if (XGetWindowProperty(display_, window, XInternAtom(display_, name, False), 0, 1 << 20, False,
                           AnyPropertyType, &type, &bits, &count, &after, &data) == Success &&
        data != nullptr) {
        // Xlib hands 32-bit items over as longs.
        bytes = QByteArray(reinterpret_cast<const char*>(data),
                           static_cast<qsizetype>(count * (bits == 32 ? sizeof(long) : bits / 8)));
        XFree(data);
    }
    if (format != nullptr)
        *format = bits;
    return bytes;
}

QString XProbe::Title(unsigned long window) const {
    const QByteArray title = Property(window, "_NET_WM_NAME");
    return QString::fromUtf8(title.isEmpty() ? Property(window, "WM_NAME") : title);
}

QString XProbe::WmClass(unsigned long window) const {
    // Two strings, each ended by a NUL.
    return QString::fromLatin1(Property(window, "WM_CLASS").chopped(1).replace('\0', ','));
}

std::vector<unsigned long> XProbe::Property32(unsigned long window, const char* name) const {
    int format = 0;
    const QByteArray bytes = Property(window, name, &format);
    const auto* items = reinterpret_cast<const unsigned long*>(bytes.constData());
    return format == 32 ? std::vector<unsigned long>(items, items + bytes.size() / sizeof(long))
                        : std::vector<unsigned long>();
}

QStringList XProbe::AtomNames(unsigned long window, const char* name) const {
    QStringList names;
    for (const unsigned long atom : Property32(window, name)) {
        if (char* atomName = XGetAtomName(display_, atom)) {
            names.append(QString::fromLatin1(atomName));
            XFree(atomName);
        }
    }
    return names;
}

unsigned long XProbe::CreatePlainWindow(const QRect& rect) const {
    const int screen = DefaultScreen(display_);
    const Window window = XCreateSimpleWindow(
        display_, Root(), rect.x(), rect.y(), static_cast<unsigned>(rect.width()),
        static_cast<unsigned>(rect.height()), 0, BlackPixel(display_, screen),
        WhitePixel(display_, screen));
    XSelectInput(display_, window, ButtonPressMask | ButtonReleaseMask);
    XMapWindow(display_, window);
    XSync(display_, False);
    return window;
}

int XProbe::ButtonPresses(unsigned long window) const {
    XSync(display_, False);
    int presses = 0;
    XEvent event;
    while (XCheckWindowEvent(display_, window, ButtonPressMask, &event))
        ++presses;
    return presses;
}

void XProbe::Focus(unsigned long window) const {
    XSetInputFocus(display_, window, RevertToPointerRoot, CurrentTime);
    XSync(display_, False);
}

unsigned long XProbe::FocusedWindow() const {
    Window focus = 0;
    int revert = 0;
    XGetInputFocus(display_, &focus, &revert);
    return focus;
}

bool XProbe::SetFullScreen(unsigned long window, bool fullScreen) const {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display_, "_NET_WM_STATE", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = fullScreen ? 1 : 0; // _NET_WM_STATE_ADD / _REMOVE
    event.xclient.data.l[1] =
        static_cast<long>(XInternAtom(display_, "_NET_WM_STATE_FULLSCREEN", False));
    event.xclient.data.l[3] = 1; // from a normal application
    const Status sent = XSendEvent(display_, Root(), False,
                                   SubstructureRedirectMask | SubstructureNotifyMask, &event);
    XSync(display_, False);
    return sent != 0;
}

void XProbe::DestroyWindow(unsigned long window) const {
    XDestroyWindow(display_, window);
    XSync(display_, False);
}

std::vector<unsigned long> XProbe::ShownWindows() const {
    std::vector<unsigned long> shown;
    std::vector<Window> pending{Root()};
    while (!pending.empty()) {
        const Window parent = pending.back();
        pending.pop_back();
        Window root = 0;
        Window up = 0;
        Window* children = nullptr;
        unsigned int count = 0;
        XWindowAttributes attributes{};
        if (XQueryTree(display_, parent, &root, &up, &children, &count) == 0)
            continue;
        for (unsigned int i = 0; i < count; ++i) {
            if (XGetWindowAttributes(display_, children[i], &attributes) != 0 &&
                attributes.map_state == IsViewable) {
                shown.push_back(children[i]);
                pending.push_back(children[i]);
            }
        }
        if (children != nullptr)
            XFree(children);
    }
    return shown;
}

unsigned long XProbe::Parent(unsigned long window) const {
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display_, window, &root, &parent, &children, &count) == 0)
        return 0;
    if (children != nullptr)
        XFree(children);
    return parent;
}

std::optional<unsigned long> XProbe::WaitMapped(const QString& title,
                                                std::chrono::milliseconds timeout) const {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;; std::this_thread::sleep_for(std::chrono::milliseconds(2))) {
        for (const unsigned long window : ShownWindows())
            if (Title(window) == title)
                return window;
        if (std::chrono::steady_clock::now() >= deadline)
            return std::nullopt;
    }
}

bool XProbe::WaitGone(const QString& title, std::chrono::milliseconds timeout) const {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (; WaitMapped(title, std::chrono::milliseconds(0));
         std::this_thread::sleep_for(std::chrono::milliseconds(2)))
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
    return true;
}

std::optional<QRect> XProbe::Geometry(unsigned long window) const {
    XWindowAttributes attributes{};
    int x = 0;
    int y = 0;
    Window child = 0;
    if (XGetWindowAttributes(display_, window, &attributes) == 0 ||
        !XTranslateCoordinates(display_, window, Root(), 0, 0, &x, &y, &child))
        return std::nullopt;
    return QRect(x, y, attributes.width, attributes.height);
}

QRegion XProbe::Shape(unsigned long window) const {
    QRegion region;
    int count = 0;
    int ordering = 0;
    XRectangle* rects = XShapeGetRectangles(display_, window, ShapeBounding, &count, &ordering);
    for (int i = 0; i < count; ++i)
        region += QRect(rects[i].x, rects[i].y, rects[i].width, rects[i].height);
    if (rects != nullptr)
        XFree(rects);
    return region;
}

// What a drawable holds in rect (its own coordinates), as XGetImage reads it.
static QImage ImageOf(Display* display, unsigned long drawable, const QRect& r) {
    XImage* image =
        r.isEmpty() ? nullptr
                    : XGetImage(display, drawable, r.x(), r.y(), static_cast<unsigned>(r.width()),
                                static_cast<unsigned>(r.height()), AllPlanes, ZPixmap);
    if (image == nullptr)
        return {};
    // Xvfb's 24-bit visual: 32 bits a pixel in the host's byte order, red highest.
    const QImage result = QImage(reinterpret_cast<const uchar*>(image->data), r.width(), r.height(),
                                 image->bytes_per_line, QImage::Format_RGB32)
                              .copy();
    XDestroyImage(image);
    return result;
}

QImage XProbe::Grab(const QRect& rect) const {
    return ImageOf(display_, Root(), rect.intersected(QRect(QPoint(0, 0), ScreenSize())));
}

QImage XProbe::GrabWindow(unsigned long window) const {
    return ImageOf(display_, window, QRect(QPoint(), Geometry(window).value_or(QRect()).size()));
}

void XProbe::MovePointer(int x, int y) const {
    if (remote_)
        return remote_->Move(x, y, ScreenSize().height());
    XTestFakeMotionEvent(display_, -1, x, y, CurrentTime);
    XSync(display_, False);
}

void XProbe::WarpPointer(int x, int y) const {
    XWarpPointer(display_, None, DefaultRootWindow(display_), 0, 0, 0, 0, x, y);
    XSync(display_, False);
}

bool XProbe::GrabPointer(bool grab) const {
    if (!grab) {
        XUngrabPointer(display_, CurrentTime);
        XSync(display_, False);
        return true;
    }
    return XGrabPointer(display_, Root(), False,
                        ButtonPressMask | ButtonReleaseMask | PointerMotionMask, GrabModeAsync,
                        GrabModeAsync, None, None, CurrentTime) == GrabSuccess;
}

void XProbe::Button(int button, bool press) const {
    // Linux's codes: BTN_LEFT, BTN_MIDDLE, BTN_RIGHT.
    if (remote_) {
        remote_->Call(u"NotifyPointerButton"_s, {button == 1   ? 0x110
                                                 : button == 2 ? 0x112
                                                               : 0x111,
                                                 press});
        return;
    }
    XTestFakeButtonEvent(display_, static_cast<unsigned>(button), press ? True : False,
                         CurrentTime);
    XSync(display_, False);
}

bool XProbe::TapKey(const char* keysymName, const std::vector<const char*>& held) const {
    if (remote_) {
        std::vector<const char*> keys = held;
        keys.push_back(keysymName);
        for (const bool down : {true, false})
            for (std::size_t i = 0; i < keys.size(); ++i)
                remote_->Call(u"NotifyKeyboardKeysym"_s,
                              {uint(XStringToKeysym(keys[down ? i : keys.size() - 1 - i])), down});
        return true;
    }
    std::vector<KeyCode> codes;
    for (const char* name : held)
        codes.push_back(XKeysymToKeycode(display_, XStringToKeysym(name)));
    codes.push_back(XKeysymToKeycode(display_, XStringToKeysym(keysymName)));
    if (std::count(codes.begin(), codes.end(), 0) > 0)
        return false;
    for (const KeyCode code : codes)
        XTestFakeKeyEvent(display_, code, True, CurrentTime);
    for (auto code = codes.rbegin(); code != codes.rend(); ++code)
        XTestFakeKeyEvent(display_, *code, False, CurrentTime);
    XSync(display_, False);
    return true;
}

namespace {
int refusals = 0;
int CountRefusal(Display*, XErrorEvent*) {
    ++refusals;
    return 0;
}
} // namespace

bool XProbe::GrabKey(const char* keysymName, unsigned int modifiers) const {
    const KeyCode code = XKeysymToKeycode(display_, XStringToKeysym(keysymName));
    refusals = 0;
    const auto previous = XSetErrorHandler(CountRefusal);
    XGrabKey(display_, code, modifiers, DefaultRootWindow(display_), False, GrabModeAsync,
             GrabModeAsync);
    XSync(display_, False);
    XSetErrorHandler(previous);
    return code != 0 && refusals == 0;
}

bool XProbe::SendDeleteWindow(unsigned long window) const {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display_, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display_, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    const Status sent = XSendEvent(display_, window, False, NoEventMask, &event);
    XSync(display_, False);
    return sent != 0;
}

} // namespace orbo
