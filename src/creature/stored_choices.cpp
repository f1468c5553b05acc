// The table of stored choices and the walks that read and write them.
#include "stored_choices.h"

#include "creature/choice_text.h"
#include "creature/choices.h"
#include "platform/desktop/desktop.h"
#include "platform/system/settings_store.h"
#include "runtime/arith.h"
#include "skin/skin_name.h"

#include <algorithm>
#include <array>

namespace orbo {

namespace {

using namespace Qt::StringLiterals;

// One stored choice: the key it is filed under, its text where none is stored, how a stored text
// becomes the model's value (a damaged text gives what the row's rule says) and how the value is
// written back.
struct StoredChoice {
    QString Key;
    QString (*Default)(const Desktop& desktop);
    void (*Read)(const QString& text, Choices& choices, const Desktop& desktop);
    QString (*Write)(const Choices& choices);
};

QString SwitchText(bool on) {
    return on ? u"True"_s : u"False"_s;
}

// The primary monitor's centre, wherever that monitor stands on the desktop.
float Centre(const Desktop& desktop, bool horizontal) {
    const QPointF origin = desktop.PrimaryOrigin();
    return horizontal ? static_cast<float>(origin.x()) + desktop.ScreenWidth() / 2
                      : static_cast<float>(origin.y()) + desktop.ScreenHeight() / 2;
}

// A switch, on or off; a damaged text reads as `Damaged`.
template <bool Choices::*Field, bool ByDefault, bool Damaged>
StoredChoice Switch(const QString& key) {
    return {key, [](const Desktop&) { return SwitchText(ByDefault); },
            [](const QString& text, Choices& choices, const Desktop&) {
                choices.*Field = SwitchFromText(text, Damaged);
            },
            [](const Choices& choices) { return SwitchText(choices.*Field); }};
}

// One coordinate of the window's top-left corner, in twips. It is used only when the window
// system can place a window there: X11 and the always-on-top call both take 16-bit pixel
// positions; otherwise the centre's.
template <float Choices::*Field, bool Horizontal> StoredChoice Place(const QString& key) {
    return {
        key,
        [](const Desktop& desktop) { return UserLocaleSingleText(Centre(desktop, Horizontal)); },
        [](const QString& text, Choices& choices, const Desktop& desktop) {
            const Units units = desktop.ScreenUnits();
            float value = 0;
            if (!UserLocaleTextToSingle(text, value) ||
                !(Horizontal ? units.Pixels16X(value) : units.Pixels16Y(value)))
                value = Centre(desktop, Horizontal);
            choices.*Field = value;
        },
        [](const Choices& choices) { return UserLocaleSingleText(choices.*Field); }};
}

// Every choice, in the order a set is written.
const std::array<StoredChoice, 13> kChoices{
    Place<&Choices::Left, true>(u"Left"_s),
    Place<&Choices::Top, false>(u"Top"_s),
    // Blanks around the name are dropped; no name at all is the built-in skin.
    StoredChoice{u"Skin"_s, [](const Desktop&) { return kNoSkin; },
                 [](const QString& text, Choices& choices, const Desktop&) {
                     choices.SkinName = TrimSpaces(text).toString();
                     if (choices.SkinName.isEmpty())
                         choices.SkinName = kNoSkin;
                 },
                 [](const Choices& choices) { return choices.SkinName; }},
    // Any number, brought into 0 to 100 and rounded halves to even; no number is the default.
    StoredChoice{u"Speed"_s, [](const Desktop&) { return QString::number(kDefaultSpeed); },
                 [](const QString& text, Choices& choices, const Desktop&) {
                     float speed = kDefaultSpeed;
                     if (!UserLocaleTextToSingle(text, speed))
                         speed = kDefaultSpeed;
                     choices.Speed =
                         RoundToUint8(std::clamp(speed, 0.0f, 100.0f)).value_or(kDefaultSpeed);
                 },
                 [](const Choices& choices) { return QString::number(choices.Speed); }},
    // Blinking and staying on top are on by default and off when damaged.
    Switch<&Choices::OnTop, true, false>(u"OnTop"_s),
    Switch<&Choices::Blink, true, false>(u"Blink"_s),
    // The desktop choices are on unless plainly turned off: a damaged value keeps the default.
    Switch<&Choices::HideOverFullScreen, true, true>(u"HideOverFullScreen"_s),
    Switch<&Choices::AllWorkspaces, true, true>(u"AllWorkspaces"_s),
    // Damaged, clicks are taken, so that the creature stays reachable.
    Switch<&Choices::ClickThrough, false, false>(u"ClickThrough"_s),
    // A whole percentage that is one of the sizes offered, else 100.
    StoredChoice{u"Size"_s, [](const Desktop&) { return u"100"_s; },
                 [](const QString& text, Choices& choices, const Desktop&) {
                     bool sized = false;
                     const int size = text.trimmed().toInt(&sized);
                     choices.Size = sized && IsSizeChoice(size) ? size : 100;
                 },
                 [](const Choices& choices) { return QString::number(choices.Size); }},
    // Kept as stored, so that a key this program cannot use is not lost.
    StoredChoice{
        u"HotKey"_s, [](const Desktop&) { return kDefaultHotKey; },
        [](const QString& text, Choices& choices, const Desktop&) { choices.HotKey = text; },
        [](const Choices& choices) { return choices.HotKey; }},
    Switch<&Choices::PointerNotice, true, true>(u"PointerNotice"_s),
    // Minutes, 0 for never. The menu writes whole ones; a fraction ("0.05", with a point in every
    // language) is taken as written, so that a wait of seconds can be set by hand. No number, a
    // negative one or one past a week is the default.
    StoredChoice{u"DozeAfter"_s, [](const Desktop&) { return QString::number(kDefaultDozeAfter); },
                 [](const QString& text, Choices& choices, const Desktop&) {
                     bool read = false;
                     const double minutes = text.trimmed().toDouble(&read);
                     choices.DozeAfter = read && minutes >= 0 && minutes <= kLongestDozeAfter
                                             ? static_cast<float>(minutes)
                                             : kDefaultDozeAfter;
                 },
                 [](const Choices& choices) { return QString::number(choices.DozeAfter); }},
};

} // namespace

void ReadChoices(SettingsStore& store, const Desktop& desktop, Choices& choices) {
    for (const StoredChoice& choice : kChoices)
        choice.Read(
            store.GetSetting(kSettingsApp, kSettingsSection, choice.Key, choice.Default(desktop)),
            choices, desktop);
}

std::optional<QString> WriteChoices(SettingsStore& store, const Choices& choices) {
    SettingValues values;
    for (const StoredChoice& choice : kChoices)
        values.emplace_back(choice.Key, choice.Write(choices));
    return store.SaveSettings(kSettingsApp, kSettingsSection, values);
}

} // namespace orbo
