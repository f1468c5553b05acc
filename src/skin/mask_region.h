// The window's shape from a background picture: every pixel not of the key colour.
#pragma once

#include "runtime/picture.h"
#include "runtime/units.h"

#include <QtCore/QSize>
#include <QtGui/QRegion>

#include <cstdint>

namespace orbo {

// Columns and rows of the surface that holds picture: its natural size converted to twips as
// the window measures it, then to whole pixels, rounded half to even. For a bitmap at 15 twips
// per pixel this is its size in pixels.
QSize MaskSurfaceSize(const Picture& picture, const Units& units);

// The pixels of picture whose colour is not transparent (0x00BBGGRR), one window pixel per
// picture pixel. A transparent value with the top byte set (a system colour) matches no pixel.
// Where the surface is larger than the decoded image the pixels cannot be read and so count as
// inside, as an unreadable pixel does. Runs of each row are collected in one pass over the
// scan lines and the region is built once.
QRegion BuildMaskRegion(const Picture& picture, std::uint32_t transparent, const Units& units = {});

// A region with no pixels: the shape the window wears while its mask is being built.
QRegion BuildEmptyRegion();

} // namespace orbo
