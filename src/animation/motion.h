#pragma once

#include "platform/units.h"

#include <QtCore/QPoint>

#include <cstdint>
#include <optional>

namespace orbo {

// Where the top-left corner of an "auto" eye's picture may go, in window twips.
struct TravelBox {
    std::int32_t X = 0;
    std::int32_t Y = 0;
    std::int32_t Width = 0;  // the box's width less the picture's
    std::int32_t Height = 0; // the box's height less the picture's
};

// What the motion rules read besides the eye: the cursor (screen pixels), the creature
// window's top-left corner (screen twips) and the screen's size (twips).
struct MotionInput {
    QPoint Cursor;
    float WindowLeft = 0;
    float WindowTop = 0;
    float ScreenWidth = 0;
    float ScreenHeight = 0;
    Units ScaleUnits;
};

// The point toward the cursor at which an "auto" eye's picture is drawn, window twips. No
// value when a result does not fit a 32-bit integer.
std::optional<QPoint> GetAutoPosition(const TravelBox& box, const MotionInput& in);

// Whether a "blink" eye with button code m shows for the buttons held.
bool BlinkShows(std::uint8_t m, bool left, bool right, bool middle);

} // namespace orbo
