// The built-in skin: its five pictures and its record.
#pragma once

#include "creature/creature_window.h"
#include "runtime/picture.h"
#include "runtime/units.h"
#include "skin/skin_def.h"

#include <array>

namespace orbo {

// The five pictures of the built-in skin, compiled into the program: the background, then the
// picture and mask of eye 1 and of eye 2.
struct DefaultSkinPictures {
    std::array<Picture, 5> builtInSkin;

    static DefaultSkinPictures Load();
};

inline const QString kDefaultSkinEmail = QStringLiteral("quillon@orbo.example");
inline const QString kDefaultSkinHomePage = QStringLiteral("orbo.example");

// Puts the built-in skin into the record and the window's background picture. Neither resizes
// nor reshapes the window.
void ActivateDefSkin(SkinDef& skin, CreatureWindow& window, const Units& units,
                     const DefaultSkinPictures& pictures);

} // namespace orbo
