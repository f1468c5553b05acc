// The creature model: its settings, the skin on show, the window's place, shape and frame, and
// the pace and rest of its animation.
#pragma once

#include "creature/choices.h"
#include "creature/creature_window.h"
#include "creature/default_skin.h"
#include "runtime/monitors.h"
#include "runtime/surface.h"
#include "skin/skin_reader.h"

#include <QtCore/QPoint>
#include <QtCore/QPointF>
#include <QtCore/QRect>
#include <QtCore/QStringList>
#include <QtGui/QRegion>

#include <cstdint>
#include <optional>
#include <utility>

class QPainter;

namespace orbo {

class Desktop;
class SettingsStore;
struct SkinContext;

// How the animation's timers run: a tick every Interval milliseconds while Ticking; while the
// creature is still, no ticks but the slow check every kSlowCheckMs instead.
struct Pace {
    int Interval = 100;
    bool Ticking = false;
    bool SlowCheck = false;
    bool operator==(const Pace&) const = default;
};

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
    // Above all other windows, or not: told before the stored skin shapes the window.
    virtual void ShowOnTop(bool) {}
    // Resting, the window is hidden; awake again, it shows where it was.
    virtual void ShowResting(bool) {}
    // The timers are to run at this pace from now on.
    virtual void ShowPace(const Pace&) {}
};

// One creature, free of widgets: the settings record, the skin on show and how it is activated,
// where the window is, the frames the animation composes and the pace it runs at. The window,
// the skin checker and the tests all drive it; whatever shows it is told through a CreatureView.
class Creature {
public:
    // While still, the pointer is looked at this often, for the moves nothing announces (a
    // warped pointer).
    static constexpr int kSlowCheckMs = 2000;

    // Skins are looked for by name in skinsFolders, the first that holds one wins.
    Creature(Desktop& desktop, QStringList skinsFolders);
    ~Creature();
    Creature(const Creature&) = delete;
    Creature& operator=(const Creature&) = delete;

    // Told the pace now, and every change from now on.
    void SetView(CreatureView* view);

    const Choices& Chosen() const { return chosen_; }
    // The record of the skin on show.
    const SkinDef& Skin() const { return skin_; }
    const CreatureWindow& Window() const { return window_; }
    const Units& ScaleUnits() const { return units_; }
    const DefaultSkinPictures& BuiltIn() const { return builtInSkin_; }

    // --- Storage ---
    // Reads the stored choices with their defaults and applies them: the place, on top or not,
    // the speed, the stored skin and its size.
    void LoadChoices(SettingsStore& store);
    // Stores every choice as one set. Nothing when the store kept them, else why not.
    std::optional<QString> SaveChoices(SettingsStore& store) const;

    // --- The user's choices ---
    // A new speed changes the pace at once (the timer interval rule).
    void SetSpeed(std::uint8_t speed);
    void SetBlink(bool blink);
    void SetOnTop(bool onTop);
    // Minutes without input before the creature dozes, 0 for never: the desktop watches for that
    // long from now on, and a dozing creature wakes.
    void SetDozeAfter(float minutes);
    // A choice that the creature itself draws nothing from: what acts on it reads it back.
    template <typename T> void Choose(T Choices::*choice, T value) {
        chosen_.*choice = std::move(value);
    }
    // The creature shown at this size (percent, one of kSizeChoices; any other is ignored, and so
    // is one whose frames would take the skin past its pictures' budget): the window grows or
    // shrinks from its top-left corner and is kept on the monitors. A stored size refused at
    // start is stored again until the user picks a size.
    void SetSize(int percent);

    // --- Activation ---
    // The skin by name, as the options window and the settings give it.
    void ActivateSkin(const QString& name);
    // The skin in a folder given by its path, as the checker does; the reading's result (none
    // without a Skin.ini there), each line told to the observer.
    std::optional<SkinReadResult> ActivateSkinFolder(const QString& folder,
                                                     const SkinLineObserver& observer = {});
    // The built-in skin's record and background, the window not yet fitted to it.
    void ActivateDefSkin();

