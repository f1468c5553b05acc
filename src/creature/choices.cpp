// The table of stored choices and the walks that read and write them.
#include "choices.h"

#include "creature/choice_text.h"
#include "creature/mdl_general.h"
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
    void (*Read)(const QString& text, mdlGeneral& choices, const Desktop& desktop);
    QString (*Write)(const mdlGeneral& choices);
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
template <bool mdlGeneral::*Field, bool ByDefault, bool Damaged>
StoredChoice Switch(const QString& key) {
    return {key, [](const Desktop&) { return SwitchText(ByDefault); },
            [](const QString& text, mdlGeneral& choices, const Desktop&) {
                choices.*Field = SwitchFromText(text, Damaged);
            },
            [](const mdlGeneral& choices) { return SwitchText(choices.*Field); }};
}

// One coordinate of the window's top-left corner, in twips. It is used only when the window
// system can place a window there: X11 and the always-on-top call both take 16-bit pixel
// positions; otherwise the centre's.
template <float mdlGeneral::*Field, bool Horizontal> StoredChoice Place(const QString& key) {
    return {
        key,
        [](const Desktop& desktop) { return UserLocaleSingleText(Centre(desktop, Horizontal)); },
        [](const QString& text, mdlGeneral& choices, const Desktop& desktop) {
            const Units units = desktop.ScreenUnits();
            float value = 0;
            if (!UserLocaleTextToSingle(text, value) ||
                !(Horizontal ? units.Pixels16X(value) : units.Pixels16Y(value)))
                value = Centre(desktop, Horizontal);
            choices.*Field = value;
        },
        [](const mdlGeneral& choices) { return UserLocaleSingleText(choices.*Field); }};
}

// Every choice, in the order a set is written.
const std::array<StoredChoice, 12> kChoices{
    Place<&mdlGeneral::Left, true>(u"Left"_s),
    Place<&mdlGeneral::Top, false>(u"Top"_s),
    // Blanks around the name are dropped; no name at all is the built-in skin.
    StoredChoice{u"Skin"_s, [](const Desktop&) { return kNoSkin; },
                 [](const QString& text, mdlGeneral& choices, const Desktop&) {
                     choices.SkinName = TrimSpaces(text).toString();
                     if (choices.SkinName.isEmpty())
                         choices.SkinName = kNoSkin;
                 },
                 [](const mdlGeneral& choices) { return choices.SkinName; }},
    // Any number, brought into 0 to 100 and rounded halves to even; no number is the default.
    StoredChoice{u"Speed"_s, [](const Desktop&) { return QString::number(kDefaultSpeed); },
                 [](const QString& text, mdlGeneral& choices, const Desktop&) {
                     float speed = kDefaultSpeed;
                     if (!UserLocaleTextToSingle(text, speed))
                         speed = kDefaultSpeed;
                     choices.Speed =
                         RoundToUint8(std::clamp(speed, 0.0f, 100.0f)).value_or(kDefaultSpeed);
                 },
                 [](const mdlGeneral& choices) { return QString::number(choices.Speed); }},
    // Blinking and staying on top are on by default and off when damaged.
    Switch<&mdlGeneral::OnTop, true, false>(u"OnTop"_s),
    Switch<&mdlGeneral::Blink, true, false>(u"Blink"_s),
    // The desktop choices are on unless plainly turned off: a damaged value keeps the default.
    Switch<&mdlGeneral::HideOverFullScreen, true, true>(u"HideOverFullScreen"_s),
    Switch<&mdlGeneral::AllWorkspaces, true, true>(u"AllWorkspaces"_s),
    // Damaged, clicks are taken, so that the creature stays reachable.
    Switch<&mdlGeneral::ClickThrough, false, false>(u"ClickThrough"_s),
    // A whole percentage that is one of the sizes offered, else 100.
    StoredChoice{u"Size"_s, [](const Desktop&) { return u"100"_s; },
                 [](const QString& text, mdlGeneral& choices, const Desktop&) {
                     bool sized = false;
                     const int size = text.trimmed().toInt(&sized);
                     choices.Size = sized && IsSizeChoice(size) ? size : 100;
                 },
                 [](const mdlGeneral& choices) { return QString::number(choices.Size); }},
    // Kept as stored, so that a key this program cannot use is not lost.
    StoredChoice{
        u"HotKey"_s, [](const Desktop&) { return kDefaultHotKey; },
        [](const QString& text, mdlGeneral& choices, const Desktop&) { choices.HotKey = text; },
        [](const mdlGeneral& choices) { return choices.HotKey; }},
    Switch<&mdlGeneral::PointerNotice, true, true>(u"PointerNotice"_s),
};

} // namespace

void ReadChoices(SettingsStore& store, const Desktop& desktop, mdlGeneral& choices) {
    for (const StoredChoice& choice : kChoices)
        choice.Read(
            store.GetSetting(kSettingsApp, kSettingsSection, choice.Key, choice.Default(desktop)),
            choices, desktop);
}

std::optional<QString> WriteChoices(SettingsStore& store, const mdlGeneral& choices) {
    SettingValues values;
    for (const StoredChoice& choice : kChoices)
        values.emplace_back(choice.Key, choice.Write(choices));
    return store.SaveSettings(kSettingsApp, kSettingsSection, values);
}

} // namespace orbo
