// The motion rules of the eye kinds: where an eye looks for a cursor position, as pure functions.
#pragma once

#include "runtime/units.h"

#include <QtCore/QPoint>

#include <cstdint>
#include <optional>

namespace orbo {

// The motion rules are pure: the tick reads the cursor once per eye and hands it in, so none of
// them talks to the window system. Every rule gives no value where a step of it cannot be done
// (a division by zero, a result that does not fit its integer type); the tick then draws nothing
// for that eye.

// Where the top-left corner of an "auto" eye's picture may go, in window twips.
struct TravelBox {
    std::int32_t X = 0;
    std::int32_t Y = 0;
    std::int32_t Width = 0;  // the box's width less the picture's
    std::int32_t Height = 0; // the box's height less the picture's
};

// The screen as the rules see it: Screen.Width and Screen.Height in twips, and the conversion
// between twips and pixels. With several monitors it is the box around all of them, whose
// top-left corner (twips) is Left and Top: "auto" and "distan" measure their reach on it, "rect"
// and "matrix" map the cursor onto it.
struct ScreenTwips {
    float Width = 0;
    float Height = 0;
    Units ScaleUnits;
    float Left = 0;
    float Top = 0;
};

// What "auto" reads besides the eye: the cursor (screen pixels), the creature window's top-left
// corner (screen twips), the screen, and how many times as large the window shows its picture
// (the box's centre on the screen moves with it; its reach, measured on the screen, does not).
struct MotionInput {
    QPoint Cursor;
    float WindowLeft = 0;
    float WindowTop = 0;
    ScreenTwips Screen;
    double Size = 1;
};

// The direction from (x, y) to the cursor in degrees, clockwise on the screen from the west:
// 0 straight left, 90 straight above (also for the cursor on the centre), 180 straight right,
// 270 straight below. Held as a 32-bit float, as both direction rules need it.
float WestAngle(double x, double y, double px, double py);

// "auto": the point toward the cursor at which the picture's top-left corner is drawn, window
// twips.
std::optional<QPoint> GetAutoPosition(const TravelBox& box, const MotionInput& in);

// "frames" / "direct": the frame number, 1 to frames, for the direction from the eye centre
// (x, y), screen pixels, to the cursor.
std::optional<std::int16_t> GetFrameIndex(std::int16_t frames, float x, float y, QPoint cursor);

// "distan": the frame position, 0 to frames - 1, for the distance from the eye centre (screen
// pixels) to the cursor, spread evenly up to 87 % of the screen's diagonal. No value for a frame
// count of 0.
std::optional<std::uint8_t> GetDistanceIndex(QPoint centre, std::uint8_t frames, QPoint cursor,
                                             const ScreenTwips& screen);

// "rect": the cursor, screen pixels.
QPoint GetCursorPoint(QPoint cursor);

// "matrix": the column and row of the screen band under the cursor, nothing clamped (a cursor
// outside the screen gives a cell outside the grid).
std::optional<QPoint> GetMatrixCell(std::uint8_t columns, std::uint8_t rows, QPoint cursor,
                                    const ScreenTwips& screen);

// Whether a "blink" eye with button code m shows for the buttons held.
bool BlinkShows(std::uint8_t m, bool left, bool right, bool middle);

} // namespace orbo
