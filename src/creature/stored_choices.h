// The user's choices as the settings store keeps them: one table that reading, writing and
// loading walk, so that a choice is named, defaulted and turned into text in one place.
#pragma once

#include <QtCore/QString>

#include <cstdint>
#include <optional>

namespace orbo {

class Desktop;
class SettingsStore;
struct Choices;

inline const QString kSettingsApp = QStringLiteral("Z Orbo");
inline const QString kSettingsSection = QStringLiteral("Setting");
// The speed of a first start, and of a stored speed that is no number.
inline constexpr std::uint8_t kDefaultSpeed = 85;
// The key that hides and shows the creature until the user stores another (or none).
inline const QString kDefaultHotKey = QStringLiteral("Ctrl+Alt+O");

// Each choice read from the store into the model, with the defaults for missing keys: the
// window's top-left corner at the primary monitor's centre, blinking, always-on-top and the
// desktop choices on, kDefaultSpeed, the built-in skin, size 100, kDefaultHotKey. The rest of the
// model (the skin's record) is as `choices` had it.
void ReadChoices(SettingsStore& store, const Desktop& desktop, Choices& choices);

// Saves the choices as one set. Nothing when the store kept them, else why not (the store's
// reason).
std::optional<QString> WriteChoices(SettingsStore& store, const Choices& choices);

} // namespace orbo
