// Skin activation: the built-in skin, a skin folder read over it, the window fitted and shaped.
#pragma once

#include "creature/creature_window.h"
#include "creature/default_skin.h"
#include "platform/desktop/desktop.h"
#include "skin/skin_name.h"
#include "skin/skin_reader.h"

#include <QtCore/QString>
#include <QtCore/QStringList>

namespace orbo {

// Everything ActivateSkin works with besides the name asked for.
struct SkinContext {
    SkinDef& Skin;
    QString& SkinName; // the skin on show
    CreatureWindow& Window;
    Desktop& Desk;
    const DefaultSkinPictures& Pictures;
    QStringList SkinsFolders; // where skin folders are looked for, the first that holds one wins
};

// Switches the skin on show: nothing for the name already on show (any letter case); the
// built-in skin for "< none >" and the empty name; otherwise the built-in skin with the named
// skin's Skin.ini read over it, then FitWindowToBackground. Nothing a skin holds makes it fail.
// Whether it activated anything.
bool ActivateSkin(const SkinContext& context, const QString& name);

// <skins folder>/<name> in the first of skinsFolders that holds name as a folder, found by its
// exact name first, then ignoring letter case (a skin folder made on Windows may differ from the
// stored name in case only).
std::optional<QString> FindSkinFolder(const QStringList& skinsFolders, const QString& name);

// The activation's steps for a skin folder (none: the built-in skin alone): the built-in skin,
// the folder's Skin.ini read over it, then FitWindowToBackground. The reading's result, none
// when there was no folder or it holds no Skin.ini.
std::optional<SkinReadResult> ActivateSkinFolder(const SkinContext& context,
                                                 const std::optional<QString>& folder,
                                                 const SkinLineObserver& observer = {});

// Reads folder's Skin.ini into the target's record and gives the window the background picture
// it loaded. No result, and nothing changed, when the folder holds no Skin.ini.
std::optional<SkinReadResult> ReadSkinFolder(const QString& folder, const SkinTarget& target,
                                             CreatureWindow& window,
                                             const SkinLineObserver& observer = {});
// The scale the pictures' budget counts the window's copies at: the largest of the monitors',
// since the window may be dragged onto any of them; at least 1.
qreal LargestScale(const Monitors& monitors);

// The window takes its background picture's size (shown at the window's Size), is pulled back onto
// the monitors it is on at the right and the bottom (and brought back when it shows on none), and
// is cut to the background's non-magenta pixels, scaled alike.
void FitWindowToBackground(CreatureWindow& window, const Desktop& desk, const Units& units);
// Brings a window that shows on no monitor back onto the nearest one, whole where it fits; one
// that shows in part stays where it is.
void KeepOnMonitors(CreatureWindow& window, const Desktop& desk);

} // namespace orbo
