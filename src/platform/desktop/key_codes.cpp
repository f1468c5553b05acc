// The keys and modifiers a hot key may have, as X11 and Windows number them: the numbers are
// fixed by each system's protocol, so neither system's headers are needed to name them.
#include "key_codes.h"

#include <QtCore/QChar>

#include <array>

namespace orbo {

namespace {

struct NamedRow {
    Qt::Key Key;
    NamedKey Codes;
};
// The X key symbols of X11/keysymdef.h (XK_) with their names, and the virtual-key codes of
// winuser.h (VK_).
constexpr std::array<NamedRow, 17> kNamed{{
    {Qt::Key_Space, {0x0020, 0x20, "space"}},         // XK_space, VK_SPACE
    {Qt::Key_Escape, {0xff1b, 0x1b, "Escape"}},       // XK_Escape, VK_ESCAPE
    {Qt::Key_Tab, {0xff09, 0x09, "Tab"}},             // XK_Tab, VK_TAB
    {Qt::Key_Backspace, {0xff08, 0x08, "BackSpace"}}, // XK_BackSpace, VK_BACK
    {Qt::Key_Return, {0xff0d, 0x0d, "Return"}},       // XK_Return, VK_RETURN
    {Qt::Key_Insert, {0xff63, 0x2d, "Insert"}},       // XK_Insert, VK_INSERT
    {Qt::Key_Delete, {0xffff, 0x2e, "Delete"}},       // XK_Delete, VK_DELETE
    {Qt::Key_Pause, {0xff13, 0x13, "Pause"}},         // XK_Pause, VK_PAUSE
    {Qt::Key_Print, {0xff61, 0x2c, "Print"}},         // XK_Print, VK_SNAPSHOT
    {Qt::Key_Home, {0xff50, 0x24, "Home"}},           // XK_Home, VK_HOME
    {Qt::Key_End, {0xff57, 0x23, "End"}},             // XK_End, VK_END
    {Qt::Key_Left, {0xff51, 0x25, "Left"}},           // XK_Left, VK_LEFT
    {Qt::Key_Up, {0xff52, 0x26, "Up"}},               // XK_Up, VK_UP
    {Qt::Key_Right, {0xff53, 0x27, "Right"}},         // XK_Right, VK_RIGHT
    {Qt::Key_Down, {0xff54, 0x28, "Down"}},           // XK_Down, VK_DOWN
    {Qt::Key_PageUp, {0xff55, 0x21, "Prior"}},        // XK_Prior, VK_PRIOR
    {Qt::Key_PageDown, {0xff56, 0x22, "Next"}},       // XK_Next, VK_NEXT
}};

struct ModifierRow {
    Qt::KeyboardModifier Modifier;
    quint32 XMask;
    quint32 WindowsFlag;
    const char* GtkName;
};
// X's ShiftMask, ControlMask, Mod1Mask and Mod4Mask; Windows' MOD_SHIFT, MOD_CONTROL, MOD_ALT and
// MOD_WIN; in the order a GTK accelerator names them.
constexpr std::array<ModifierRow, 4> kModifiers{{
    {Qt::ShiftModifier, 0x01, 0x4, "<Shift>"},
    {Qt::ControlModifier, 0x04, 0x2, "<Control>"},
    {Qt::AltModifier, 0x08, 0x1, "<Alt>"},
    {Qt::MetaModifier, 0x40, 0x8, "<Super>"},
}};

} // namespace

std::optional<NamedKey> NamedKeyOf(Qt::Key key) {
    for (const auto& [named, codes] : kNamed)
        if (named == key)
            return codes;
    return {};
}

std::optional<char16_t> TypedCharacterOf(Qt::Key key) {
    // Printable Latin-1 keys are numbered by their characters.
    if ((key > Qt::Key_Space && key <= Qt::Key_AsciiTilde) ||
        (key > Qt::Key_nobreakspace && key <= Qt::Key_ydiaeresis))
        return QChar(static_cast<char16_t>(key)).toLower().unicode();
    return {};
}

namespace {

// One system's bits for the modifiers held.
quint32 ModifierBits(Qt::KeyboardModifiers modifiers, quint32 ModifierRow::*bits) {
    quint32 all = 0;
    for (const ModifierRow& row : kModifiers)
        if (modifiers.testFlag(row.Modifier))
            all |= row.*bits;
    return all;
}

} // namespace

quint32 XModifierMask(Qt::KeyboardModifiers modifiers) {
    return ModifierBits(modifiers, &ModifierRow::XMask);
}

quint32 WindowsModifierFlags(Qt::KeyboardModifiers modifiers) {
    return ModifierBits(modifiers, &ModifierRow::WindowsFlag);
}

QString GtkModifierNames(Qt::KeyboardModifiers modifiers) {
    QString names;
    for (const ModifierRow& row : kModifiers)
        if (modifiers.testFlag(row.Modifier))
            names += QLatin1StringView(row.GtkName);
    return names;
}

} // namespace orbo
