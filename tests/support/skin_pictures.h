// Pictures and skin files for the skin tests.
#pragma once

#include "creature/default_skin.h"
#include "runtime/picture.h"
#include "runtime/region.h"
#include "runtime/surface.h"
#include "runtime/units.h"
#include "skin/mask_region.h"

#include <QtCore/QByteArray>
#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QString>
#include <QtGui/QColor>
#include <QtGui/QImage>

#include <cstdint>

namespace orbo::testing {

// The mask scan one pixel at a time: GetPixel on a surface holding the picture, and one
// CombineRgn per run. Slow on purpose; the fast scan must give the same pixels.
inline QRegion BuildMaskRegionByPixel(const Picture& picture, std::uint32_t transparent,
                                      const Units& units = {}) {
    const QSize size = MaskSurfaceSize(picture, units);
    Surface surface(units);
    // White, not magenta, where the surface is larger than the picture: such pixels are inside.
    surface.SetBackground(size, 0x00FFFFFF, picture);
    QRegion result = CreateRectRgn(0, 0, 0, 0);
    for (int y = 0; y < size.height(); ++y) {
        int x = 0;
        while (x < size.width()) {
            while (x < size.width() && surface.GetPixel(x, y) == transparent)
                ++x;
            if (x >= size.width())
                break;
            const int start = x;
            while (x < size.width() && surface.GetPixel(x, y) != transparent)
                ++x;
            const QRegion run = CreateRectRgn(start, y, x, y + 1);
            CombineRgn(result, result, run, RegionOp::Or);
        }
    }
    return result;
}

// The built-in skin's pictures, loaded once.
inline const DefaultSkinPictures& BuiltInPictures() {
    static const DefaultSkinPictures pictures = DefaultSkinPictures::Load();
    return pictures;
}

inline bool SamePixels(const QRegion& a, const QRegion& b) {
    return a.xored(b).isEmpty();
}

inline QImage SolidImage(int width, int height, QColor colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}
inline Picture Solid(int width, int height, QColor colour) {
    return Picture(SolidImage(width, height, colour));
}

// Writes a file (creating its folders) under root; returns false when that did not work.
inline bool WriteBytes(const QString& root, const QString& relative, const QByteArray& bytes) {
    const QString path = root + u'/' + relative;
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

inline bool WriteBmp(const QString& root, const QString& relative, const QImage& image) {
    const QString path = root + u'/' + relative;
    QDir().mkpath(QFileInfo(path).path());
    return image.save(path, "BMP");
}

} // namespace orbo::testing
