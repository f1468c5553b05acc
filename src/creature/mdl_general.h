// The program-wide settings record and the skin on show.
#pragma once

#include "skin/skin_def.h"

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

// The program-wide state: the user's choices, each stored under its own key (creature/choices.cpp
// lists them), and the record of the skin on show. The creature model owns it; the options window
// and the menu read it.
struct mdlGeneral {
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
    // Whether a desktop that hides the pointer is still to be told so at start.
    bool PointerNotice = true;
    orbo::SkinDef SkinDef;
};

} // namespace orbo
