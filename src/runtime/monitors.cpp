// Monitors: scaling between device pixels and pixels, spans of touching monitors, bringing back.
#include "monitors.h"

#include <QtGui/QImage>

#include <algorithm>
#include <cmath>
#include <limits>

namespace orbo {

int DeviceEdge(int pixels, qreal ratio) {
    return static_cast<int>(std::floor(pixels * ratio + 0.5));
}

QRect DeviceRect(const QRect& pixels, qreal ratio) {
    const int left = DeviceEdge(pixels.left(), ratio);
    const int top = DeviceEdge(pixels.top(), ratio);
    return QRect(left, top, DeviceEdge(pixels.left() + pixels.width(), ratio) - left,
                 DeviceEdge(pixels.top() + pixels.height(), ratio) - top);
}

QRegion DeviceRegion(const QRegion& pixels, qreal ratio) {
    if (ratio == 1)
        return pixels;
    std::vector<QRect> rects;
    rects.reserve(static_cast<size_t>(pixels.rectCount()));
    for (const QRect& r : pixels) {
        const QRect d = DeviceRect(r, ratio);
        if (!d.isEmpty())
            rects.push_back(d);
    }
    QRegion region;
    region.setRects(rects.data(), static_cast<int>(rects.size()));
    return region;
}

QImage DeviceImage(const QImage& image, qreal ratio) {
    if (ratio == 1 || image.isNull()) {
        QImage same = image;
        same.setDevicePixelRatio(1);
        return same;
    }
    const QImage source = image.convertToFormat(QImage::Format_RGB32);
    QImage scaled(DeviceEdge(source.width(), ratio), DeviceEdge(source.height(), ratio),
                  QImage::Format_RGB32);
    ScaleInto(scaled, source, source.rect(), ratio);
    scaled.setDevicePixelRatio(ratio);
    return scaled;
}

void ScaleInto(QImage& device, const QImage& image, const QRect& rect, qreal ratio) {
    const QRect r = rect.intersected(image.rect());
    if (r.isEmpty())
        return;
    // The device column of each picture edge, once.
    std::vector<int> columns(static_cast<size_t>(r.width()) + 1);
    for (int x = 0; x <= r.width(); ++x)
        columns[static_cast<size_t>(x)] =
            std::clamp(DeviceEdge(r.left() + x, ratio), 0, device.width());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        const int firstRow = DeviceEdge(y, ratio);
        const int endRow = std::min(DeviceEdge(y + 1, ratio), device.height());
        if (firstRow >= endRow)
            continue;
        const auto* in = reinterpret_cast<const QRgb*>(image.constScanLine(y)) + r.left();
        auto* out = reinterpret_cast<QRgb*>(device.scanLine(firstRow));
        for (int x = 0; x < r.width(); ++x)
            std::fill(out + columns[static_cast<size_t>(x)],
                      out + columns[static_cast<size_t>(x) + 1], in[x]);
        const int from = columns.front();
        const int to = columns.back();
        for (int row = firstRow + 1; row < endRow; ++row)
            std::copy(out + from, out + to, reinterpret_cast<QRgb*>(device.scanLine(row)) + from);
    }
}

QRect Monitor::Device() const {
    return QRect(Pixels.topLeft(),
                 QSize(DeviceEdge(Pixels.width(), Ratio), DeviceEdge(Pixels.height(), Ratio)));
}

