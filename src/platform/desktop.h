#pragma once

#include "units.h"

#include <QtCore/QPoint>
#include <QtCore/QSize>

#include <memory>

namespace orbo {

// Virtual-key codes of the three mouse buttons.
enum VirtualKey : int { VK_LBUTTON = 1, VK_RBUTTON = 2, VK_MBUTTON = 4 };

// What the program asks of the desktop: the global cursor and mouse buttons and the primary
// screen's size. Positions are in pixels; one pixel is TwipsPerPixel twips.
class Desktop {
public:
    virtual ~Desktop() = default;

    virtual QPoint GetCursorPos() = 0;
    // True while the button is held, wherever the cursor is.
    virtual bool GetAsyncKeyState(int virtualKey) = 0;
    virtual QSize ScreenSizePixels() const = 0;
    virtual Units ScreenUnits() const { return {}; }

    // Screen.Width and Screen.Height: the primary screen in twips.
    float ScreenWidth() const;
    float ScreenHeight() const;
    int TwipsPerPixelX() const { return ScreenUnits().TwipsPerPixelX; }
    int TwipsPerPixelY() const { return ScreenUnits().TwipsPerPixelY; }
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
    bool GetAsyncKeyState(int virtualKey) override {
        return (virtualKey == VK_LBUTTON && Left) || (virtualKey == VK_RBUTTON && Right) ||
               (virtualKey == VK_MBUTTON && Middle);
    }
    QSize ScreenSizePixels() const override { return Screen; }
    Units ScreenUnits() const override { return ScriptedUnits; }

    QPoint Cursor{0, 0};
    bool Left = false;
    bool Right = false;
    bool Middle = false;
    QSize Screen{1024, 768};
    Units ScriptedUnits{};
    int CursorReads = 0;
};

} // namespace orbo
