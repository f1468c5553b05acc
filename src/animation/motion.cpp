#include "motion.h"

#include "platform/arith.h"

#include <cmath>

namespace orbo {

namespace {

const double kPi = 4.0 * std::atan(1.0);

} // namespace

std::optional<QPoint> GetAutoPosition(const TravelBox& box, const MotionInput& in) {
    const Units& u = in.ScaleUnits;
    const auto px = RoundToInt32(u.ScaleX(in.Cursor.x(), ScaleUnit::Pixels, ScaleUnit::Twips));
    const auto py = RoundToInt32(u.ScaleY(in.Cursor.y(), ScaleUnit::Pixels, ScaleUnit::Twips));
    if (!px || !py)
        return std::nullopt;
    const double X = box.X;
    const double Y = box.Y;
    const double W = box.Width;
    const double H = box.Height;
    const double cy = static_cast<double>(in.WindowTop) + Y + H / 2;
    const double cx = static_cast<double>(in.WindowLeft) + X + W / 2;

    // The angle runs clockwise from the west: 0 left, 90 above, 180 right, 270 below.
    float theta = 90.0f;
    if (cx != *px)
        theta = static_cast<float>(std::fabs(std::atan((*py - cy) / (*px - cx)) * 180.0 / kPi));
    const bool right = *px > cx;
    const bool below = *py > cy;
    if (right && below)
        theta = theta + 180.0f;
    else if (right)
        theta = 90.0f - theta + 90.0f;
    else if (below)
        theta = 90.0f - theta + 270.0f;
    const auto a = static_cast<float>(theta * kPi / 180.0);

    const double kx = std::pow(std::fabs(*px - cx), 0.3) / std::pow(in.ScreenWidth, 0.3);
    const double ky = std::pow(std::fabs(*py - cy), 0.3) / std::pow(in.ScreenHeight, 0.3);
    const auto rx = RoundToInt32(W - (W / 2 + X + std::cos(a) * W / 2 * kx) + 2 * X);
    const auto ry = RoundToInt32(H - (H / 2 + Y + std::sin(a) * H / 2 * ky) + 2 * Y);
    if (!rx || !ry)
        return std::nullopt;
    return QPoint(*rx, *ry);
}

bool BlinkShows(std::uint8_t m, bool left, bool right, bool middle) {
    return (left && (m % 2 == 1)) || (right && (m == 2 || m == 3 || m == 6 || m == 7)) ||
           (middle && (m >= 4 && m <= 7));
}

} // namespace orbo