    // --- Placement ---
    // The window's top-left corner, in twips; a value that is no pixel position is ignored.
    void MoveTo(float left, float top);
    // A drag proposes a new top-left corner (twips): the window follows inside the monitors it
    // is on, first across, then up or down from where that left it.
    void DragTo(float left, float top);
    // The user's drag: the window grabbed at a point of its own (twips), the grabbed point
    // following the pointer's moves (twips, from the window's corner), then let go; a drag can
    // end between monitors where none shows the window, so letting go keeps it on one.
    void Grab(float x, float y);
    void DragMove(float x, float y);
    void LetGo();
    // The window system placed the window elsewhere (pixels).
    void WindowMoved(QPoint pixels);
    // A window that shows on no monitor comes back to the nearest one.
    void KeepOnMonitors();
    // A lost creature comes back: its window centred in a work area (pixels), the odd pixel
    // left over going right and down.
    void BringBack(const QRect& workArea);

    // --- Pace and rest ---
    // The animation runs from now on, until it ends for good.
    void StartAnimation();
    void EndAnimation();
    // The tick timer fired: one tick, and when it shows the creature still on a desktop that
    // announces its input, the ticks stop (idle) until something wakes it.
    void Step();
    // Something a tick draws from may have changed: tick again if idle.
    void Wake();
    // The slow check's timer fired: wakes the creature if the pointer, a button, the place or
    // the monitors changed unannounced.
    void SlowCheck();
    // Hidden by the user, or for a full-screen window: resting while either holds, with no
    // ticks and no checks.
    void SetHiddenByUser(bool hidden);
    void SetHiddenForFullScreen(bool hidden);
    bool HiddenByUser() const { return hiddenByUser_; }
    bool Resting() const { return resting_; }
    bool Idle() const { return idle_; }
    // The person is away by the desktop's idle time, and the creature dozes: its eyes look just
    // below it and its lids are closed, drawn once, with no ticks and no checks until the first
    // input.
    bool Dozing() const { return dozing_; }
    const Pace& CurrentPace() const { return pace_; }

    // --- Animation ---
    // One animation step: the frame drawn for the cursor and buttons as they are now, and the
    // pixels that changed shown. Whether the creature is still: nothing changed, nothing it
    // draws from moved since the step before, and nothing was announced in between.
    bool Tick();
    // The frames drawn since the creature was made, one a tick.
    std::uint64_t Draws() const { return draws_; }
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
    // Whether anything a tick draws from differs from what the last tick saw.
    bool InputsChanged();
    // Something a tick draws from may have changed.
    void Announce() { announced_ = true; }
    // Rest as the two reasons say; the pace as the state says, told when it changed.
    void UpdateRest();
    void UpdatePace();
    // The desktop tells that the person is away, or back.
    void SetAway(bool away);
    // The desktop is told the wait chosen.
    void WatchAway();
    // SetSize's rule; whether the creature now shows at that size.
    bool ApplySize(int percent);

    Desktop& desktop_;
    QStringList skinsFolders_;
    Units units_;
    Choices chosen_;
    SkinDef skin_;
    DefaultSkinPictures builtInSkin_;
    CreatureWindow window_;
    Surface surface_;
    CreatureView* view_ = nullptr;
    QRect shownPlace_;
    TickInputs lastInputs_;
    // The monitors the creature was last kept on.
    Monitors monitors_;
    bool announced_ = true;
    // The drag's grab point (twips), while the window is held.
    std::optional<QPointF> grab_;
    bool started_ = false;
    bool ended_ = false;
    bool idle_ = false;
    bool dozing_ = false;
    std::uint64_t draws_ = 0;
    bool hiddenByUser_ = false;
    bool hiddenForFullScreen_ = false;
    bool resting_ = false;
    Pace pace_;
    // The stored size this run could not show, written back as it was.
    std::optional<int> storedSize_;
};

} // namespace orbo
