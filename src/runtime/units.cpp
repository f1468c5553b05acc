// Conversions between twips, pixels and HIMETRIC.
#include "units.h"

#include "runtime/arith.h"

namespace orbo {

namespace {

constexpr double kTwipsPerInch = 1440.0;
constexpr double kHimetricPerInch = 2540.0;

double ToTwips(double value, ScaleUnit from, int twipsPerPixel) {
    switch (from) {
    case ScaleUnit::Pixels:
        return value * twipsPerPixel;
    case ScaleUnit::Himetric:
        return value * kTwipsPerInch / kHimetricPerInch;
    case ScaleUnit::Twips:
        break;
    }
    return value;
}

double FromTwips(double twips, ScaleUnit to, int twipsPerPixel) {
    switch (to) {
    case ScaleUnit::Pixels:
        return twips / twipsPerPixel;
    case ScaleUnit::Himetric:
        return twips * kHimetricPerInch / kTwipsPerInch;
    case ScaleUnit::Twips:
        break;
    }
    return twips;
}

} // namespace

float Units::ScaleX(double value, ScaleUnit from, ScaleUnit to) const {
    return static_cast<float>(FromTwips(ToTwips(value, from, TwipsPerPixelX), to, TwipsPerPixelX));
}

float Units::ScaleY(double value, ScaleUnit from, ScaleUnit to) const {
    return static_cast<float>(FromTwips(ToTwips(value, from, TwipsPerPixelY), to, TwipsPerPixelY));
}

std::optional<std::int32_t> Units::PixelsX(double twips) const {
    return RoundToInt32(ExactPixelsX(twips));
}

std::optional<std::int32_t> Units::PixelsY(double twips) const {
    return RoundToInt32(ExactPixelsY(twips));
}

std::optional<std::int16_t> Units::Pixels16X(float twips) const {
    return RoundToInt16(twips / static_cast<float>(TwipsPerPixelX));
}

std::optional<std::int16_t> Units::Pixels16Y(float twips) const {
    return RoundToInt16(twips / static_cast<float>(TwipsPerPixelY));
}

int PixelsToHimetric(int pixels) {
    return RoundToInt32(pixels * kHimetricPerInch / 96.0).value_or(0);
}

} // namespace orbo
