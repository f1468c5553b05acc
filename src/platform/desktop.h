#pragma once

#include "units.h"

#include <QtCore/QPoint>
#include <QtCore/QSize>

#include <functional>
#include <memory>

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

// What the program asks of the desktop: the global cursor and mouse buttons and the primary
// screen's size. Positions are in pixels; one pixel is TwipsPerPixel twips.
class Desktop {
public:
    virtual ~Desktop() = default;

    virtual QPoint GetCursorPos() = 0;
    // True while the button is held, wherever the cursor is.
    virtual bool GetAsyncKeyState(MouseButton button) = 0;
    virtual QSize ScreenSizePixels() const = 0;
    virtual Units ScreenUnits() const { return {}; }

    // Screen.Width and Screen.Height: the primary screen in twips.
    float ScreenWidth() const;
    float ScreenHeight() const;
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

protected:
    void InputArrived() {
        if (inputListener_)
            inputListener_();
    }

private:
    std::function<void()> inputListener_;
};

// The desktop of the platform the program runs on: X11, Windows, or Qt's own view of it.
std::unique_ptr<Desktop> MakeDesktop();

// A desktop that answers what a test tells it.
class ScriptedDesktop : public Desktop {
public:
    QPoint GetCursorPos() override {
        ++CursorReads;
        return Cursor;
    }
    bool GetAsyncKeyState(MouseButton button) override {
        return (button == MouseButton::Left && Left) || (button == MouseButton::Right && Right) ||
               (button == MouseButton::Middle && Middle);
    }
    QSize ScreenSizePixels() const override { return Screen; }
    Units ScreenUnits() const override { return ScriptedUnits; }
    bool AnnouncesInput() const override { return Announces; }
    // What a real desktop does when the pointer moves.
    void Announce() { InputArrived(); }

    QPoint Cursor{0, 0};
    bool Left = false;
    bool Right = false;
    bool Middle = false;
    QSize Screen{1024, 768};
    Units ScriptedUnits{};
    bool Announces = false;
    int CursorReads = 0;
};

} // namespace orbo
