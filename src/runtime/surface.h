// Surface: the creature window's back buffer, its picture drawing and presenting.
#pragma once

#include "runtime/picture.h"
#include "runtime/units.h"

#include <QtCore/QRect>
#include <QtGui/QImage>
#include <QtGui/QRegion>

#include <cstdint>

class QPainter;
#include <optional>
#include <vector>

namespace orbo {

// How a picture combines with what is drawn: And is the window system's SRCAND, Paint its
// SRCPAINT.
enum class RasterOp : std::uint32_t {
    And = 0x8800C6,   // destination AND source
    Paint = 0xEE0086, // destination OR source
};

// The creature window's drawing: a back buffer holding the background colour and picture, onto
// which the eyes are combined. Drawing calls are collected and applied when the frame is
// presented; a frame made of the very same calls as the one before costs no pixel work at all.
// Reading the frame shows what was last presented and changes nothing.
class Surface {
public:
    explicit Surface(Units units = {});

    // Size in pixels, background colour (0x00BBGGRR) and picture drawn at the top-left corner.
    void SetBackground(QSize size, std::uint32_t backColor, const Picture& picture);
    QSize Size() const { return size_; }

    // Erases everything drawn since the last clear: background colour and picture remain.
    void Cls();
    // Draws a picture (or a part of it, in the picture's own twips) at (x, y) in twips,
    // unstretched, combined by op.
    // Fails (draws nothing) for an empty picture or a position that is no whole pixel value.
    bool PaintPicture(const Picture& picture, float x, float y,
                      const std::optional<TwipsRect>& source, RasterOp op);
    // The colour at pixel (x, y) of the presented frame as 0x00BBGGRR; all bits set outside
    // the surface.
    std::uint32_t GetPixel(int x, int y) const;

    // Applies the drawing calls since the last clear. Returns the pixels that changed on the
    // buffer since the last Present (empty when the frame is the same as the last one).
    QRegion Present();
    // The presented frame.
    const QImage& Image() const { return buffer_; }
    // Draws the presented frame's region (window pixels) with a painter of the given device
    // pixel ratio, the frame shown `size` times as large: each frame pixel covers whole window
    // pixels and each of those whole device pixels, by the rule the window's shape is scaled
    // with, so picture and outline meet exactly at any size on any display.
    void Draw(QPainter& painter, const QRegion& region, qreal ratio, qreal size = 1);

    // One drawing call, as collected.
    struct Op {
        const void* Picture = nullptr;
        QRect Dest;      // pixels on the surface, not clipped
        QPoint SourceAt; // pixels in the picture
        RasterOp Operation = RasterOp::Paint;
        bool operator==(const Op&) const = default;
    };
    const std::vector<Op>& PendingOps() const { return pending_; }

private:
    void RestoreBackground(const QRect& rect);
    void Apply(const Op& op, const QImage& source);

    Units units_;
    QSize size_;
    QImage background_; // colour plus picture, what Cls restores
    QImage buffer_;
    bool backgroundChanged_ = true;
    std::vector<Op> pending_;
    std::vector<Picture> pendingPictures_; // keeps the pictures of pending_ alive
    std::vector<Op> applied_;
    std::vector<Picture> appliedPictures_;
    // A scaled copy of a picture, and what changed on the picture since it was scaled.
    struct ScaledCopy {
        QImage Image;
        qreal Ratio = 1;
        QRegion Stale;
        QImage& Update(const QImage& source, qreal ratio);
    };
    // The frame at the size shown, that at the display's scale, and the size they were made for.
    ScaledCopy sized_;
    ScaledCopy device_;
    qreal drawnSize_ = 1;
};

// 0x00BBGGRR colour value of an RGB pixel.
constexpr std::uint32_t ColorRef(QRgb rgb) {
    return (static_cast<std::uint32_t>(qBlue(rgb)) << 16) |
           (static_cast<std::uint32_t>(qGreen(rgb)) << 8) | static_cast<std::uint32_t>(qRed(rgb));
}
constexpr QRgb RgbFromColorRef(std::uint32_t color) {
    return qRgb(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                static_cast<int>((color >> 16) & 0xFF));
}
inline constexpr std::uint32_t kMagenta = ColorRef(kMagentaRgb);

} // namespace orbo
