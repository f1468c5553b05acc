// The stored settings: reading them with their defaults, saving them as one set, their texts.
#pragma once

#include <QtCore/QKeyCombination>
#include <QtCore/QLocale>
#include <QtCore/QString>

#include <cstdint>
#include <optional>

namespace orbo {

class Desktop;
class SettingsStore;
struct mdlGeneral;

inline const QString kSettingsApp = QStringLiteral("Z Orbo");
inline const QString kSettingsSection = QStringLiteral("Setting");
// The speed of a first start, and of a stored speed that is no number.
inline constexpr std::uint8_t kDefaultSpeed = 85;
// The key that hides and shows the creature until the user stores another (or none).
inline const QString kDefaultHotKey = QStringLiteral("Ctrl+Alt+O");

// The stored values as LoadInfo applies them.
struct StoredSettings {
    float Left = 0;
    float Top = 0;
    bool Blink = true;
    bool OnTop = true;
    std::uint8_t Speed = kDefaultSpeed;
    QString Skin;
    bool HideOverFullScreen = true;
    bool AllWorkspaces = true;
    bool ClickThrough = false;
    int Size = 100;
    // The key that hides and shows the creature, as stored: read when it is listened for.
    QString HotKey = kDefaultHotKey;
};

// Reads the store, with the defaults for missing keys: the window's top-left corner at the
// screen's centre, blinking and always-on-top on, kDefaultSpeed, the built-in skin, hiding over
// full-screen windows and showing on every workspace. A position or speed that is no number (or
// no usable pixel position) gives that key's default. Blink and OnTop are on exactly when their
// text is "true" in any letter case; the desktop choices are off exactly when it is "false";
// clicks pass through exactly when ClickThrough is "true", so that a damaged value leaves the
// creature reachable. The size is its whole percentage when that is one of kSizeChoices, else 100.
// The hot key's text is kept as stored, so that one this program cannot use is not lost.
StoredSettings ReadStoredSettings(SettingsStore& store, const Desktop& desktop);

// Saves the keys as one set, in the order Left, Top, Skin, Speed, OnTop, Blink,
// HideOverFullScreen, AllWorkspaces, ClickThrough, Size, HotKey. Nothing when the store kept them,
// else why not (the store's reason).
std::optional<QString> WriteStoredSettings(SettingsStore& store, float left, float top,
                                           const mdlGeneral& general);

// A stored switch's text: "True" or "False" in any letter case; any other text is damaged and
// reads as `damaged`.
bool SwitchFromText(const QString& text, bool damaged);

// The key a stored HotKey text names ("Ctrl+Alt+O", any letter case): one key with Ctrl, Alt or
// Meta, or a function key alone, since a plain key would be taken from the user's typing.
// Nothing for a text that names no such key.
std::optional<QKeyCombination> HotKeyFromText(const QString& text);

// The decimal text of a single-precision number in the user's locale; whole numbers have no
// decimal point. And the reverse: the user's locale first, then the C locale, then a decimal
// comma, so that a file written under one language's numbers reads the same under another's.
QString UserLocaleSingleText(float value, const QLocale& user = QLocale::system());
bool UserLocaleTextToSingle(const QString& text, float& value,
                            const QLocale& user = QLocale::system());

} // namespace orbo
