#pragma once

#include "platform/creature_window.h"
#include "platform/interval_timer.h"
#include "platform/monitors.h"
#include "platform/surface.h"
#include "skin/default_skin.h"

#include <QtCore/QTimer>
#include <QtWidgets/QWidget>

#include <cstdint>
#include <functional>

class QMenu;

namespace orbo {

class Desktop;
class SettingsStore;
struct mdlGeneral;

// The creature window: borderless, cut to the skin's outline, its eyes redrawn on every tick.
class Form1 : public QWidget, public CreatureWindow {
    Q_OBJECT

public:
    Form1(mdlGeneral& general, Desktop& desktop, SettingsStore& store, QWidget* parent = nullptr);
    ~Form1() override;

    void Form_Load();
    void Timer1_Timer();
    void LoadInfo();
    // Whether the settings were stored.
    bool SaveInfo();
    // Runs once however the window closes: saves the settings and ends the program, with exit
    // status 1 when they could not be stored (nothing is shown).
    void Form_QueryUnload();

    // Centres the creature in the primary monitor's work area, saves that place and shows it
    // above the other windows: a creature lost off the screens or behind windows comes back.
    void BringBack();

    void ActivateSkin(const QString& name);
    void ActivateDefSkin();
    // A new Speed (0 to 100), the animation's pace changed at once by the timer interval rule.
    void SetSpeed(std::uint8_t speed);
    // A new OnTop: the window is put above all others or released at once.
    void SetOnTop(bool onTop);
    void SetBlink(bool blink);
    // The frame number, 1 to frames, of a direction strip whose centre is at (x, y) screen
    // pixels, for the cursor as it is now; 0 when there is none (frames below 1).
    std::int16_t GetFrameIndex(std::int16_t frames, float x, float y);

    // Mouse handlers: button 1 left, 2 right, 4 middle (a sum while moving); X, Y in twips.
    void Form_MouseDown(int button, float x, float y);
    void Form_MouseMove(int button, float x, float y);
    void Form_MouseUp(int button, float x, float y);

    // The popup menu belongs to the options window, which is made the first time it is needed.
    using MenuProvider = std::function<QMenu*()>;
    void SetMenuProvider(MenuProvider provider) { menuProvider_ = std::move(provider); }

    // CreatureWindow
    float Left() const override;
    float Top() const override;
    float Width() const override;
    float Height() const override;
    void SetLeft(float twips) override;
    void SetTop(float twips) override;
    void SetWidth(float twips) override;
    void SetHeight(float twips) override;
    const Units& ScaleUnits() const override { return units_; }
    const orbo::Picture& Picture() const override { return picture_; }
    void SetPicture(const orbo::Picture& picture) override;
    void SetWindowRgn(const QRegion& region) override;

    // The last composed frame, for tests and screenshots.
    const QImage& Frame() const { return surface_.Image(); }
    const QImage& DefaultBackground() const { return imgDefSkin_.imgDefSkin[0].Image(); }
    int AnimationInterval() const { return Timer1.interval(); }
    bool Animating() const { return Timer1.isActive(); }
    // Whether the animation has stopped because nothing on the screen could change.
    bool Idle() const { return idle_; }
    // Something that a tick draws from may have changed: tick again if the animation is idle.
    void Wake();

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    // Everything a tick draws from, besides the skin and the settings that say so when they
    // change.
    struct TickInputs {
        QPoint cursor;
        bool left = false;
        bool right = false;
        bool middle = false;
        QPoint position;
        Monitors monitors;
        bool operator==(const TickInputs&) const = default;
    };
    TickInputs ReadInputs();
    void IdlePoll_Timer();

    PixelGeometry Geometry() const;
    void ApplyGeometry(const PixelGeometry& geometry);
    void BackgroundChanged();
    // The event's position in the window's twips, measured from where the window is now.
    QPointF EventTwips(const QMouseEvent& event) const;

    IntervalTimer Timer1;
    mdlGeneral& general_;
    Desktop& desktop_;
    SettingsStore& store_;
    Units units_;
    DefaultSkinPictures imgDefSkin_;
    orbo::Picture picture_;
    Surface surface_;
    MenuProvider menuProvider_;
    bool dragging_ = false;
    float grabX_ = 0;
    float grabY_ = 0;
    bool unloaded_ = false;
    unsigned long long ticks_ = 0;
    // Stopping while still: the inputs the last tick saw, whether anything was announced since,
    // and the slow poll that catches what is never announced (a warped pointer).
    TickInputs lastInputs_;
    // The monitors the creature was last kept on.
    Monitors monitors_;
    bool announced_ = true;
    bool idle_ = false;
    QTimer idlePoll_;
};

} // namespace orbo
