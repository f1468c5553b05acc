// Surface: collecting drawing calls and applying only what changed to the frame.
#include "surface.h"

#include "runtime/monitors.h"

#include <QtGui/QPainter>

#include <cstring>

namespace orbo {

Surface::Surface(Units units) : units_(units) {}

void Surface::SetBackground(QSize size, std::uint32_t backColor, const Picture& picture) {
    size_ = size.expandedTo(QSize(0, 0));
    background_ = QImage(size_, QImage::Format_RGB32);
    background_.fill(RgbFromColorRef(backColor));
    if (!picture.IsEmpty() && !size_.isEmpty()) {
        QPainter painter(&background_);
        painter.drawImage(0, 0, picture.Image());
    }
    buffer_ = background_;
    buffer_.detach();
    backgroundChanged_ = true;
    applied_.clear();
    appliedPictures_.clear();
}

void Surface::Cls() {
    pending_.clear();
    pendingPictures_.clear();
}

bool Surface::PaintPicture(const Picture& picture, float x, float y,
                           const std::optional<TwipsRect>& source, RasterOp op) {
    if (picture.IsEmpty())
        return false;
    const auto left = units_.PixelsX(x);
    const auto top = units_.PixelsY(y);
    if (!left || !top)
        return false;
    const QImage& image = picture.Image();
    QPoint from(0, 0);
    QSize extent = image.size();
    if (source) {
        const auto sx = units_.PixelsX(source->Left);
        const auto sy = units_.PixelsY(source->Top);
        const auto sw = units_.PixelsX(source->Width);
        const auto sh = units_.PixelsY(source->Height);
        if (!sx || !sy || !sw || !sh)
            return false;
        from = QPoint(*sx, *sy);
        extent = QSize(*sw, *sh);
    }
    if (extent.width() <= 0 || extent.height() <= 0)
        return true; // nothing to draw, but nothing failed
    pending_.push_back(Op{picture.Identity(), QRect(QPoint(*left, *top), extent), from, op});
    pendingPictures_.push_back(picture);
    return true;
}

void Surface::RestoreBackground(const QRect& rect) {
    const QRect r = rect.intersected(QRect(QPoint(0, 0), size_));
    if (r.isEmpty())
        return;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        std::memcpy(buffer_.scanLine(y) + r.left() * 4, background_.constScanLine(y) + r.left() * 4,
                    static_cast<size_t>(r.width()) * 4);
    }
}

void Surface::Apply(const Op& op, const QImage& source) {
    // Only the part that lies on both the surface and the picture is combined.
    QRect dest = op.Dest.intersected(QRect(QPoint(0, 0), size_));
    const QPoint shift = op.SourceAt - op.Dest.topLeft();
    dest = dest.intersected(QRect(QPoint(0, 0), source.size()).translated(-shift));
    if (dest.isEmpty())
        return;
    const int width = dest.width();
    for (int y = dest.top(); y <= dest.bottom(); ++y) {
        auto* out = reinterpret_cast<QRgb*>(buffer_.scanLine(y)) + dest.left();
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y + shift.y())) +
                         dest.left() + shift.x();
        if (op.Operation == RasterOp::And) {
            for (int i = 0; i < width; ++i)
                out[i] &= in[i];
        } else {
            for (int i = 0; i < width; ++i)
                out[i] |= in[i];
        }
    }
}

QRegion Surface::Present() {
    if (!backgroundChanged_ && pending_ == applied_)
        return {};
    QRegion changed;
    // An eye's mask and picture share one destination: each rectangle is restored and added
    // to the region once, since region unions are most of the cost here.
    QRect last;
    if (backgroundChanged_) {
        buffer_ = background_;
        buffer_.detach();
        changed = QRect(QPoint(0, 0), size_);
    } else {
        for (const Op& op : applied_) {
            if (op.Dest == last)
                continue;
            RestoreBackground(op.Dest);
            changed += op.Dest;
            last = op.Dest;
        }
    }
    for (size_t i = 0; i < pending_.size(); ++i) {
        Apply(pending_[i], pendingPictures_[i].Image());
        if (pending_[i].Dest != last) {
            changed += pending_[i].Dest;
            last = pending_[i].Dest;
        }
    }
    applied_ = pending_;
    appliedPictures_ = pendingPictures_;
    backgroundChanged_ = false;
    changed = changed.intersected(QRect(QPoint(0, 0), size_));
    if (!sized_.Image.isNull())
        sized_.Stale += changed;
    else if (!device_.Image.isNull())
        device_.Stale += changed;
    return changed;
}

QImage& Surface::ScaledCopy::Update(const QImage& source, qreal ratio) {
    const QSize size(DeviceEdge(source.width(), ratio), DeviceEdge(source.height(), ratio));
    if (Image.size() != size || Ratio != ratio) {
        Image = DeviceImage(source, ratio);
        Ratio = ratio;
    } else {
        for (const QRect& r : Stale)
            ScaleInto(Image, source, r, ratio);
    }
    Stale = QRegion();
    return Image;
}

void Surface::Draw(QPainter& painter, const QRegion& region, qreal ratio, qreal size) {
    if (size != drawnSize_) {
        sized_ = {};
        device_ = {};
        drawnSize_ = size;
    }
    const QImage* frame = &buffer_;
    if (size != 1) {
        // What changes on the frame changes on the window in the scaled rectangles.
        if (!device_.Image.isNull())
            device_.Stale += DeviceRegion(sized_.Stale, size);
        QImage& sized = sized_.Update(buffer_, size);
        // Window pixels, as a painter of ratio 1 draws them.
        sized.setDevicePixelRatio(1);
        frame = &sized;
    }
    if (ratio == 1) {
        // Unscaled, the frame is drawn as it is; a scaled copy kept from another screen goes.
        device_ = {};
        for (const QRect& r : region)
            painter.drawImage(r.topLeft(), *frame, r);
        return;
    }
    const QImage& device = device_.Update(*frame, ratio);
    for (const QRect& r : region) {
        const QRect d = DeviceRect(r, ratio);
        painter.drawImage(
            QRectF(d.x() / ratio, d.y() / ratio, d.width() / ratio, d.height() / ratio), device, d);
    }
}

std::uint32_t Surface::GetPixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= size_.width() || y >= size_.height())
        return 0xFFFFFFFFu;
    return ColorRef(buffer_.pixel(x, y));
}

} // namespace orbo
