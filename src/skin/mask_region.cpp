// The window's shape from a background picture, built from runs of non-key pixels.
#include "mask_region.h"

#include "runtime/region.h"
#include "runtime/surface.h"

#include <QtCore/QRect>

#include <algorithm>
#include <vector>

namespace orbo {

QSize MaskSurfaceSize(const Picture& picture, const Units& units) {
    const TwipsSize twips = picture.SizeInTwips(units);
    return QSize(std::max(0, units.PixelsX(twips.Width).value_or(0)),
                 std::max(0, units.PixelsY(twips.Height).value_or(0)));
}

QRegion BuildMaskRegion(const Picture& picture, std::uint32_t transparent, const Units& units) {
    const QSize size = MaskSurfaceSize(picture, units);
    const int columns = size.width();
    const int rows = size.height();
    const QImage& image = picture.Image(); // RGB32: every pixel 0xFFRRGGBB
    const bool matchable = (transparent & 0xFF000000u) == 0;
    const QRgb key = RgbFromColorRef(transparent);
    const int readableRows = std::min(rows, image.height());
    const int readableColumns = std::min(columns, image.width());

    std::vector<QRect> runs;
    for (int y = 0; y < rows; ++y) {
        if (y >= readableRows || !matchable) {
            if (columns > 0)
                runs.emplace_back(0, y, columns, 1);
            continue;
        }
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        int x = 0;
        while (x < columns) {
            while (x < readableColumns && line[x] == key)
                ++x;
            if (x >= columns)
                break;
            const int start = x;
            while (x < readableColumns && line[x] != key)
                ++x;
            if (x >= readableColumns)
                x = columns; // the unreadable rest of the row is inside
            runs.emplace_back(start, y, x - start, 1);
        }
    }
    QRegion region;
    if (!runs.empty())
        region.setRects(runs.data(), static_cast<int>(runs.size()));
    return region;
}

QRegion BuildEmptyRegion() {
    QRegion region = CreateRectRgn(0, 0, 0, 0);
    const QRegion ellipse = CreateEllipticRgn(0, 0, 0, 0);
    CombineRgn(region, ellipse, ellipse, RegionOp::Copy);
    return region;
}

} // namespace orbo
