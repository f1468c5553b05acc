#pragma once

#include <QtGui/QRegion>

namespace orbo {

// The window system's region calls over QRegion values (pixels, right and bottom exclusive).
enum CombineMode : int { RGN_OR = 2, RGN_COPY = 5 };

QRegion CreateRectRgn(int left, int top, int right, int bottom);
QRegion CreateEllipticRgn(int left, int top, int right, int bottom);
void CombineRgn(QRegion& destination, const QRegion& source1, const QRegion& source2,
                CombineMode mode);

} // namespace orbo
