// The desktop: global cursor, mouse buttons and monitors, as the platform tells them.
#pragma once

#include "runtime/monitors.h"
#include "runtime/units.h"

#include <QtCore/QKeyCombination>
#include <QtCore/QPoint>
#include <QtCore/QSize>
#include <QtCore/QString>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

class QObject;

namespace orbo {

// The three mouse buttons, valued as the button codes of mouse events (Windows calls them
// VK_LBUTTON, VK_RBUTTON and VK_MBUTTON).
enum class MouseButton : int { Left = 1, Right = 2, Middle = 4 };

// The button code the mouse handlers take: one button's value, or the sum of those held.
constexpr int ButtonCode(MouseButton button) {
    return static_cast<int>(button);
}
inline int ButtonCode(Qt::MouseButtons buttons) {
    return (buttons.testFlag(Qt::LeftButton) ? ButtonCode(MouseButton::Left) : 0) |
           (buttons.testFlag(Qt::RightButton) ? ButtonCode(MouseButton::Right) : 0) |
           (buttons.testFlag(Qt::MiddleButton) ? ButtonCode(MouseButton::Middle) : 0);
}

// What the program asks of the desktop: the global cursor and mouse buttons, the primary
// screen's size and every monitor's place. Positions are in device-independent pixels (Qt's; the
// window system's device pixels are converted here); one pixel is TwipsPerPixel twips.
class Desktop {
public:
    Desktop();
    virtual ~Desktop();
    // A copy listens to nothing: the watch and the listener belong to the original.
    Desktop(const Desktop&);
    Desktop& operator=(const Desktop&);

    virtual QPoint PointerPosition() = 0;
    // True while the button is held, wherever the cursor is.
    virtual bool ButtonDown(MouseButton button) = 0;
    virtual QSize ScreenSizePixels() const = 0;
    virtual Units ScreenUnits() const { return {}; }
    // The monitors, the primary first. By default one, the primary screen at 0,0.
    virtual Monitors GetMonitors() const;

    // Screen.Width and Screen.Height: the primary screen in twips.
    float ScreenWidth() const;
    float ScreenHeight() const;
    // The primary monitor's top-left corner, and the box around every monitor, in twips.
    QPointF PrimaryOrigin() const;
    TwipsRect DesktopBox() const;
    int TwipsPerPixelX() const { return ScreenUnits().TwipsPerPixelX; }
    int TwipsPerPixelY() const { return ScreenUnits().TwipsPerPixelY; }

    // Whether this desktop calls the input listener on every pointer motion, button press or
    // release and screen-size change. Only then may a still program stop asking: what it cannot
    // be told (a warped pointer) it catches up with by a slow Refresh.
    virtual bool AnnouncesInput() const { return false; }
    // Called on the user-interface thread when the pointer, a button or the screen may have
    // changed.
    void SetInputListener(std::function<void()> listener) { inputListener_ = std::move(listener); }
    // Drops anything remembered, so the next read asks the window system.
    virtual void Refresh() {}
    // The creature's animation interval (ms): a source that reports the pointer need not report
    // more often.
    virtual void SetAnimationInterval(int) {}
    // Whether the cursor is known wherever it is. Not so for an X11 program under a Wayland
    // desktop that tells it nothing: XWayland sees the pointer only over X11 windows.
    virtual bool FollowsPointerEverywhere() const { return true; }
    // Where it does not, where the pointer is seen, in plain words; empty for the usual case,
    // an X11 program under Wayland.
    virtual QString WherePointerIsSeen() const { return {}; }
    // Where the user can make it follow the pointer everywhere, what to do, in plain words;
    // empty when nothing can be done.
    virtual QString HowToFollowEverywhere() const { return {}; }

    // Whether a key can be listened for everywhere on this desktop.
    virtual bool ListensForKeys() const { return false; }
    // Calls `pressed` on the user-interface thread whenever the key is pressed, whichever program
    // has the keyboard; a later call replaces the key, and an empty `pressed` lets it go. Nothing
    // when the key is the program's now, else why not, in words that follow "cannot hide and show
    // Orbo: ".
    virtual std::optional<QString> ListenForKey(QKeyCombination key, std::function<void()> pressed);
    // Told why not when the key is found taken later, where the desktop learns it only then; told
    // nothing ("") when it finds only then that it lets no program listen for a key everywhere.
    void SetKeyRefusalListener(std::function<void(const QString& why)> listener) {
        keyRefusalListener_ = std::move(listener);
    }

    // The person's absence, by the desktop's idle time, which every input counts (a key typed with
    // the pointer still too): from now on the away listener is told true once nobody touched the
    // mouse or the keyboard for `after`, and false at the first input after that; zero watches
    // nothing. Where the desktop cannot tell, the listener is never called.
    virtual void WatchAway(std::chrono::milliseconds) {}
    void SetAwayListener(std::function<void(bool away)> listener) {
        awayListener_ = std::move(listener);
    }

protected:
    void AwayChanged(bool away) {
        if (awayListener_)
            awayListener_(away);
    }
    void InputArrived() {
        if (inputListener_)
            inputListener_();
    }
    void KeyRefused(const QString& why) {
        if (keyRefusalListener_)
            keyRefusalListener_(why);
    }
    // Announces every change of the monitors (added, removed, moved, resized, rescaled) as input.
    void WatchScreens();

private:
    std::function<void()> inputListener_;
    std::function<void(const QString&)> keyRefusalListener_;
    std::function<void(bool)> awayListener_;
    std::unique_ptr<QObject> screenWatch_;
};

// A desktop that takes everything from another, with what it does otherwise overridden; the other's
// news (input, refusals, the person away) passed on as its own.
class PassThroughDesktop : public Desktop {
public:
    explicit PassThroughDesktop(std::unique_ptr<Desktop> inner);

    QPoint PointerPosition() override { return inner_->PointerPosition(); }
    bool ButtonDown(MouseButton button) override { return inner_->ButtonDown(button); }
    QSize ScreenSizePixels() const override { return inner_->ScreenSizePixels(); }
    Units ScreenUnits() const override { return inner_->ScreenUnits(); }
    Monitors GetMonitors() const override { return inner_->GetMonitors(); }
    bool AnnouncesInput() const override { return inner_->AnnouncesInput(); }
    void Refresh() override { inner_->Refresh(); }
    void SetAnimationInterval(int milliseconds) override {
        inner_->SetAnimationInterval(milliseconds);
    }
    bool FollowsPointerEverywhere() const override { return inner_->FollowsPointerEverywhere(); }
    QString WherePointerIsSeen() const override { return inner_->WherePointerIsSeen(); }
    QString HowToFollowEverywhere() const override { return inner_->HowToFollowEverywhere(); }
    bool ListensForKeys() const override { return inner_->ListensForKeys(); }
    std::optional<QString> ListenForKey(QKeyCombination key,
                                        std::function<void()> pressed) override {
        return inner_->ListenForKey(key, std::move(pressed));
    }
    void WatchAway(std::chrono::milliseconds after) override { inner_->WatchAway(after); }

private:
    std::unique_ptr<Desktop> inner_;
};

// The desktop of the platform the program runs on: X11, Windows, or Qt's own view of it.
std::unique_ptr<Desktop> MakeDesktop();

// Whether a Wayland compositor runs the session (it names its socket in WAYLAND_DISPLAY): an X11
// program there runs on XWayland.
bool InWaylandSession();

} // namespace orbo
