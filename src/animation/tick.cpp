// The animation tick: every eye drawn by its kind, masked, on the creature's surface.
#include "tick.h"

#include "animation/motion.h"
#include "runtime/arith.h"

#include <algorithm>

namespace orbo {

namespace {

// Draws one firing's eyes, each by its kind. An eye whose place cannot be worked out draws
// nothing in this firing, and the next eye is drawn: a kind that measures its picture and has
// none, a strip of 0 frames, a grid of 0 or more than 255 columns or rows, a "matrix" cell
// outside the grid (a cursor outside the box around the monitors; the cell would be read from
// outside the picture), a "rect" eye on a box of no size, and any value that does not fit its
// integer type. An empty mask or picture alone is no failure: the other one is drawn.
struct Eyes {
    bool Blink;
    Desktop& Desk;
    float WindowLeft;
    float WindowTop;
    Surface& Out;
    ScreenTwips Screen; // the box around every monitor
    float Size = 1;     // window pixels per picture pixel

    // Where a point of the picture (window twips) lies on the screen (twips), the picture shown
    // Size times as large from the window's corner; at size 1 the plain sum, bit for bit.
    float OnScreen(float window, float offset, float half) const {
        return (window / Size + offset + half) * Size;
    }

    const Units& U() const { return Screen.ScaleUnits; }

    // A picture's natural size in twips; no value for an empty picture.
    std::optional<TwipsSize> Measure(const Picture& picture) const {
        if (picture.IsEmpty())
            return std::nullopt;
        return picture.SizeInTwips(U());
    }

    // Mask with SRCAND, then the picture with SRCPAINT, same place and source. An empty one of
    // the two fails in PaintPicture and only the other is drawn.
    void MaskedDraw(const EyeDef& eye, float x, float y, const std::optional<TwipsRect>& source) {
        Out.PaintPicture(eye.Mask, x, y, source, RasterOp::And);
        Out.PaintPicture(eye.Pic, x, y, source, RasterOp::Paint);
    }

    void DrawFrames(const EyeDef& eye) {
        const auto size = Measure(eye.Pic);
        if (!size || eye.Frames == 0)
            return;
        const float fw = size->Width / static_cast<float>(eye.Frames);
        const float h = size->Height;
        const float x =
            U().ScaleX(OnScreen(WindowLeft, eye.X, fw / 2), ScaleUnit::Twips, ScaleUnit::Pixels);
        const float y =
            U().ScaleY(OnScreen(WindowTop, eye.Y, h / 2), ScaleUnit::Twips, ScaleUnit::Pixels);
        const auto k = GetFrameIndex(eye.Frames, x, y, Desk.PointerPosition());
        if (!k)
            return;
        const float left = static_cast<float>(*k - 1) * fw;
        MaskedDraw(eye, eye.X, eye.Y, TwipsRect{left, 0, fw, h});
    }

    void DrawAuto(const EyeDef& eye) {
        const auto size = Measure(eye.Pic);
        if (!size)
            return;
        const auto x = RoundToInt32(eye.X);
        const auto y = RoundToInt32(eye.Y);
        const auto w = RoundToInt32(eye.Width - size->Width);
        const auto h = RoundToInt32(eye.Height - size->Height);
        if (!x || !y || !w || !h)
            return;
        const MotionInput in{Desk.PointerPosition(), WindowLeft, WindowTop, Screen, Size};
        const auto p = GetAutoPosition(TravelBox{*x, *y, *w, *h}, in);
        if (!p)
            return;
        MaskedDraw(eye, static_cast<float>(p->x()), static_cast<float>(p->y()), std::nullopt);
    }

    void DrawBlink(const EyeDef& eye) {
        if (!Blink)
            return;
        const bool left = Desk.ButtonDown(MouseButton::Left);
        const bool right = Desk.ButtonDown(MouseButton::Right);
        const bool middle = Desk.ButtonDown(MouseButton::Middle);
        if (BlinkShows(eye.ButtonCode(), left, right, middle))
            MaskedDraw(eye, eye.X, eye.Y, std::nullopt);
    }

