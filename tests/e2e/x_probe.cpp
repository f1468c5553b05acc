#include "x_probe.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/shape.h>

#include <thread>

namespace orbo {

namespace {

// A missing window or property must not end the probe: Xlib's default handler exits.
int IgnoreXError(Display*, XErrorEvent*) {
    return 0;
}

int ShiftOf(unsigned long mask) {
    int shift = 0;
    while (mask != 0 && (mask & 1) == 0) {
        mask >>= 1;
        ++shift;
    }
    return shift;
}

} // namespace

XProbe::XProbe(const QString& displayName) {
    XSetErrorHandler(IgnoreXError);
    const QByteArray name = displayName.toLocal8Bit();
    display_ = XOpenDisplay(name.isEmpty() ? nullptr : name.constData());
}

XProbe::~XProbe() {
    if (display_ != nullptr)
        XCloseDisplay(display_);
}

unsigned long XProbe::Root() const {
    return DefaultRootWindow(display_);
}

QSize XProbe::ScreenSize() const {
    const int screen = DefaultScreen(display_);
    return {DisplayWidth(display_, screen), DisplayHeight(display_, screen)};
}

QString XProbe::Property(unsigned long window, const char* name, const char* type) const {
    const Atom property = XInternAtom(display_, name, False);
    const Atom wanted = XInternAtom(display_, type, False);
    Atom actualType = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    QString result;
    if (XGetWindowProperty(display_, window, property, 0, 4096, False, wanted, &actualType, &format,
                           &count, &after, &data) == Success &&
        data != nullptr) {
        if (actualType == wanted && format == 8)
            result = QString::fromUtf8(reinterpret_cast<const char*>(data),
                                       static_cast<qsizetype>(count));
        XFree(data);
    }
    return result;
}

QString XProbe::Title(unsigned long window) const {
    QString title = Property(window, "_NET_WM_NAME", "UTF8_STRING");
    if (title.isEmpty())
        title = Property(window, "WM_NAME", "STRING");
    return title;
}

QString XProbe::WmClass(unsigned long window) const {
    XClassHint hint{};
    QString result;
    if (XGetClassHint(display_, window, &hint) != 0) {
        result = QString::fromLocal8Bit(hint.res_name) + QLatin1Char(',') +
                 QString::fromLocal8Bit(hint.res_class);
        XFree(hint.res_name);
        XFree(hint.res_class);
    }
    return result;
}

std::optional<unsigned long> XProbe::Pid(unsigned long window) const {
    const Atom property = XInternAtom(display_, "_NET_WM_PID", False);
    Atom actualType = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    std::optional<unsigned long> pid;
    if (XGetWindowProperty(display_, window, property, 0, 1, False, XA_CARDINAL, &actualType,
                           &format, &count, &after, &data) == Success &&
        data != nullptr) {
        if (format == 32 && count == 1)
            pid = *reinterpret_cast<const unsigned long*>(data);
        XFree(data);
    }
    return pid;
}

std::vector<unsigned long> XProbe::Property32(unsigned long window, const char* name) const {
    Atom actualType = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    std::vector<unsigned long> result;
    if (XGetWindowProperty(display_, window, XInternAtom(display_, name, False), 0, 1 << 20, False,
                           AnyPropertyType, &actualType, &format, &count, &after,
                           &data) == Success &&
        data != nullptr) {
        // Xlib hands 32-bit items over as longs.
        if (format == 32) {
            const auto* items = reinterpret_cast<const unsigned long*>(data);
            result.assign(items, items + count);
        }
        XFree(data);
    }
    return result;
}

QStringList XProbe::AtomNames(unsigned long window, const char* name) const {
    QStringList names;
    for (const unsigned long atom : Property32(window, name)) {
        char* atomName = XGetAtomName(display_, atom);
        if (atomName != nullptr) {
            names.append(QString::fromLatin1(atomName));
            XFree(atomName);
        }
    }
    return names;
}

std::optional<bool> XProbe::WmInputHint(unsigned long window) const {
    XWMHints* hints = XGetWMHints(display_, window);
    if (hints == nullptr)
        return std::nullopt;
    std::optional<bool> input;
    if (hints->flags & InputHint)
        input = hints->input != False;
    XFree(hints);
    return input;
}

std::optional<std::pair<QSize, QSize>> XProbe::SizeLimits(unsigned long window) const {
    XSizeHints hints{};
    long supplied = 0;
    if (XGetWMNormalHints(display_, window, &hints, &supplied) == 0 ||
        (hints.flags & (PMinSize | PMaxSize)) != (PMinSize | PMaxSize))
        return std::nullopt;
    return std::make_pair(QSize(hints.min_width, hints.min_height),
                          QSize(hints.max_width, hints.max_height));
}

bool XProbe::WindowManagerRunning() const {
    const auto check = Property32(Root(), "_NET_SUPPORTING_WM_CHECK");
    return !check.empty() && !Property32(check.front(), "_NET_SUPPORTING_WM_CHECK").empty();
}

unsigned long XProbe::CreatePlainWindow(const QRect& rect, const QString& title) const {
    const int screen = DefaultScreen(display_);
    const Window window = XCreateSimpleWindow(
        display_, Root(), rect.x(), rect.y(), static_cast<unsigned>(rect.width()),
        static_cast<unsigned>(rect.height()), 0, BlackPixel(display_, screen),
        WhitePixel(display_, screen));
    if (window == 0)
        return 0;
    const QByteArray name = title.toUtf8();
    XStoreName(display_, window, name.constData());
    XWMHints hints{};
    hints.flags = InputHint | StateHint;
    hints.input = True;
    hints.initial_state = NormalState;
    XSetWMHints(display_, window, &hints);
    XMapWindow(display_, window);
    Sync();
    return window;
}

void XProbe::DestroyWindow(unsigned long window) const {
    XDestroyWindow(display_, window);
    Sync();
}

unsigned long XProbe::FocusedWindow() const {
    Window focus = 0;
    int revert = 0;
    XGetInputFocus(display_, &focus, &revert);
    return focus;
}

std::optional<unsigned long> XProbe::FindWindow(const QString& title) const {
    std::vector<Window> pending{Root()};
    std::optional<unsigned long> hidden;
    while (!pending.empty()) {
        const Window parent = pending.back();
        pending.pop_back();
        Window rootReturn = 0;
        Window parentReturn = 0;
        Window* children = nullptr;
        unsigned int count = 0;
        if (XQueryTree(display_, parent, &rootReturn, &parentReturn, &children, &count) == 0)
            continue;
        for (unsigned int i = 0; i < count; ++i) {
            if (Title(children[i]) == title) {
                // A program may keep an unmapped window of the same name; prefer the shown one.
                if (IsShown(children[i])) {
                    const unsigned long found = children[i];
                    XFree(children);
                    return found;
                }
                if (!hidden)
                    hidden = children[i];
            }
            pending.push_back(children[i]);
        }
        if (children != nullptr)
            XFree(children);
    }
    return hidden;
}

bool XProbe::IsShown(unsigned long window) const {
    XWindowAttributes attributes{};
    return XGetWindowAttributes(display_, window, &attributes) != 0 &&
           attributes.map_state == IsViewable;
}

std::vector<unsigned long> XProbe::ShownTopLevels() const {
    std::vector<unsigned long> result;
    Window rootReturn = 0;
    Window parentReturn = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display_, Root(), &rootReturn, &parentReturn, &children, &count) == 0)
        return result;
    for (unsigned int i = 0; i < count; ++i)
        if (IsShown(children[i]))
            result.push_back(children[i]);
    if (children != nullptr)
        XFree(children);
    return result;
}

