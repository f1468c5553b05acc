// The window system's region calls over QRegion.
#pragma once

#include <QtGui/QRegion>

namespace orbo {

// The window system's region calls over QRegion values (pixels, right and bottom exclusive).
// Or unites the two sources (RGN_OR, 2); Copy takes the first (RGN_COPY, 5).
enum class RegionOp : int { Or = 2, Copy = 5 };

QRegion CreateRectRgn(int left, int top, int right, int bottom);
QRegion CreateEllipticRgn(int left, int top, int right, int bottom);
void CombineRgn(QRegion& destination, const QRegion& source1, const QRegion& source2,
                RegionOp mode);

} // namespace orbo
