// Rectangle and ellipse regions and their combination.
#include "region.h"

namespace orbo {

QRegion CreateRectRgn(int left, int top, int right, int bottom) {
    if (right <= left || bottom <= top)
        return {};
    return QRegion(left, top, right - left, bottom - top);
}

QRegion CreateEllipticRgn(int left, int top, int right, int bottom) {
    if (right <= left || bottom <= top)
        return {};
    return QRegion(left, top, right - left, bottom - top, QRegion::Ellipse);
}

void CombineRgn(QRegion& destination, const QRegion& source1, const QRegion& source2,
                RegionOp mode) {
    destination = mode == RegionOp::Or ? source1.united(source2) : source1;
}

} // namespace orbo
