// The program-wide settings record and the skin on show.
#pragma once

#include "skin/skin_def.h"

#include <QtCore/QString>

#include <cstdint>

namespace orbo {

// The program-wide state: the four settings and the record of the skin on show. The creature
// model owns it; the options window reads it.
struct mdlGeneral {
    QString SkinName;
    std::uint8_t Speed = 0;
    bool Blink = false;
    bool OnTop = false;
    orbo::SkinDef SkinDef;
};

} // namespace orbo
