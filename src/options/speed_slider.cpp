// The speed slider's arithmetic: placing the handle and following a drag.
#include "speed_slider.h"

#include "platform/arith.h"

#include <algorithm>
#include <cmath>

namespace orbo {

namespace {

// Speed from the upper tube: its length below the handle's half as a share of the travel.
std::uint8_t SpeedForTube(const SpeedSliderLayout& layout, float upperTubeHeight) {
    const double travel = double(layout.TubeHeight) - double(layout.HandleHeight);
    const double share = (double(upperTubeHeight) - double(layout.HandleHeight) / 2) / travel;
    const double speed = 100 - std::trunc(share * 100);
    // Only a layout whose track and tube disagree could leave 0 to 100; keep the byte sound.
    if (!(speed >= 0))
        return 0;
    return static_cast<std::uint8_t>(std::min(speed, 100.0));
}

} // namespace

float HandleTopForSpeed(const SpeedSliderLayout& layout, std::uint8_t speed) {
    const double travel = double(layout.TubeHeight) - double(layout.HandleHeight);
    const auto remaining = static_cast<float>(100 - speed);
    return static_cast<float>(travel * double(remaining) / 100 + double(layout.TubeTop));
}

void PlaceSlider(SpeedSliderState& state, const SpeedSliderLayout& layout, std::uint8_t speed) {
    state.HandleTop = HandleTopForSpeed(layout, speed);
    state.UpperTubeHeight = static_cast<float>(double(state.HandleTop) - double(layout.TubeTop) +
                                               double(layout.HandleHeight) / 2);
    state.Speed = speed;
    state.Pressed = false;
}

void SliderMouseDown(SpeedSliderState& state, int button, float y) {
    if (button == ButtonCode(MouseButton::Left)) {
        state.Tag = QStringLiteral("1") + InvariantSingleText(y);
        state.Pressed = true;
    } else {
        state.Tag = QStringLiteral("0");
    }
}

bool SliderMouseMove(SpeedSliderState& state, const SpeedSliderLayout& layout, float y) {
    if (!SliderDragging(state))
        return false;
    const double grab = Val(QStringView(state.Tag).mid(1));
    const double proposed = double(state.HandleTop) + double(y) - grab;
    const double topLimit = layout.TrackTop;
    const double bottomLimit =
        double(layout.TrackHeight) + double(layout.TrackTop) - double(layout.HandleHeight);
    if (proposed < topLimit)
        state.HandleTop = layout.TrackTop;
    else if (proposed <= bottomLimit)
        state.HandleTop = static_cast<float>(proposed);
    else
        state.HandleTop = static_cast<float>(bottomLimit);
    state.UpperTubeHeight = static_cast<float>(double(layout.HandleHeight) / 2 +
                                               double(state.HandleTop) - double(layout.TrackTop));
    state.Speed = SpeedForTube(layout, state.UpperTubeHeight);
    return true;
}

void SliderMouseUp(SpeedSliderState& state) {
    state.Tag = QStringLiteral("0");
    state.Pressed = false;
}

bool SliderDragging(const SpeedSliderState& state) {
    return state.Tag.startsWith(u'1');
}

QString InvariantSingleText(float value) {
    return QString::number(double(value), 'g', 7).toUpper();
}

} // namespace orbo
