// The motion rules of the eye kinds: direction, reach, distance, grid cell and button codes.
#include "motion.h"

#include "runtime/arith.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace orbo {

namespace {

// 2 × value in 32-bit integer arithmetic, which fails rather than wraps.
std::optional<double> Doubled(std::int32_t value) {
    const std::int64_t twice = 2 * static_cast<std::int64_t>(value);
    if (twice < std::numeric_limits<std::int32_t>::min() ||
        twice > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<double>(twice);
}

// a − b in 32-bit integer arithmetic.
std::optional<double> Difference(int a, int b) {
    const std::int64_t d = static_cast<std::int64_t>(a) - b;
    if (d < std::numeric_limits<std::int32_t>::min() ||
        d > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<double>(d);
}

} // namespace

float WestAngle(double x, double y, double px, double py) {
    float theta = 90.0f;
    if (x != px)
        theta = static_cast<float>(
            std::fabs(std::atan((py - y) / (px - x)) * 180.0 / std::numbers::pi));
    const bool right = px > x;
    const bool below = py > y;
    if (right && below)
        theta = theta + 180.0f;
    else if (right)
        theta = 90.0f - theta + 90.0f;
    else if (below)
        theta = 90.0f - theta + 270.0f;
    return theta;
}

std::optional<QPoint> GetAutoPosition(const TravelBox& box, const MotionInput& in) {
    const Units& u = in.Screen.ScaleUnits;
    const auto px = RoundToInt32(u.ScaleX(in.Cursor.x(), ScaleUnit::Pixels, ScaleUnit::Twips));
    const auto py = RoundToInt32(u.ScaleY(in.Cursor.y(), ScaleUnit::Pixels, ScaleUnit::Twips));
    const auto twiceX = Doubled(box.X);
    const auto twiceY = Doubled(box.Y);
    // The reach divides by the screen's size.
    if (!px || !py || !twiceX || !twiceY || !(in.Screen.Width > 0) || !(in.Screen.Height > 0))
        return std::nullopt;
    const double X = box.X;
    const double Y = box.Y;
    const double W = box.Width;
    const double H = box.Height;
    // At size 1 the plain sum, bit for bit.
    const double cy = (static_cast<double>(in.WindowTop) / in.Size + Y + H / 2) * in.Size;
    const double cx = (static_cast<double>(in.WindowLeft) / in.Size + X + W / 2) * in.Size;

    const float theta = WestAngle(cx, cy, *px, *py);
    const auto a = static_cast<float>(theta * std::numbers::pi / 180.0);
    const double kx = std::pow(std::fabs(*px - cx), 0.3) / std::pow(in.Screen.Width, 0.3);
    const double ky = std::pow(std::fabs(*py - cy), 0.3) / std::pow(in.Screen.Height, 0.3);
    const double ad = a; // the cosine and sine are taken in double precision
    const auto rx = RoundToInt32(W - (W / 2 + X + std::cos(ad) * W / 2 * kx) + *twiceX);
    const auto ry = RoundToInt32(H - (H / 2 + Y + std::sin(ad) * H / 2 * ky) + *twiceY);
    if (!rx || !ry)
        return std::nullopt;
    return QPoint(*rx, *ry);
}

std::optional<std::int16_t> GetFrameIndex(std::int16_t frames, float x, float y, QPoint cursor) {
    if (frames < 1)
        return std::nullopt;
    const float theta = WestAngle(x, y, cursor.x(), cursor.y());
    return RoundToInt16(std::floor(static_cast<double>(theta) / 360.0 * frames) + 1.0);
}

std::optional<std::uint8_t> GetDistanceIndex(QPoint centre, std::uint8_t frames, QPoint cursor,
                                             const ScreenTwips& screen) {
    // The count less one does not fit an unsigned byte.
    if (frames == 0)
        return std::nullopt;
    const std::uint8_t n = frames - 1;
    const auto dy = Difference(centre.y(), cursor.y());
    const auto dx = Difference(centre.x(), cursor.x());
    if (!dx || !dy)
        return std::nullopt;
    const auto d = static_cast<float>(std::sqrt(*dy * *dy + *dx * *dx));
    const double sh = screen.Height;
    const double sw = screen.Width;
    const auto diagonal = static_cast<float>(0.87 * std::sqrt(sh * sh + sw * sw));
    const float m = screen.ScaleUnits.ScaleX(diagonal, ScaleUnit::Twips, ScaleUnit::Pixels);
    if (!(m > 0))
        return std::nullopt;
    double v = std::floor(static_cast<double>(d) / m * n);
    if (v > n)
        v = n;
    return RoundToUint8(v);
}

QPoint GetCursorPoint(QPoint cursor) {
    return cursor;
}

std::optional<QPoint> GetMatrixCell(std::uint8_t columns, std::uint8_t rows, QPoint cursor,
                                    const ScreenTwips& screen) {
    const Units& u = screen.ScaleUnits;
    const float sw = u.ScaleX(screen.Width, ScaleUnit::Twips, ScaleUnit::Pixels);
    const float sh = u.ScaleY(screen.Height, ScaleUnit::Twips, ScaleUnit::Pixels);
    if (!(sw > 0) || !(sh > 0))
        return std::nullopt;
    const double x = cursor.x() - u.ExactPixelsX(screen.Left);
    const double y = cursor.y() - u.ExactPixelsY(screen.Top);
    const auto column = RoundToInt32(std::floor(x / static_cast<double>(sw) * columns));
    const auto row = RoundToInt32(std::floor(y / static_cast<double>(sh) * rows));
    if (!column || !row)
        return std::nullopt;
    return QPoint(*column, *row);
}

bool BlinkShows(std::uint8_t m, bool left, bool right, bool middle) {
    return (left && (m % 2 == 1)) || (right && (m == 2 || m == 3 || m == 6 || m == 7)) ||
           (middle && (m >= 4 && m <= 7));
}

} // namespace orbo
