#include "motion_expect.h"

#include "e2e_env.h"

#include <cmath>

namespace orbo::e2e {

namespace {

constexpr double kScreenWidthTwips = kScreenWidth * kTwipsPerPixel;
constexpr double kScreenHeightTwips = kScreenHeight * kTwipsPerPixel;

int Nearest(double v) {
    return static_cast<int>(std::nearbyint(v));
}

// Degrees clockwise from straight left, y growing downward.
float WestAngle(double cx, double cy, double px, double py) {
    const double pi = 4 * std::atan(1.0);
    float theta = 90;
    if (cx != px)
        theta = static_cast<float>(std::fabs(std::atan((py - cy) / (px - cx)) * 180 / pi));
    if (px > cx && py > cy)
        theta = theta + 180;
    else if (px > cx)
        theta = 90 - theta + 90;
    else if (py > cy)
        theta = 90 - theta + 270;
    return theta;
}

} // namespace

QPoint ExpectedAutoPosition(QPoint windowPos, const EyeBox& eye, QPoint cursor) {
    const double pi = 4 * std::atan(1.0);
    const double left = windowPos.x() * kTwipsPerPixel;
    const double top = windowPos.y() * kTwipsPerPixel;
    const int x = eye.X * kTwipsPerPixel;
    const int y = eye.Y * kTwipsPerPixel;
    const int w = Nearest(eye.Width * kTwipsPerPixel - PictureTwips(eye.PicWidth));
    const int h = Nearest(eye.Height * kTwipsPerPixel - PictureTwips(eye.PicHeight));
    const double px = cursor.x() * kTwipsPerPixel;
    const double py = cursor.y() * kTwipsPerPixel;
    const double cy = top + y + h / 2.0;
    const double cx = left + x + w / 2.0;
    const float theta = WestAngle(cx, cy, px, py);
    const auto a = static_cast<float>(theta * pi / 180);
    const double kx = std::pow(std::fabs(px - cx), 0.3) / std::pow(kScreenWidthTwips, 0.3);
    const double ky = std::pow(std::fabs(py - cy), 0.3) / std::pow(kScreenHeightTwips, 0.3);
    const int rx = Nearest(w - (w / 2.0 + x + std::cos(a) * w / 2.0 * kx) + 2.0 * x);
    const int ry = Nearest(h - (h / 2.0 + y + std::sin(a) * h / 2.0 * ky) + 2.0 * y);
    return {TwipsToPixels(rx), TwipsToPixels(ry)};
}

QPoint RestingAutoPosition(const EyeBox& eye) {
    const int w = Nearest(eye.Width * kTwipsPerPixel - PictureTwips(eye.PicWidth));
    const int h = Nearest(eye.Height * kTwipsPerPixel - PictureTwips(eye.PicHeight));
    return {TwipsToPixels(eye.X * kTwipsPerPixel + w / 2.0),
            TwipsToPixels(eye.Y * kTwipsPerPixel + h / 2.0)};
}

int ExpectedFrame(QPoint windowPos, const EyeBox& eye, int frames, QPoint cursor) {
    const auto fw = static_cast<float>(PictureTwips(eye.PicWidth) / frames);
    const double h = PictureTwips(eye.PicHeight);
    const auto x = static_cast<float>(
        (windowPos.x() * kTwipsPerPixel + eye.X * kTwipsPerPixel + fw / 2.0) / kTwipsPerPixel);
    const auto y = static_cast<float>(
        (windowPos.y() * kTwipsPerPixel + eye.Y * kTwipsPerPixel + h / 2.0) / kTwipsPerPixel);
    const float theta = WestAngle(x, y, cursor.x(), cursor.y());
    return static_cast<int>(std::floor(theta / 360.0 * frames)) + 1;
}

int ExpectedDistanceFrame(QPoint windowPos, const EyeBox& eye, int frames, QPoint cursor) {
    const int n = frames - 1;
    const auto fw = static_cast<float>(PictureTwips(eye.PicWidth) / frames);
    const double h = PictureTwips(eye.PicHeight);
    const int x = Nearest(static_cast<float>(
        (windowPos.x() * kTwipsPerPixel + eye.X * kTwipsPerPixel + fw / 2.0) / kTwipsPerPixel));
    const int y = Nearest(static_cast<float>(
        (windowPos.y() * kTwipsPerPixel + eye.Y * kTwipsPerPixel + h / 2.0) / kTwipsPerPixel));
    const int dx = x - cursor.x();
    const int dy = y - cursor.y();
    const auto d =
        static_cast<float>(std::sqrt(static_cast<double>(dy) * dy + static_cast<double>(dx) * dx));
    const auto fullTwips =
        static_cast<float>(0.87 * std::sqrt(kScreenHeightTwips * kScreenHeightTwips +
                                            kScreenWidthTwips * kScreenWidthTwips));
    const auto full = static_cast<float>(fullTwips / kTwipsPerPixel);
    const int v = static_cast<int>(std::floor(d / full * n));
    return v > n ? n : v;
}

QPoint ExpectedRectPosition(const EyeBox& eye, QPoint cursor) {
    const double pw = PictureTwips(eye.PicWidth);
    const double ph = PictureTwips(eye.PicHeight);
    const auto left =
        static_cast<float>(eye.X * kTwipsPerPixel + (eye.Width * kTwipsPerPixel - pw) * cursor.x() /
                                                        static_cast<double>(kScreenWidth));
    const auto top = static_cast<float>(eye.Y * kTwipsPerPixel +
                                        (eye.Height * kTwipsPerPixel - ph) * cursor.y() /
                                            static_cast<double>(kScreenHeight));
    return {TwipsToPixels(left), TwipsToPixels(top)};
}

QPoint ExpectedMatrixCell(int columns, int rows, QPoint cursor) {
    return {static_cast<int>(std::floor(cursor.x() / static_cast<double>(kScreenWidth) * columns)),
            static_cast<int>(std::floor(cursor.y() / static_cast<double>(kScreenHeight) * rows))};
}

} // namespace orbo::e2e