    void DrawMatrix(const EyeDef& eye) {
        const float c = U().ScaleX(eye.Columns(), ScaleUnit::Twips, ScaleUnit::Pixels);
        const float r = U().ScaleY(eye.Rows(), ScaleUnit::Twips, ScaleUnit::Pixels);
        const auto columns = RoundToUint8(c);
        const auto rows = RoundToUint8(r);
        const auto size = Measure(eye.Pic);
        if (!columns || !rows || *columns == 0 || *rows == 0 || !size)
            return;
        const auto cell = GetMatrixCell(*columns, *rows, Desk.PointerPosition(), Screen);
        if (!cell || cell->x() < 0 || cell->x() >= *columns || cell->y() < 0 || cell->y() >= *rows)
            return;
        const float cw = size->Width / c;
        const float rh = size->Height / r;
        const auto left = static_cast<float>(cell->x() * static_cast<double>(cw));
        const auto top = static_cast<float>(cell->y() * static_cast<double>(rh));
        MaskedDraw(eye, eye.X, eye.Y, TwipsRect{left, top, cw, rh});
    }

    void DrawRect(const EyeDef& eye) {
        const auto size = Measure(eye.Pic);
        const float sw = U().ScaleX(Screen.Width, ScaleUnit::Twips, ScaleUnit::Pixels);
        const float sh = U().ScaleY(Screen.Height, ScaleUnit::Twips, ScaleUnit::Pixels);
        if (!size || !(sw > 0) || !(sh > 0))
            return;
        const QPoint cursor = GetCursorPoint(Desk.PointerPosition());
        const double cx = cursor.x() - U().ExactPixelsX(Screen.Left);
        const double cy = cursor.y() - U().ExactPixelsY(Screen.Top);
        const double travelX = eye.Width - size->Width;
        const double travelY = eye.Height - size->Height;
        const auto left = static_cast<float>(eye.X + travelX * cx / sw);
        const auto top = static_cast<float>(eye.Y + travelY * cy / sh);
        MaskedDraw(eye, left, top, std::nullopt);
    }

    void DrawDistan(const EyeDef& eye) {
        const auto size = Measure(eye.Pic);
        if (!size || eye.Frames == 0)
            return;
        const float fw = size->Width / static_cast<float>(eye.Frames);
        const float h = size->Height;
        const auto x = RoundToInt32(
            U().ScaleX(OnScreen(WindowLeft, eye.X, fw / 2), ScaleUnit::Twips, ScaleUnit::Pixels));
        const auto y = RoundToInt32(
            U().ScaleY(OnScreen(WindowTop, eye.Y, h / 2), ScaleUnit::Twips, ScaleUnit::Pixels));
        if (!x || !y)
            return;
        const auto j = GetDistanceIndex(QPoint(*x, *y), eye.Frames, Desk.PointerPosition(), Screen);
        if (!j)
            return;
        const float left = static_cast<float>(*j) * fw;
        MaskedDraw(eye, eye.X, eye.Y, TwipsRect{left, 0, fw, h});
    }

    void Draw(const EyeDef& eye) {
        switch (ClassifyKind(eye.Kind)) {
        case EyeKind::Frames:
            DrawFrames(eye);
            break;
        case EyeKind::Auto:
            DrawAuto(eye);
            break;
        case EyeKind::Blink:
            DrawBlink(eye);
            break;
        case EyeKind::Matrix:
            DrawMatrix(eye);
            break;
        case EyeKind::Rect:
            DrawRect(eye);
            break;
        case EyeKind::Distan:
            DrawDistan(eye);
            break;
        case EyeKind::None:
            break;
        }
    }
};

} // namespace

void RunTick(const SkinDef& skin, bool blink, Desktop& desktop, float windowLeft, float windowTop,
             Surface& surface, float size) {
    surface.Cls();
    const auto& eyes = skin.Eyes;
    const int upper = std::min(skin.LastEyeIndex(), kMaxEyes);
    const Units units = desktop.ScreenUnits();
    const TwipsRect box = desktop.DesktopBox();
    Eyes drawer{blink,     desktop, windowLeft,
                windowTop, surface, ScreenTwips{box.Width, box.Height, units, box.Left, box.Top},
                size};
    for (int i = 1; i <= upper; ++i)
        drawer.Draw(eyes[static_cast<size_t>(i)]);
}

int TimerInterval(int speed) {
    const auto remaining = RoundToInt16(100 - speed).value_or(0);
    return RoundToInt32(remaining / 100.0 * 500 + 1).value_or(1);
}

} // namespace orbo
