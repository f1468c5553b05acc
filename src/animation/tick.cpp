#include "tick.h"

#include "animation/motion.h"
#include "platform/arith.h"

#include <algorithm>

namespace orbo {

namespace {

struct Eyes {
    const mdlGeneral& General;
    Desktop& Desk;
    float WindowLeft;
    float WindowTop;
    Surface& Out;
    Units U;

    MotionInput Input() {
        return MotionInput{Desk.GetCursorPos(), WindowLeft, WindowTop, Desk.ScreenWidth(),
                           Desk.ScreenHeight(), U};
    }

    // Mask with SRCAND, then the picture with SRCPAINT, same place and source.
    void MaskedDraw(const EyeDef& eye, float x, float y, const std::optional<SourceRect>& source) {
        Out.PaintPicture(eye.Mask, x, y, source, SRCAND);
        Out.PaintPicture(eye.Pic, x, y, source, SRCPAINT);
    }

    void DrawAuto(const EyeDef& eye) {
        // Without a picture the travel cannot be measured: such an eye draws nothing.
        if (eye.Pic.IsEmpty())
            return;
        const float pw = U.ScaleX(eye.Pic.WidthHimetric(), ScaleUnit::Himetric, ScaleUnit::Twips);
        const float ph = U.ScaleY(eye.Pic.HeightHimetric(), ScaleUnit::Himetric, ScaleUnit::Twips);
        const auto x = RoundToInt32(eye.X);
        const auto y = RoundToInt32(eye.Y);
        const auto w = RoundToInt32(eye.Width - pw);
        const auto h = RoundToInt32(eye.Height - ph);
        if (!x || !y || !w || !h)
            return;
        const auto p = GetAutoPosition(TravelBox{*x, *y, *w, *h}, Input());
        if (!p)
            return;
        MaskedDraw(eye, static_cast<float>(p->x()), static_cast<float>(p->y()), std::nullopt);
    }

    void DrawBlink(const EyeDef& eye) {
        if (!General.Blink)
            return;
        const bool left = Desk.GetAsyncKeyState(VK_LBUTTON);
        const bool right = Desk.GetAsyncKeyState(VK_RBUTTON);
        const bool middle = Desk.GetAsyncKeyState(VK_MBUTTON);
        if (BlinkShows(eye.Frames, left, right, middle))
            MaskedDraw(eye, eye.X, eye.Y, std::nullopt);
    }

    void Draw(const EyeDef& eye) {
        switch (ClassifyKind(eye.Kind)) {
        case EyeKind::Auto:
            DrawAuto(eye);
            break;
        case EyeKind::Blink:
            DrawBlink(eye);
            break;
        case EyeKind::Frames:
        case EyeKind::Matrix:
        case EyeKind::Rect:
        case EyeKind::Distan:
        case EyeKind::None:
            break;
        }
    }
};

} // namespace

void RunTick(const mdlGeneral& general, Desktop& desktop, float windowLeft, float windowTop,
             Surface& surface) {
    surface.Cls();
    const auto& eyes = general.SkinDef.Eyes;
    // The eye count is an unsigned byte: at most 255 eyes are drawn.
    const int upper = std::min(general.SkinDef.EyesUBound(), 255);
    Eyes drawer{general, desktop, windowLeft, windowTop, surface, desktop.ScreenUnits()};
    for (int i = 1; i <= upper; ++i)
        drawer.Draw(eyes[static_cast<size_t>(i)]);
}

} // namespace orbo