std::optional<unsigned long> XProbe::WaitMapped(const QString& title,
                                                std::chrono::milliseconds timeout,
                                                std::chrono::milliseconds pollInterval) const {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (const auto window = FindWindow(title); window && IsShown(*window))
            return window;
        if (std::chrono::steady_clock::now() >= deadline)
            return std::nullopt;
        std::this_thread::sleep_for(pollInterval);
    }
}

bool XProbe::WaitGone(const QString& title, std::chrono::milliseconds timeout) const {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        const auto window = FindWindow(title);
        if (!window || !IsShown(*window))
            return true;
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

std::optional<QRect> XProbe::Geometry(unsigned long window) const {
    XWindowAttributes attributes{};
    if (XGetWindowAttributes(display_, window, &attributes) == 0)
        return std::nullopt;
    int x = 0;
    int y = 0;
    Window child = 0;
    XTranslateCoordinates(display_, window, Root(), 0, 0, &x, &y, &child);
    return QRect(x, y, attributes.width, attributes.height);
}

std::vector<QRect> XProbe::ShapeRectangles(unsigned long window) const {
    std::vector<QRect> result;
    int count = 0;
    int ordering = 0;
    XRectangle* rects = XShapeGetRectangles(display_, window, ShapeBounding, &count, &ordering);
    for (int i = 0; i < count; ++i)
        result.emplace_back(rects[i].x, rects[i].y, rects[i].width, rects[i].height);
    if (rects != nullptr)
        XFree(rects);
    return result;
}

QImage XProbe::Grab(const QRect& rect) const {
    const QRect r = rect.intersected(QRect(QPoint(0, 0), ScreenSize()));
    if (r.isEmpty())
        return {};
    XImage* image = XGetImage(display_, Root(), r.x(), r.y(), static_cast<unsigned>(r.width()),
                              static_cast<unsigned>(r.height()), AllPlanes, ZPixmap);
    if (image == nullptr)
        return {};
    const int redShift = ShiftOf(image->red_mask);
    const int greenShift = ShiftOf(image->green_mask);
    const int blueShift = ShiftOf(image->blue_mask);
    QImage result(r.size(), QImage::Format_RGB32);
    for (int y = 0; y < r.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < r.width(); ++x) {
            const unsigned long p = XGetPixel(image, x, y);
            line[x] = qRgb(static_cast<int>((p & image->red_mask) >> redShift),
                           static_cast<int>((p & image->green_mask) >> greenShift),
                           static_cast<int>((p & image->blue_mask) >> blueShift));
        }
    }
    XDestroyImage(image);
    return result;
}

