// The creature model: its settings, the skin on show, the window's place, shape and frame.
#pragma once

#include "creature/creature_window.h"
#include "creature/default_skin.h"
#include "creature/mdl_general.h"
#include "runtime/monitors.h"
#include "runtime/surface.h"
#include "skin/skin_reader.h"

#include <QtCore/QPoint>
#include <QtCore/QRect>
#include <QtCore/QStringList>
#include <QtGui/QRegion>

#include <cstdint>
#include <functional>
#include <optional>

class QPainter;

namespace orbo {

class Desktop;
class SettingsStore;
struct SkinContext;

// What shows the creature. Each activation reaches it as one place, one frame and one shape;
// each tick as the pixels that changed, if any.
class CreatureView {
public:
    virtual ~CreatureView() = default;
    // The window's place and size in pixels.
    virtual void PlaceWindow(const QRect& pixels) = 0;
    // The frame changed in these pixels.
    virtual void ShowFrame(const QRegion& changed) = 0;
    // Outside the shape nothing of the window shows or takes the mouse.
    virtual void ShowShape(const QRegion& shape) = 0;
};

// One creature, free of widgets: the settings record, the skin on show and how it is activated,
// where the window is, and the frames the animation composes. The window, the skin checker and
// the tests all drive it; whatever shows it is told through a CreatureView.
class Creature {
public:
    // Skins are looked for by name in skinsFolders, the first that holds one wins.
    Creature(Desktop& desktop, QStringList skinsFolders);

    // Told of every change from now on.
    void SetView(CreatureView* view) { view_ = view; }

    const mdlGeneral& General() const { return general_; }
    const CreatureWindow& Window() const { return window_; }
    const Units& ScaleUnits() const { return units_; }
    const DefaultSkinPictures& BuiltIn() const { return imgDefSkin_; }

    // Reads the stored values with their defaults and applies them: the place and the switches,
    // then (once the window has been told, through switchesSet) the speed, the stored skin and
    // the desktop choices.
    void LoadInfo(SettingsStore& store, const std::function<void()>& switchesSet = {});
    // Nothing when the store kept all the values, else why not.
    std::optional<QString> SaveInfo(SettingsStore& store) const;

    void SetSpeed(std::uint8_t speed);
    void SetBlink(bool blink);
    void SetOnTop(bool onTop);
    void SetHideOverFullScreen(bool hide) { general_.HideOverFullScreen = hide; }
    void SetAllWorkspaces(bool all) { general_.AllWorkspaces = all; }

    // The skin by name, as the options window and the settings give it.
    void ActivateSkin(const QString& name);
    // The skin in a folder given by its path, as the checker does; the reading's result (none
    // without a Skin.ini there), each line told to the observer.
    std::optional<SkinReadResult> ActivateSkinFolder(const QString& folder,
                                                     const SkinLineObserver& observer = {});
    // The built-in skin's record and background, the window not yet fitted to it.
    void ActivateDefSkin();

    // The window's top-left corner, in twips; a value that is no pixel position is ignored.
    void MoveTo(float left, float top);
    // A drag proposes a new top-left corner (twips): the window follows inside the monitors it
    // is on, first across, then up or down from where that left it.
    void DragTo(float left, float top);
    // The window system placed the window elsewhere (pixels).
    void WindowMoved(QPoint pixels);
    // A window that shows on no monitor comes back to the nearest one.
    void KeepOnMonitors();
    // A lost creature comes back: its window centred in a work area (pixels), the odd pixel
    // left over going right and down.
    void BringBack(const QRect& workArea);

    // One animation step: the frame drawn for the cursor and buttons as they are now, and the
    // pixels that changed shown. Whether the creature is still: nothing changed, nothing it
    // draws from moved since the step before, and nothing was announced in between.
    bool Tick();
    // Something a tick draws from may have changed.
    void Announce() { announced_ = true; }
    // Whether anything a tick draws from differs from what the last tick saw (the slow check
    // while still).
    bool InputsChanged();

    // The last composed frame.
    const QImage& Frame() const { return surface_.Image(); }
    // Draws the frame's region (pixels) with a painter of the given device pixel ratio.
    void Paint(QPainter& painter, const QRegion& region, qreal ratio);

private:
    // Everything a tick draws from, besides the skin and the settings.
    struct TickInputs {
        QPoint cursor;
        bool left = false;
        bool right = false;
        bool middle = false;
        QRect place;
        Monitors monitors;
        bool operator==(const TickInputs&) const = default;
    };
    TickInputs ReadInputs();
    SkinContext Context();
    // After an activation: the window's place, its whole new frame and its shape, shown once.
    void ShowActivated();
    // The place, when it changed since last shown.
    void ShowPlace();

    Desktop& desktop_;
    QStringList skinsFolders_;
    Units units_;
    mdlGeneral general_;
    DefaultSkinPictures imgDefSkin_;
    CreatureWindow window_;
    Surface surface_;
    CreatureView* view_ = nullptr;
    QRect shownPlace_;
    TickInputs lastInputs_;
    // The monitors the creature was last kept on.
    Monitors monitors_;
    bool announced_ = true;
};

} // namespace orbo
