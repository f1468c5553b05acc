#pragma once

#include "skin/skin_def.h"

#include <QtCore/QString>

#include <cstdint>

namespace orbo {

// The program-wide state: the four settings and the record of the skin on show. One instance,
// made in main() and handed to the creature window, which owns it, and to the options window.
struct mdlGeneral {
    QString SkinName;
    std::uint8_t Speed = 0;
    bool Blink = false;
    bool OnTop = false;
    orbo::SkinDef SkinDef;
};

} // namespace orbo
