// The speed slider's arithmetic: handle and tube placement, dragging, the speed it gives.
#pragma once

#include "platform/desktop/desktop.h"

#include <QtCore/QString>
#include <QtCore/qnamespace.h>

#include <cstdint>

namespace orbo {

// The slider's fixed controls, in twips as laid out on the Options page. The whole tube and the
// (hidden) track the handle is held to must share their top and height, or a drag could give a
// speed outside 0 to 100.
struct SpeedSliderLayout {
    float HandleLeft = 240; // the handle
    float HandleWidth = 255;
    float HandleHeight = 255;
    float TubeTop = 120; // the whole tube; the handle's left and width are the tubes' too
    float TubeHeight = 1275;
    float TrackTop = 120; // the track
    float TrackHeight = 1275;
};

// The slider's moving parts.
struct SpeedSliderState {
    float HandleTop = 0;       // the handle's top
    float UpperTubeHeight = 0; // the height of the tube above the handle's centre
    std::uint8_t Speed = 0;    // the value last shown by the number label
    QString Tag;               // "1" and the grab offset while a drag is in progress
    bool Pressed = false;      // the handle shows the picture of the pressed bulb
};

// The handle's top for a speed: 100 puts it at the tube's top, 0 at its bottom.
float HandleTopForSpeed(const SpeedSliderLayout& layout, std::uint8_t speed);

// Placing the slider from Speed when the window loads: the handle, the upper tube down to the
// handle's centre, and the speed it shows. The handle shows its idle picture.
void PlaceSlider(SpeedSliderState& state, const SpeedSliderLayout& layout, std::uint8_t speed);

// A press on the handle (y in twips within the handle): the left button starts a drag that
// keeps the grabbed point under the cursor; any other button ends one.
void SliderMouseDown(SpeedSliderState& state, int button, float y);

// A move over (or, during a drag, anywhere away from) the handle. Returns false and changes
// nothing unless a drag is in progress; otherwise moves the handle within the track, fits the
// upper tube to it and recomputes Speed, even when the handle did not move.
bool SliderMouseMove(SpeedSliderState& state, const SpeedSliderLayout& layout, float y);

// A key on the handle: Up and Right one faster, Down and Left one slower, Page Up and Page Down
// ten, Home the slowest and End the fastest, held to 0 to 100. The handle goes where placing the
// slider puts it for that speed, and the drag's rule reads the speed from there, so a key and a
// drag never disagree about a place. Returns false and changes nothing for any other key.
bool SliderKeyDown(SpeedSliderState& state, const SpeedSliderLayout& layout, Qt::Key key);

// Any release ends the drag and gives the handle its idle picture again.
void SliderMouseUp(SpeedSliderState& state);

bool SliderDragging(const SpeedSliderState& state);

// A single-precision number as the forms run-time writes it, whatever the user's locale: at most
// seven significant digits, "." before the fraction, "E" before the exponent.
QString InvariantSingleText(float value);

} // namespace orbo
