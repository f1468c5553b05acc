// Skin names: the one that stands for the built-in skin, and which folder names can be skins.
#pragma once

#include <QtCore/QString>

namespace orbo {

// The name that stands for the built-in skin (as does the empty name).
inline const QString kNoSkin = QStringLiteral("< none >");

// Whether a folder's entry name can name a skin: one entry name (IsEntryName) that does not end
// in ".zip" in lower case (".ZIP" can). Names are never trimmed.
bool CanBeSkinName(const QString& name);

} // namespace orbo
