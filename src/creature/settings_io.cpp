// The six stored settings read from and written to the settings store.
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

QLocale UserLocale(QLocale locale) {
    locale.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    return locale;
}

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

} // namespace

QString UserLocaleSingleText(float value, const QLocale& user) {
    return UserLocale(user).toString(static_cast<double>(value), 'g', 7);
}

bool UserLocaleTextToSingle(const QString& text, float& value, const QLocale& user) {
    bool ok = false;
    float parsed = UserLocale(user).toFloat(text, &ok);
    if (!ok)
        parsed = QLocale::c().toFloat(text, &ok);
    // Written with no group separators, a comma can only be another locale's decimal point.
    if (!ok && text.count(u',') == 1 && !text.contains(u'.'))
        parsed = QLocale::c().toFloat(QString(text).replace(u',', u'.'), &ok);
    if (!ok || !std::isfinite(parsed))
        return false;
    value = parsed;
    return true;
}

std::optional<QKeyCombination> HotKeyFromText(const QString& text) {
    const QKeySequence sequence = QKeySequence::fromString(text.trimmed());
    if (sequence.count() != 1)
        return {};
    const QKeyCombination key = sequence[0];
    const Qt::Key code = key.key();
    const bool modifierAlone = code == Qt::Key_Shift || code == Qt::Key_Control ||
                               code == Qt::Key_Alt || code == Qt::Key_Meta;
    const bool held =
        (key.keyboardModifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0;
    if (code == Qt::Key_unknown || modifierAlone ||
        !(held || (code >= Qt::Key_F1 && code <= Qt::Key_F35)))
        return {};
    return key;
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
    const auto getSwitch = [&get](const QString& key) {
        return get(key, QStringLiteral("true")).toLower() == u"true";
    };
    s.Blink = getSwitch(QStringLiteral("Blink"));
    s.OnTop = getSwitch(QStringLiteral("OnTop"));
    float speed = kDefaultSpeed;
    if (!UserLocaleTextToSingle(get(QStringLiteral("Speed"), QString::number(kDefaultSpeed)),
                                speed))
        speed = kDefaultSpeed;
    s.Speed = RoundToUint8(std::clamp(speed, 0.0f, 100.0f)).value_or(kDefaultSpeed);
    s.Skin = TrimSpaces(get(QStringLiteral("Skin"), kNoSkin)).toString();
    if (s.Skin.isEmpty())
        s.Skin = kNoSkin;
    // The desktop choices are on unless plainly turned off: a damaged value keeps the default.
    const auto getChoice = [&get](const QString& key) {
        return get(key, QStringLiteral("true")).toLower() != u"false";
    };
    s.HideOverFullScreen = getChoice(QStringLiteral("HideOverFullScreen"));
    s.AllWorkspaces = getChoice(QStringLiteral("AllWorkspaces"));
    s.ClickThrough = get(QStringLiteral("ClickThrough"), QString()).toLower() == u"true";
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
