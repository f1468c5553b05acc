// XProbe: reads windows, pixels and shapes on an X server and drives pointer and keyboard.
#pragma once

#include <QtCore/QRect>
#include <QtCore/QString>
#include <QtCore/QStringList>
#include <QtGui/QImage>
#include <QtGui/QRegion>

#include <chrono>
#include <memory>
#include <optional>
#include <vector>

struct _XDisplay;

namespace orbo {

class RemoteDesktop;

// Finds windows on an X server, reads what they show, and drives pointer and keys (XTest).
class XProbe {
public:
    // Connects to displayName, or to $DISPLAY when it is empty.
    explicit XProbe(const QString& displayName = {});
    ~XProbe();
    XProbe(const XProbe&) = delete;
    XProbe& operator=(const XProbe&) = delete;

    bool Connected() const { return display_ != nullptr; }
    unsigned long Root() const;
    QSize ScreenSize() const;

    // The viewable windows at any depth, parents before their children.
    std::vector<unsigned long> ShownWindows() const;
    // Polls for a viewable window whose _NET_WM_NAME or WM_NAME is title.
    std::optional<unsigned long> WaitMapped(const QString& title,
                                            std::chrono::milliseconds timeout) const;
    bool WaitGone(const QString& title, std::chrono::milliseconds timeout) const;

    // The window it is a child of (the root for a top-level window); 0 when it is gone.
    unsigned long Parent(unsigned long window) const;
    QString Title(unsigned long window) const;
    QString WmClass(unsigned long window) const; // "instance,class"
    // A property of 32-bit items (atoms, cardinals, WM_HINTS); empty when it is missing.
    std::vector<unsigned long> Property32(unsigned long window, const char* name) const;
    QStringList AtomNames(unsigned long window, const char* name) const;
    // A plain mapped top-level window that takes the focus and the button presses made on it
    // (so a press there grabs the pointer for this client), like one a user types in.
    unsigned long CreatePlainWindow(const QRect& rect) const;
    unsigned long FocusedWindow() const;
    void Focus(unsigned long window) const;
    // The button presses a window made by CreatePlainWindow received since last asked.
    int ButtonPresses(unsigned long window) const;
    // Asks the window manager, as a program does, to make the window full-screen or leave it so.
    bool SetFullScreen(unsigned long window, bool fullScreen) const;
    void DestroyWindow(unsigned long window) const;

    // On the root window; the bounding shape in window coordinates.
    std::optional<QRect> Geometry(unsigned long window) const;
    QRegion Shape(unsigned long window) const;
    // What the screen shows in rect, clipped to the screen.
    QImage Grab(const QRect& rect) const;
    // What the window itself holds, for an X server whose windows show on no screen of its own
    // (the XWayland of a headless session), marked so.
    QImage GrabWindow(unsigned long window) const;
    void SetHeadless() { headless_ = true; }
    bool Headless() const { return headless_; }

    // A headless GNOME Shell hears no XTest: from now on the pointer and keys go through its
    // RemoteDesktop on that session bus, in one session this probe keeps, on a monitor of this
    // probe's screen size. Whether it started. No address: XTest again.
    bool DriveThroughRemoteDesktop(const QString& busAddress);

    void MovePointer(int x, int y) const;
    // Moves it as a program does, with no input event.
    void WarpPointer(int x, int y) const;
    // Takes (or gives back) an active pointer grab, as a program does while it moves a window or
    // shows a menu; whether it was had.
    bool GrabPointer(bool grab) const;
    void Button(int button, bool press) const;
    // Presses and releases a key by its keysym name ("Down", "Escape"), the held keys
    // ("Control_L") pressed before it and released after.
    bool TapKey(const char* keysymName, const std::vector<const char*>& held = {}) const;
    // Holds a key with these X modifiers (ControlMask 4, Mod1Mask 8) for this client, as a
    // program with a global shortcut does; whether it was had.
    bool GrabKey(const char* keysymName, unsigned int modifiers) const;
    // Asks the window to close as a window manager would.
    bool SendDeleteWindow(unsigned long window) const;

private:
    QByteArray Property(unsigned long window, const char* name, int* format = nullptr) const;

    _XDisplay* display_ = nullptr;
    bool headless_ = false;
    std::unique_ptr<RemoteDesktop> remote_;
};

} // namespace orbo
