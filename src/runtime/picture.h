// Picture: an immutable shared image, its sizes, the magenta key colour and the decoder.
#pragma once

#include "runtime/units.h"

#include <QtCore/QString>
#include <QtGui/QImage>

#include <functional>
#include <memory>
#include <optional>

namespace orbo {

// An immutable picture shared by reference, or empty. Its pixels are opaque RGB32.
class Picture {
public:
    Picture() = default;
    explicit Picture(const QImage& image);

    bool IsEmpty() const { return !image_; }
    // Empty image for an empty picture.
    const QImage& Image() const;
    // Natural size in whole HIMETRIC units; 0 for an empty picture.
    int WidthHimetric() const;
    int HeightHimetric() const;
    // Natural size in twips, the HIMETRIC size converted by the units; 0 x 0 when empty.
    TwipsSize SizeInTwips(const Units& units) const;
    // Same picture object (not merely equal pixels).
    bool SameAs(const Picture& other) const { return image_ == other.image_; }
    const void* Identity() const { return image_.get(); }

private:
    std::shared_ptr<const QImage> image_;
};

// What a picture is for decides what its see-through pixels (alpha below 128) become: the colour
// under which the pixel leaves the window unchanged when the picture is drawn.
enum class PictureRole {
    Background, // transparent magenta: outside the window's shape
    Pic,        // black: SRCPAINT leaves the destination alone
    Mask,       // white: SRCAND leaves the destination alone
};

// The key colour: background pixels of exactly this colour lie outside the window's shape.
inline constexpr QRgb kMagentaRgb = qRgb(255, 0, 255);

// Largest width or height accepted from a file; larger ones are refused unread.
inline constexpr int kMaxPictureSide = 8192;

// Asked whether a picture of this size may be decoded: with the size the file's header gives,
// before anything is decoded, and again with the decoded size.
using PictureSizeCheck = std::function<bool(QSize)>;

// Decodes a picture from bytes. Refuses pictures larger than kMaxPictureSide on a side, what
// fits refuses, and anything the decoder refuses.
std::optional<Picture> DecodePicture(const QByteArray& bytes, PictureRole role,
                                     const PictureSizeCheck& fits = {});

} // namespace orbo
