// The program-wide settings record and the skin on show.
#pragma once

#include "skin/skin_def.h"

#include <QtCore/QString>

#include <cstdint>

namespace orbo {

// The program-wide state: the four settings, the two desktop choices and the record of the skin
// on show. The creature model owns it; the options window and the tray read it.
struct mdlGeneral {
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
    orbo::SkinDef SkinDef;
};

} // namespace orbo
