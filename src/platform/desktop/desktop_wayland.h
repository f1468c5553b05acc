// The desktop of a Wayland compositor that Orbo runs on natively (a layer-shell compositor).
#pragma once

#include "platform/desktop/desktop_qt.h"
#include "platform/desktop/wayland_idle.h"

#include <memory>
#include <optional>

namespace orbo {

// Set true on a window that the compositor places where the program asks (a layer surface): its
// place is the program's own, which Qt's Wayland platform does not know.
inline constexpr char kOwnPlaceProperty[] = "orboOwnPlace";

// A compositor tells a client of the pointer only while it is over one of the client's surfaces:
// Qt's view of the desktop, which hears every pointer event those surfaces get and announces it,
// so a still creature sleeps until the pointer comes over it again.
class SurfacePointerDesktop : public QtDesktop {
public:
    SurfacePointerDesktop();
    ~SurfacePointerDesktop() override;

    // Where the last event over a surface had it: kept while the pointer is elsewhere.
    QPoint PointerPosition() override;
    bool AnnouncesInput() const override { return true; }
    bool FollowsPointerEverywhere() const override { return false; }
    QString WherePointerIsSeen() const override;
    QString HowToFollowEverywhere() const override;
#if defined(ORBO_HAVE_WAYLAND_IDLE)
    // As the compositor tells it, where it offers an idle notifier.
    void WatchAway(std::chrono::milliseconds after) override {
        idle_.Watch(after);
    }
#endif

private:
    std::unique_ptr<QObject> listener_;
#if defined(ORBO_HAVE_WAYLAND_IDLE)
    WaylandIdleWatch idle_{[this](bool away) { AwayChanged(away); }};
#endif
    std::optional<QPoint> pointer_;
};

} // namespace orbo
