// The creature window: the view of the creature model, its timer, mouse and closing.
#pragma once

#include "creature/creature.h"
#include "runtime/interval_timer.h"

#include <QtCore/QTimer>
#include <QtWidgets/QMenu>
#include <QtWidgets/QWidget>

#include <cstdint>
#include <functional>
#include <optional>

namespace orbo {

class Desktop;
class SettingsStore;

// The creature window: borderless, cut to the skin's outline, its eyes redrawn on every tick. It
// shows the creature model and hands it the user's doings.
class CreatureWidget : public QWidget, private CreatureView {
    Q_OBJECT

public:
    CreatureWidget(Creature& creature, Desktop& desktop, SettingsStore& store,
                   QWidget* parent = nullptr);
    ~CreatureWidget() override;

    void Start();
    void Tick();
    void LoadChoices();
    // Nothing when the settings were stored, else why not.
    std::optional<QString> SaveChoices();
    // Runs once however the window closes: saves the settings and ends the program. When they
    // could not be stored, says why in one line on standard error (nothing is shown) and ends
    // with exit status 1.
    void End();

    // The creature it shows, for what the menu and the options window change.
    Creature& Model() { return creature_; }
    const Units& ScaleUnits() const { return creature_.ScaleUnits(); }
    const Choices& Chosen() const { return creature_.Chosen(); }

    // What the window system does for the two desktop choices, each told the choice at start-up
    // and on every change.
    struct DesktopChoiceHooks {
        std::function<void(QWidget&, bool)> AllWorkspaces;
        std::function<void(bool)> HideOverFullScreen;
    };
    void SetDesktopChoiceHooks(DesktopChoiceHooks hooks) { choiceHooks_ = std::move(hooks); }
    void SetHideOverFullScreen(bool hide);
    void SetAllWorkspaces(bool all);
    // Clicks reach the window below the creature, which still follows the pointer.
    void SetClickThrough(bool through);
    // For a start that a later one cannot reach (no session bus), since only a later start turns
    // "Let clicks through" off where there is no tray: the creature takes clicks, and says so
    // once from the event loop, when whoever tells the user listens.
    void StartWithClicksTaken();

    // A lost creature comes back: centred in the primary monitor's work area, that place saved
    // at once, shown and raised.
    void BringBack();
    // A second start: the creature shows where it stands and comes to the front, hidden by the
    // user it shows, off every monitor it comes back to the nearest (that place saved). Hidden
    // for a full-screen window, it stays hidden until that window goes. Letting clicks through,
    // it takes them again and says so.
    void ComeForward();
    // Hidden, the creature stops its animation and nothing wakes it; shown again, it is where
    // it was.
    void SetCreatureShown(bool shown);
    bool CreatureShown() const { return !creature_.HiddenByUser(); }
    // Hidden for now, by the user or for a full-screen window.
    bool Resting() const { return creature_.Resting(); }

    // Mouse handlers: button 1 left, 2 right, 4 middle (a sum while moving); X, Y in twips.
    void MousePressed(int button, float x, float y);
    void MouseMoved(int button, float x, float y);
    void MouseReleased(int button, float x, float y);

    // The popup menu a right click opens; the creature's menu fills it.
    QMenu& PopupMenu() { return popupMenu_; }

    // The last composed frame, for tests and screenshots.
    const QImage& Frame() const { return creature_.Frame(); }
    int AnimationInterval() const { return tickTimer_.interval(); }
    bool Animating() const { return tickTimer_.isActive(); }
    // Whether the animation has stopped because nothing on the screen could change.
    bool Idle() const { return creature_.Idle(); }
    // Out of the way of a full-screen window: hidden, the animation stopped until shown again.
    void SetHiddenForFullScreen(bool hidden);

Q_SIGNALS:
    // Something the user should know, said once.
    void Told(const QString& what);

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    // CreatureView
    void PlaceWindow(const QRect& pixels) override;
    void ShowFrame(const QRegion& changed) override;
    void ShowShape(const QRegion& shape) override;
    void ShowOnTop(bool onTop) override;
    void ShowResting(bool resting) override;
    void ShowPace(const Pace& pace) override;

    // The event's position in the window's twips, measured from where the window is now.
    QPointF EventTwips(const QMouseEvent& event) const;

    IntervalTimer tickTimer_;
    Creature& creature_;
    Desktop& desktop_;
    SettingsStore& store_;
    QMenu popupMenu_;
    std::optional<QPoint> menuAt_;
    bool unloaded_ = false;
    DesktopChoiceHooks choiceHooks_;
    unsigned long long ticks_ = 0;
    // While the creature is still: catches what is never announced (a warped pointer).
    QTimer slowCheck_;
};

} // namespace orbo