QImage XProbe::GrabScreen() const {
    return Grab(QRect(QPoint(0, 0), ScreenSize()));
}

void XProbe::MovePointer(int x, int y) const {
    XTestFakeMotionEvent(display_, -1, x, y, CurrentTime);
    Sync();
}

void XProbe::MovePointerBy(int dx, int dy) const {
    XTestFakeRelativeMotionEvent(display_, dx, dy, CurrentTime);
    Sync();
}

QPoint XProbe::PointerPosition() const {
    Window root = 0;
    Window child = 0;
    int rootX = 0;
    int rootY = 0;
    int winX = 0;
    int winY = 0;
    unsigned int mask = 0;
    XQueryPointer(display_, Root(), &root, &child, &rootX, &rootY, &winX, &winY, &mask);
    return {rootX, rootY};
}

void XProbe::Button(int button, bool press) const {
    XTestFakeButtonEvent(display_, static_cast<unsigned>(button), press ? True : False,
                         CurrentTime);
    Sync();
}

bool XProbe::Key(const char* keysymName, bool press) const {
    const KeySym keysym = XStringToKeysym(keysymName);
    if (keysym == NoSymbol)
        return false;
    const KeyCode code = XKeysymToKeycode(display_, keysym);
    if (code == 0)
        return false;
    XTestFakeKeyEvent(display_, code, press ? True : False, CurrentTime);
    Sync();
    return true;
}

bool XProbe::TapKey(const char* keysymName) const {
    return Key(keysymName, true) && Key(keysymName, false);
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
    Sync();
    return sent != 0;
}

void XProbe::Sync() const {
    XSync(display_, False);
}

} // namespace orbo
