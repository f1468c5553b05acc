// The stored settings read from and written to the settings store.
#include "settings_io.h"

#include "creature/mdl_general.h"
#include "platform/desktop/desktop.h"
#include "platform/system/settings_store.h"
#include "runtime/arith.h"
#include "skin/skin_name.h"

#include <QtCore/QLocale>
#include <QtGui/QKeySequence>

#include <algorithm>
#include <cmath>

namespace orbo {

namespace {

QString BoolText(bool value) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

// A position is used only when the window system can place a window there: X11 and the
// always-on-top call both take 16-bit pixel positions.
float PositionOr(const QString& text, float fallback, const Units& units, bool horizontal) {
    float value = 0;
    if (!UserLocaleTextToSingle(text, value) ||
        !(horizontal ? units.Pixels16X(value) : units.Pixels16Y(value)))
        return fallback;
    return value;
}

// The text as the C locale reads it: digits of any script as 0 to 9, direction marks gone, the
// minus and the Arabic decimal and group signs as the C locale has them (or none), and the user's
// decimal sign a point.
QString PlainNumberText(const QString& text, const QLocale& user) {
    const QString decimal = user.decimalPoint();
    QString plain;
    plain.reserve(text.size());
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Format || c == u'\u066C')
            continue;
        if (const int digit = c.digitValue(); digit >= 0 && digit <= 9)
            plain += QChar(u'0' + digit);
        else if (c == u'\u2212')
            plain += u'-';
        else if (c == u'\u066B' || (decimal.size() == 1 && c == decimal[0]))
            plain += u'.';
        else
            plain += c;
    }
    return plain;
}

} // namespace

QString UserLocaleSingleText(float value, const QLocale& user) {
    // Digits 0 to 9 in every language: another language's digits would not read back in a third.
    QString text = QLocale::c().toString(static_cast<double>(value), 'g', 7);
    const QString decimal = user.decimalPoint();
    if (decimal.size() == 1 && decimal[0].digitValue() < 0)
        text.replace(u'.', decimal[0]);
    return text;
}

bool UserLocaleTextToSingle(const QString& text, float& value, const QLocale& user) {
    QString plain = PlainNumberText(text, user);
    // Written with no group separators, a comma can only be another locale's decimal point.
    if (plain.count(u',') == 1 && !plain.contains(u'.'))
        plain.replace(u',', u'.');
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const float parsed = c.toFloat(plain, &ok);
    if (!ok || !std::isfinite(parsed))
        return false;
    value = parsed;
    return true;
}

bool SwitchFromText(const QString& text, bool damaged) {
    if (text.compare(u"true", Qt::CaseInsensitive) == 0)
        return true;
    if (text.compare(u"false", Qt::CaseInsensitive) == 0)
        return false;
    return damaged;
}

std::optional<QKeyCombination> HotKeyFromText(const QString& text) {
    const QString trimmed = text.trimmed();
    // Keys named as a settings file stores them, or as the user's own language names them (the
    // way Orbo's messages name the key: "Strg+Alt+O").
    for (const auto format : {QKeySequence::PortableText, QKeySequence::NativeText}) {
        const QKeySequence sequence = QKeySequence::fromString(trimmed, format);
        if (sequence.count() != 1)
            continue;
        const QKeyCombination key = sequence[0];
        const Qt::Key code = key.key();
        const bool modifierAlone = code == Qt::Key_Shift || code == Qt::Key_Control ||
                                   code == Qt::Key_Alt || code == Qt::Key_Meta;
        const bool held = (key.keyboardModifiers() &
                           (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0;
        if (code == Qt::Key_unknown || modifierAlone ||
            !(held || (code >= Qt::Key_F1 && code <= Qt::Key_F35)))
            continue;
        // A key named by its letter is that letter's key: Qt reads the dotless i as I, another key.
        const QString name = QKeySequence(code).toString(QKeySequence::PortableText);
        const QChar typed = trimmed.back();
        if (name.size() == 1 &&
            (typed.toUpper() != name[0] || name[0].toLower() != typed.toLower()))
            continue;
        return key;
    }
    return {};
}

StoredSettings ReadStoredSettings(SettingsStore& store, const Desktop& desktop) {
    StoredSettings s;
    const auto get = [&store](const QString& key, const QString& fallback) {
        return store.GetSetting(kSettingsApp, kSettingsSection, key, fallback);
    };
    // The primary monitor's centre, wherever that monitor stands on the desktop.
    const QPointF origin = desktop.PrimaryOrigin();
    const float left = static_cast<float>(origin.x()) + desktop.ScreenWidth() / 2;
    const float top = static_cast<float>(origin.y()) + desktop.ScreenHeight() / 2;
    const Units units = desktop.ScreenUnits();
    s.Left = PositionOr(get(QStringLiteral("Left"), UserLocaleSingleText(left)), left, units, true);
    s.Top = PositionOr(get(QStringLiteral("Top"), UserLocaleSingleText(top)), top, units, false);
    // Blinking and staying on top are on by default and off when damaged.
    s.Blink = SwitchFromText(get(QStringLiteral("Blink"), BoolText(true)), false);
    s.OnTop = SwitchFromText(get(QStringLiteral("OnTop"), BoolText(true)), false);
    float speed = kDefaultSpeed;
    if (!UserLocaleTextToSingle(get(QStringLiteral("Speed"), QString::number(kDefaultSpeed)),
                                speed))
        speed = kDefaultSpeed;
    s.Speed = RoundToUint8(std::clamp(speed, 0.0f, 100.0f)).value_or(kDefaultSpeed);
    s.Skin = TrimSpaces(get(QStringLiteral("Skin"), kNoSkin)).toString();
    if (s.Skin.isEmpty())
        s.Skin = kNoSkin;
    // The desktop choices are on unless plainly turned off: a damaged value keeps the default.
    s.HideOverFullScreen =
        SwitchFromText(get(QStringLiteral("HideOverFullScreen"), BoolText(true)), true);
    s.AllWorkspaces = SwitchFromText(get(QStringLiteral("AllWorkspaces"), BoolText(true)), true);
    // Damaged, clicks are taken, so that the creature stays reachable.
    s.ClickThrough = SwitchFromText(get(QStringLiteral("ClickThrough"), BoolText(false)), false);
    bool sized = false;
    const int size = get(QStringLiteral("Size"), QStringLiteral("100")).trimmed().toInt(&sized);
    s.Size = sized && IsSizeChoice(size) ? size : 100;
    s.HotKey = get(QStringLiteral("HotKey"), kDefaultHotKey);
    return s;
}

std::optional<QString> WriteStoredSettings(SettingsStore& store, float left, float top,
                                           const mdlGeneral& general) {
    return store.SaveSettings(
        kSettingsApp, kSettingsSection,
        {{QStringLiteral("Left"), UserLocaleSingleText(left)},
         {QStringLiteral("Top"), UserLocaleSingleText(top)},
         {QStringLiteral("Skin"), general.SkinName},
         {QStringLiteral("Speed"), QString::number(general.Speed)},
         {QStringLiteral("OnTop"), BoolText(general.OnTop)},
         {QStringLiteral("Blink"), BoolText(general.Blink)},
         {QStringLiteral("HideOverFullScreen"), BoolText(general.HideOverFullScreen)},
         {QStringLiteral("AllWorkspaces"), BoolText(general.AllWorkspaces)},
         {QStringLiteral("ClickThrough"), BoolText(general.ClickThrough)},
         {QStringLiteral("Size"), QString::number(general.Size)},
         {QStringLiteral("HotKey"), general.HotKey}});
}

} // namespace orbo
