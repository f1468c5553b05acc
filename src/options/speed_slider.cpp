// The speed slider's arithmetic: placing the handle and following a drag.
#include "speed_slider.h"

#include "runtime/arith.h"

#include <algorithm>
#include <cmath>
#include <limits>

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

// The drag's rule from the handle's proposed top on: held within the track, the upper tube fitted
// down to the handle's centre, Speed read from the tube, even when the handle did not move.
void MoveHandle(SpeedSliderState& state, const SpeedSliderLayout& layout, double proposed) {
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
    const double grab = LeadingNumber(QStringView(state.Tag).mid(1));
    MoveHandle(state, layout, double(state.HandleTop) + double(y) - grab);
    return true;
}

bool SliderKeyDown(SpeedSliderState& state, const SpeedSliderLayout& layout, Qt::Key key) {
    int target = state.Speed;
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Right:
        target += 1;
        break;
    case Qt::Key_Down:
    case Qt::Key_Left:
        target -= 1;
        break;
    case Qt::Key_PageUp:
        target += 10;
        break;
    case Qt::Key_PageDown:
        target -= 10;
        break;
    case Qt::Key_Home:
        target = 0;
        break;
    case Qt::Key_End:
        target = 100;
        break;
    default:
        return false;
    }
    target = std::clamp(target, 0, 100);
    float top = HandleTopForSpeed(layout, static_cast<std::uint8_t>(target));
    MoveHandle(state, layout, top);
    // A top stored in single precision can land a hair above the speed's place, where the drag's
    // rule reads one faster; the next representable top down the track lies within the place.
    while (state.Speed > target) {
        const float before = state.HandleTop;
        top = std::nextafter(top, std::numeric_limits<float>::infinity());
        MoveHandle(state, layout, top);
        if (state.HandleTop == before)
            break; // held by the track's end
    }
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
