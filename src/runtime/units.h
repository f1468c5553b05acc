// Units: twips, pixels and HIMETRIC, and rectangles and sizes in twips.
#pragma once

#include <cstdint>
#include <optional>

namespace orbo {

// The unit codes of ScaleX / ScaleY.
enum class ScaleUnit { Twips = 1, Pixels = 3, Himetric = 8 };

// Conversions between twips, pixels and HIMETRIC for a screen of a given twips-per-pixel.
struct Units {
    int TwipsPerPixelX = 15;
    int TwipsPerPixelY = 15;

    // Worked in double precision, the result single precision.
    float ScaleX(double value, ScaleUnit from, ScaleUnit to) const;
    float ScaleY(double value, ScaleUnit from, ScaleUnit to) const;

    // Twips to pixels in double precision, unrounded.
    double ExactPixelsX(double twips) const { return twips / TwipsPerPixelX; }
    double ExactPixelsY(double twips) const { return twips / TwipsPerPixelY; }

    // Window-system positions: twips to whole pixels, nearest with halves to even.
    std::optional<std::int32_t> PixelsX(double twips) const;
    std::optional<std::int32_t> PixelsY(double twips) const;

    // The 16-bit pixel positions that X11 and the always-on-top call take: twips divided in
    // single precision, then nearest with halves to even.
    std::optional<std::int16_t> Pixels16X(float twips) const;
    std::optional<std::int16_t> Pixels16Y(float twips) const;
};

// A place and size in twips: a window's, a control's, or a part of a picture in its own twips.
struct TwipsRect {
    float Left = 0;
    float Top = 0;
    float Width = 0;
    float Height = 0;

    bool operator==(const TwipsRect&) const = default;
};

// A size in twips.
struct TwipsSize {
    float Width = 0;
    float Height = 0;
};

// A picture's natural size in whole HIMETRIC units (at 96 pixels per inch).
int PixelsToHimetric(int pixels);

} // namespace orbo
