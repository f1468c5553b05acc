// Decoding pictures, with see-through pixels made the colour of their role.
#include "picture.h"

#include "runtime/units.h"

#include <QtCore/QBuffer>
#include <QtGui/QImageReader>

namespace orbo {

namespace {

QRgb SeeThroughColour(PictureRole role) {
    switch (role) {
    case PictureRole::Background:
        return kMagentaRgb;
    case PictureRole::Pic:
        return qRgb(0, 0, 0);
    case PictureRole::Mask:
        break;
    }
    return qRgb(255, 255, 255);
}

// Converted in place: a picture near the size limit is not held twice while it is made opaque.
QImage Opaque(QImage image, PictureRole role) {
    if (!image.hasAlphaChannel()) {
        image.convertTo(QImage::Format_RGB32);
        return image;
    }
    image.convertTo(QImage::Format_ARGB32);
    const QRgb fill = SeeThroughColour(role);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = qAlpha(line[x]) < 128 ? fill : (line[x] | 0xFF000000u);
    }
    image.convertTo(QImage::Format_RGB32);
    return image;
}

bool Refused(QSize size, const PictureSizeCheck& fits) {
    return size.width() > kMaxPictureSide || size.height() > kMaxPictureSide ||
           (fits && !fits(size));
}

} // namespace

Picture::Picture(const QImage& image)
    : image_(image.isNull()
                 ? nullptr
                 : std::make_shared<const QImage>(image.convertToFormat(QImage::Format_RGB32))) {}

const QImage& Picture::Image() const {
    static const QImage empty;
    return image_ ? *image_ : empty;
}

int Picture::WidthHimetric() const {
    return image_ ? PixelsToHimetric(image_->width()) : 0;
}

int Picture::HeightHimetric() const {
    return image_ ? PixelsToHimetric(image_->height()) : 0;
}

TwipsSize Picture::SizeInTwips(const Units& units) const {
    return {units.ScaleX(WidthHimetric(), ScaleUnit::Himetric, ScaleUnit::Twips),
            units.ScaleY(HeightHimetric(), ScaleUnit::Himetric, ScaleUnit::Twips)};
}

std::optional<Picture> DecodePicture(const QByteArray& bytes, PictureRole role,
                                     const PictureSizeCheck& fits) {
    QByteArray data = bytes;
    QBuffer buffer(&data);
    if (!buffer.open(QIODevice::ReadOnly))
        return std::nullopt;
    QImageReader reader(&buffer);
    // The header's size is checked before anything is decoded (decompression bombs).
    const QSize size = reader.size();
    if (size.isValid() && Refused(size, fits))
        return std::nullopt;
    reader.setAllocationLimit(256);
    QImage decoded = reader.read();
    if (decoded.isNull() || Refused(decoded.size(), fits))
        return std::nullopt;
    return Picture(Opaque(std::move(decoded), role));
}

} // namespace orbo
