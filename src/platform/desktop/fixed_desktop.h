// A desktop that stays as it is given: one screen, a cursor and the buttons held.
#pragma once

#include "platform/desktop/desktop.h"

namespace orbo {

// What the skin checker draws the creature on: nothing moves unless the owner moves it.
class FixedDesktop : public Desktop {
public:
    QPoint PointerPosition() override { return Cursor; }
    bool ButtonDown(MouseButton button) override {
        return (button == MouseButton::Left && Left) || (button == MouseButton::Right && Right) ||
               (button == MouseButton::Middle && Middle);
    }
    QSize ScreenSizePixels() const override { return Screen; }
    Monitors GetMonitors() const override { return {Monitor{QRect(QPoint(), Screen), Ratio}}; }

    QPoint Cursor{0, 0};
    bool Left = false;
    bool Right = false;
    bool Middle = false;
    QSize Screen{1024, 768};
    qreal Ratio = 1;
};

} // namespace orbo
