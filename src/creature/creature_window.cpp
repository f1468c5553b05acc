// Twips geometry over whole pixels: a value that is no pixel number leaves it alone.
#include "creature_window.h"

namespace orbo {

bool PixelGeometry::SetLeft(float twips) {
    const auto px = units_.PixelsX(twips);
    if (!px)
        return false;
    rect_.moveLeft(*px);
    return true;
}

bool PixelGeometry::SetTop(float twips) {
    const auto px = units_.PixelsY(twips);
    if (!px)
        return false;
    rect_.moveTop(*px);
    return true;
}

bool PixelGeometry::SetWidth(float twips) {
    const auto px = units_.PixelsX(twips);
    if (!px || *px < 0)
        return false;
    rect_.setWidth(*px);
    return true;
}

bool PixelGeometry::SetHeight(float twips) {
    const auto px = units_.PixelsY(twips);
    if (!px || *px < 0)
        return false;
    rect_.setHeight(*px);
    return true;
}

} // namespace orbo
