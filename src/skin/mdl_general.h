#pragma once

#include "skin/skin_def.h"

#include <QtCore/QString>

#include <cstdint>

namespace orbo {

// The program-wide state: the four settings and the record of the skin on show. One instance,
// made in main() and handed to the forms by reference.
struct mdlGeneral {
    QString SkinName;
    std::uint8_t Speed = 0;
    bool Blink = false;
    bool OnTop = false;
    orbo::SkinDef SkinDef;
};

// Names that stand for the built-in skin.
inline const QString kNoSkin = QStringLiteral("< none >");

} // namespace orbo