namespace {

// How far a point lies outside a rectangle, squared; 0 inside.
qint64 DistanceSquared(const QRect& rect, QPoint p) {
    const qint64 dx = std::max({rect.left() - p.x(), p.x() - rect.right(), 0});
    const qint64 dy = std::max({rect.top() - p.y(), p.y() - rect.bottom(), 0});
    return dx * dx + dy * dy;
}

// The monitor whose rectangle (as `area` gives it) holds the point, or the nearest one.
template <typename Area> const Monitor* MonitorAt(const Monitors& monitors, QPoint p, Area area) {
    const Monitor* best = nullptr;
    qint64 bestDistance = std::numeric_limits<qint64>::max();
    for (const Monitor& m : monitors) {
        const qint64 d = DistanceSquared(area(m), p);
        if (d < bestDistance) {
            best = &m;
            bestDistance = d;
        }
    }
    return best;
}

QPoint Scaled(QPoint p, qreal factor) {
    return QPoint(static_cast<int>(std::lround(p.x() * factor)),
                  static_cast<int>(std::lround(p.y() * factor)));
}

// A monitor as twips, per axis: [Low, High).
struct Extent {
    double Low = 0;
    double High = 0;
};

Extent Along(const Monitor& m, bool horizontal, const Units& units) {
    const QRect& r = m.Pixels;
    return horizontal ? Extent{double(r.left()) * units.TwipsPerPixelX,
                               double(r.left() + r.width()) * units.TwipsPerPixelX}
                      : Extent{double(r.top()) * units.TwipsPerPixelY,
                               double(r.top() + r.height()) * units.TwipsPerPixelY};
}

// The window's extent on an axis; at least one pixel, so that even an empty window has a place.
Extent Along(const TwipsRect& w, bool horizontal, const Units& units) {
    const double low = horizontal ? w.Left : w.Top;
    const double size = horizontal ? w.Width : w.Height;
    const double pixel = horizontal ? units.TwipsPerPixelX : units.TwipsPerPixelY;
    return {low, low + std::max(size, pixel)};
}

double Overlap(const Extent& a, const Extent& b) {
    return std::min(a.High, b.High) - std::max(a.Low, b.Low);
}

double Gap(const Extent& a, const Extent& b) {
    return std::max({a.Low - b.High, b.Low - a.High, 0.0});
}

Span SpanAlong(const Monitors& monitors, const TwipsRect& window, const Units& units,
               bool horizontal) {
    // The monitors across the window's band on the other axis; all of them when none is.
    const Extent band = Along(window, !horizontal, units);
    std::vector<const Monitor*> across;
    for (const Monitor& m : monitors)
        if (Overlap(Along(m, !horizontal, units), band) > 0)
            across.push_back(&m);
    if (across.empty())
        for (const Monitor& m : monitors)
            across.push_back(&m);
    if (across.empty())
        return {};
    // Runs of monitors that touch on the window system's screen, whose device pixels decide it:
    // a scaled monitor's device-independent size leaves a gap before the next one's origin.
    const auto deviceLow = [horizontal](const Monitor* m) {
        return horizontal ? m->Device().left() : m->Device().top();
    };
    const auto deviceHigh = [horizontal](const Monitor* m) {
        const QRect d = m->Device();
        return horizontal ? d.left() + d.width() : d.top() + d.height();
    };
    std::stable_sort(across.begin(), across.end(), [&](const Monitor* a, const Monitor* b) {
        return deviceLow(a) < deviceLow(b);
    });
    std::vector<Extent> runs;
    int runEnd = 0;
    for (const Monitor* m : across) {
        const Extent e = Along(*m, horizontal, units);
        if (!runs.empty() && deviceLow(m) <= runEnd) {
            runs.back().Low = std::min(runs.back().Low, e.Low);
            runs.back().High = std::max(runs.back().High, e.High);
            runEnd = std::max(runEnd, deviceHigh(m));
        } else {
            runs.push_back(e);
            runEnd = deviceHigh(m);
        }
    }
    const Extent own = Along(window, horizontal, units);
    const Extent* best = &runs.front();
    for (const Extent& run : runs) {
        const double overlap = Overlap(run, own);
        const double bestOverlap = Overlap(*best, own);
        if (overlap > bestOverlap ||
            (overlap <= 0 && bestOverlap <= 0 && Gap(run, own) < Gap(*best, own)))
            best = &run;
    }
    return {static_cast<float>(best->Low), static_cast<float>(best->High)};
}

} // namespace

