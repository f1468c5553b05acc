// The user's choices: what the creature shows and how, kept between runs.
#pragma once

#include <QtCore/QString>

#include <algorithm>
#include <array>
#include <cstdint>

namespace orbo {

// The sizes the creature can be shown at, percent of its picture, on top of the display's scale.
inline constexpr std::array<int, 6> kSizeChoices{50, 75, 100, 150, 200, 300};
constexpr bool IsSizeChoice(int percent) {
    return std::find(kSizeChoices.begin(), kSizeChoices.end(), percent) != kSizeChoices.end();
}

// How long nobody touches mouse or keyboard before the creature dozes, minutes, as first chosen.
inline constexpr float kDefaultDozeAfter = 5;
// The longest wait that is read as one: a week.
inline constexpr float kLongestDozeAfter = 7 * 24 * 60;

// The user's choices, each stored under its own key (stored_choices.cpp lists them). The creature
// model owns them; the options window and the menu read them.
struct Choices {
    // The window's top-left corner, in twips, as stored: read at start, written from the window's
    // place, which is the live one.
    float Left = 0;
    float Top = 0;
    QString SkinName;
    std::uint8_t Speed = 0;
    bool Blink = false;
    bool OnTop = false;
    // Out of the way while the active window fills the creature's monitor.
    bool HideOverFullScreen = false;
    // On every workspace, since the creature has no taskbar or pager entry to be found by.
    bool AllWorkspaces = false;
    // The creature takes no mouse input: clicks reach the window below it.
    bool ClickThrough = false;
    // The size shown, percent (one of kSizeChoices).
    int Size = 100;
    // The key that hides and shows the creature, as stored ("Ctrl+Alt+O"; empty for none).
    QString HotKey;
    // Minutes without input before the creature dozes; 0 for never.
    float DozeAfter = kDefaultDozeAfter;
    // Whether a desktop that hides the pointer is still to be told so at start.
    bool PointerNotice = true;
};

} // namespace orbo
