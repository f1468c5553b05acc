// How stored texts read: switches, the hot key and numbers written under any language.
#pragma once

#include <QtCore/QKeyCombination>
#include <QtCore/QLocale>
#include <QtCore/QString>

#include <optional>

namespace orbo {

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