MonitorAnchor AnchorOnMonitor(const Monitors& monitors, const QRect& window) {
    const Monitor* m =
        MonitorAt(monitors, window.center(), [](const Monitor& each) { return each.Pixels; });
    if (m == nullptr)
        return {0, window.topLeft()};
    return {static_cast<size_t>(m - monitors.data()), window.topLeft() - m->Pixels.topLeft()};
}

QPoint PixelsFromDevice(const Monitors& monitors, QPoint device) {
    const Monitor* m = MonitorAt(monitors, device, [](const Monitor& m) { return m.Device(); });
    if (!m || m->Ratio == 1)
        return device;
    const QPoint origin = m->Pixels.topLeft();
    return origin + Scaled(device - origin, 1 / m->Ratio);
}

QPoint DeviceFromPixels(const Monitors& monitors, QPoint pixels) {
    const Monitor* m = MonitorAt(monitors, pixels, [](const Monitor& m) { return m.Pixels; });
    if (!m || m->Ratio == 1)
        return pixels;
    const QPoint origin = m->Pixels.topLeft();
    return origin + Scaled(pixels - origin, m->Ratio);
}

QRect DeviceFromPixels(const Monitors& monitors, const QRect& pixels) {
    const Monitor* m =
        MonitorAt(monitors, pixels.topLeft(), [](const Monitor& m) { return m.Pixels; });
    const qreal ratio = m ? m->Ratio : 1;
    return QRect(DeviceFromPixels(monitors, pixels.topLeft()),
                 QSize(DeviceEdge(pixels.width(), ratio), DeviceEdge(pixels.height(), ratio)));
}

QRect PixelsFromDevice(const Monitors& monitors, const QRect& device) {
    const Monitor* m =
        MonitorAt(monitors, device.topLeft(), [](const Monitor& m) { return m.Device(); });
    const qreal ratio = m ? m->Ratio : 1;
    return QRect(PixelsFromDevice(monitors, device.topLeft()),
                 QSize(qRound(device.width() / ratio), qRound(device.height() / ratio)));
}

Span HorizontalSpan(const Monitors& monitors, const TwipsRect& window, const Units& units) {
    return SpanAlong(monitors, window, units, true);
}

Span VerticalSpan(const Monitors& monitors, const TwipsRect& window, const Units& units) {
    return SpanAlong(monitors, window, units, false);
}

bool ShowsOnAMonitor(const Monitors& monitors, const TwipsRect& window, const Units& units) {
    return std::any_of(monitors.begin(), monitors.end(), [&](const Monitor& m) {
        return Overlap(Along(m, true, units), Along(window, true, units)) > 0 &&
               Overlap(Along(m, false, units), Along(window, false, units)) > 0;
    });
}

std::optional<QPointF> BringBack(const Monitors& monitors, const TwipsRect& window,
                                 const Units& units) {
    if (monitors.empty() || ShowsOnAMonitor(monitors, window, units))
        return std::nullopt;
    const Extent wx = Along(window, true, units);
    const Extent wy = Along(window, false, units);
    const Monitor* nearest = nullptr;
    double nearestDistance = std::numeric_limits<double>::max();
    for (const Monitor& m : monitors) {
        const double dx = Gap(Along(m, true, units), wx);
        const double dy = Gap(Along(m, false, units), wy);
        if (dx * dx + dy * dy < nearestDistance) {
            nearest = &m;
            nearestDistance = dx * dx + dy * dy;
        }
    }
    const auto onto = [](double low, double size, const Extent& m) {
        return size <= m.High - m.Low ? std::clamp(low, m.Low, m.High - size) : m.High - size;
    };
    return QPointF(onto(window.Left, window.Width, Along(*nearest, true, units)),
                   onto(window.Top, window.Height, Along(*nearest, false, units)));
}

} // namespace orbo
