#pragma once

#include <QtCore/QRect>
#include <QtCore/QString>
#include <QtCore/QStringList>
#include <QtGui/QImage>

#include <chrono>
#include <optional>
#include <utility>
#include <vector>

// Xlib types, declared here so users of the probe need not include the X headers.
struct _XDisplay;

namespace orbo {

// A client of a live X server that finds windows, reads back what they show and drives the
// pointer the way a user would (XTest), for end-to-end tests and scripts.
class XProbe {
public:
    // Connects to displayName, or to $DISPLAY when it is empty. Connected() tells whether it did.
    explicit XProbe(const QString& displayName = {});
    ~XProbe();
    XProbe(const XProbe&) = delete;
    XProbe& operator=(const XProbe&) = delete;

    bool Connected() const { return display_ != nullptr; }
    QSize ScreenSize() const;

    // The first window below the root (at any depth) whose WM_NAME or _NET_WM_NAME is title.
    std::optional<unsigned long> FindWindow(const QString& title) const;
    // Polls every pollInterval until a window of that title exists and is viewable.
    std::optional<unsigned long>
    WaitMapped(const QString& title, std::chrono::milliseconds timeout,
               std::chrono::milliseconds pollInterval = std::chrono::milliseconds(5)) const;
    // Polls until no viewable window of that title is left.
    bool WaitGone(const QString& title, std::chrono::milliseconds timeout) const;
    bool IsShown(unsigned long window) const;
    // The shown children of the root window, bottom to top.
    std::vector<unsigned long> ShownTopLevels() const;

    // A property of 32-bit items (atoms, cardinals, windows); empty when it is missing.
    std::vector<unsigned long> Property32(unsigned long window, const char* name) const;
    // The names in an atom-list property such as _NET_WM_STATE.
    QStringList AtomNames(unsigned long window, const char* name) const;
    // The input field of WM_HINTS: whether the window lets the window manager give it the
    // keyboard focus; nothing when the window sets no such hint.
    std::optional<bool> WmInputHint(unsigned long window) const;
    // The minimum and maximum sizes of WM_NORMAL_HINTS, where both are set.
    std::optional<std::pair<QSize, QSize>> SizeLimits(unsigned long window) const;
    // Whether a window manager that follows the EWMH runs on the display.
    bool WindowManagerRunning() const;

    // A plain top-level window of the probe's own, mapped, accepting the focus, like the window
    // a user types in; 0 when it could not be made.
    unsigned long CreatePlainWindow(const QRect& rect, const QString& title) const;
    void DestroyWindow(unsigned long window) const;
    // The window that has the keyboard focus.
    unsigned long FocusedWindow() const;

    // Position on the root window and size, in pixels.
    std::optional<QRect> Geometry(unsigned long window) const;
    // The bounding shape's rectangles in window coordinates; an unshaped window gives its
    // whole rectangle.
    std::vector<QRect> ShapeRectangles(unsigned long window) const;
    QString WmClass(unsigned long window) const; // "instance,class"
    QString Title(unsigned long window) const;
    std::optional<unsigned long> Pid(unsigned long window) const;

    // What the screen shows in rect (root coordinates), clipped to the screen.
    QImage Grab(const QRect& rect) const;
    QImage GrabScreen() const;

    // Pointer, through XTest so that it is real input with motion events.
    void MovePointer(int x, int y) const;
    void MovePointerBy(int dx, int dy) const;
    QPoint PointerPosition() const;
    void Button(int button, bool press) const;
    // A key by its keysym name ("Down", "o", "Return"), through XTest. False when the server's
    // keyboard map has no key for it.
    bool Key(const char* keysymName, bool press) const;
    bool TapKey(const char* keysymName) const;

    // Asks the window to close as a window manager would.
    bool SendDeleteWindow(unsigned long window) const;

    // Waits until the server has handled everything sent so far.
    void Sync() const;

private:
    unsigned long Root() const;
    QString Property(unsigned long window, const char* name, const char* type) const;

    _XDisplay* display_ = nullptr;
};

} // namespace orbo
