// Parsing a compositor's cursor reports and placing them on the desktop.
#include "compositor_cursor.h"

#include <QtCore/QMetaType>

#include <algorithm>
#include <cmath>

namespace orbo {

namespace {

// Far past any real desktop's coordinates, and small enough to keep every sum exact.
constexpr double kLimit = 1e6;

std::optional<double> Number(const QVariant& value) {
    switch (value.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Double:
        break;
    default:
        return std::nullopt;
    }
    const double number = value.toDouble();
    if (!std::isfinite(number) || std::fabs(number) > kLimit)
        return std::nullopt;
    return number;
}

bool Near(double a, double b, double tolerance) {
    return std::fabs(a - b) <= tolerance;
}

} // namespace

std::optional<CompositorReport> ParseCompositorReport(const QVariantList& arguments) {
    if (arguments.size() != 6)
        return std::nullopt;
    double n[6] = {};
    for (int i = 0; i < 6; ++i) {
        const auto number = Number(arguments[i]);
        if (!number)
            return std::nullopt;
        n[i] = *number;
    }
    const QPointF cursor(n[0], n[1]);
    const QRectF output(n[2], n[3], n[4], n[5]);
    if (output.width() < 1 || output.height() < 1)
        return std::nullopt;
    // The cursor may rest on the output's far edge (a fractional position rounds up to it).
    if (cursor.x() < output.left() || cursor.x() > output.right() || cursor.y() < output.top() ||
        cursor.y() > output.bottom())
        return std::nullopt;
    return CompositorReport{cursor, output};
}

std::optional<CompositorPointer> ParseCompositorPointer(const QVariantList& arguments) {
    if (arguments.size() != 7)
        return std::nullopt;
    const auto report = ParseCompositorReport(arguments.mid(0, 6));
    const auto buttons = Number(arguments[6]);
    if (!report || !buttons || *buttons != std::floor(*buttons) || *buttons < 0 || *buttons > 7)
        return std::nullopt;
    return CompositorPointer{*report, static_cast<int>(*buttons)};
}

std::optional<QPoint> PixelsFromCompositor(const CompositorReport& report,
                                           const Monitors& monitors) {
    const QRectF& logical = report.Output;
    for (const Monitor& monitor : monitors) {
        const QRect device = monitor.Device();
        const double sx = device.width() / logical.width();
        const double sy = device.height() / logical.height();
        // One scale for both axes, and the output's corner at its logical place times that scale.
        if (device.isEmpty() || !Near(sx, sy, 0.01 * std::max(sx, sy)) ||
            !Near(device.x(), logical.x() * sx, 1.5) || !Near(device.y(), logical.y() * sy, 1.5))
            continue;
        const QPointF offset = (report.Cursor - logical.topLeft());
        const int x = device.x() + static_cast<int>(std::floor(offset.x() * sx));
        const int y = device.y() + static_cast<int>(std::floor(offset.y() * sy));
        const QPoint inside(std::clamp(x, device.left(), device.right()),
                            std::clamp(y, device.top(), device.bottom()));
        return PixelsFromDevice(monitors, inside);
    }
    return std::nullopt;
}

} // namespace orbo
