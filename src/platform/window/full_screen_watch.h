// Watching the active window for full-screen, on X11 and Windows.
#pragma once

#include "platform/window/full_screen_rule.h"

#include <QtCore/QObject>
#include <QtCore/QRect>

#include <functional>
#include <memory>
#include <optional>

namespace orbo {

// Tells, as the window system announces changes (never by polling), whether the creature must
// step aside for a full-screen window (HidesForFullScreen). X11: the root window's
// _NET_ACTIVE_WINDOW and that window's _NET_WM_STATE, place and life; under a Wayland desktop
// XWayland shows it only its X11 windows. Windows: foreground changes, and that window's moves
// and end. Elsewhere it never hides the creature.
class FullScreenWatch : public QObject {
    Q_OBJECT

public:
    // Where the creature is (device-independent pixels), read whenever the active window changes.
    using Place = std::function<QRect()>;
    ~FullScreenWatch() override;

    // Off, nothing is watched and the creature never hides.
    void SetEnabled(bool enabled);
    bool Enabled() const { return enabled_; }
    bool Hides() const { return hides_; }

Q_SIGNALS:
    void HidesChanged(bool hides);

protected:
    explicit FullScreenWatch(Place creature);
    // Starts or stops listening to the window system. Started, it reports what it finds at once.
    virtual void Listen(bool on) { (void)on; }
    // What the window system says of the active window now (nothing when it names none).
    void Report(const std::optional<ActiveWindow>& active);

private:
    Place creature_;
    bool enabled_ = false;
    bool hides_ = false;
};

// The watch of the window system the program runs on; it starts off.
std::unique_ptr<FullScreenWatch> MakeFullScreenWatch(FullScreenWatch::Place creature);

} // namespace orbo
