// The keys and modifiers a hot key may have, as X11 and Windows number them.
#pragma once

#include <QtCore/QString>
#include <QtCore/qnamespace.h>

#include <optional>

namespace orbo {

// A key that types no character: its X key symbol, its Windows virtual-key code, and the key
// symbol's name (X's and xkbcommon's: "BackSpace").
struct NamedKey {
    quint32 KeySym = 0;
    quint32 VirtualKey = 0;
    const char* Name = "";
};
// The named key Qt's key is; nothing for another (the function keys, which each system numbers
// in a row of its own, are not among them).
std::optional<NamedKey> NamedKeyOf(Qt::Key key);

// The character a printable Latin-1 key types alone, by which X and Windows find it: a letter's
// small form. Nothing for another key.
std::optional<char16_t> TypedCharacterOf(Qt::Key key);

// The modifiers held, as X's modifier masks, as the MOD_ flags of Windows' RegisterHotKey and as
// a GTK accelerator names them ("<Control><Alt>").
quint32 XModifierMask(Qt::KeyboardModifiers modifiers);
quint32 WindowsModifierFlags(Qt::KeyboardModifiers modifiers);
QString GtkModifierNames(Qt::KeyboardModifiers modifiers);

} // namespace orbo
