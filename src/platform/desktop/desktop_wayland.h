// The desktop of a Wayland compositor that Orbo runs on natively (a layer-shell compositor).
#pragma once

#include "platform/desktop/desktop_qt.h"

#include <memory>

namespace orbo {

// A compositor tells a client of the pointer only while it is over one of the client's surfaces:
// Qt's view of the desktop, which hears every pointer event those surfaces get and announces it,
// so a still creature sleeps until the pointer comes over it again.
class SurfacePointerDesktop : public QtDesktop {
public:
    SurfacePointerDesktop();
    ~SurfacePointerDesktop() override;

    bool AnnouncesInput() const override { return true; }
    bool FollowsPointerEverywhere() const override { return false; }
    QString WherePointerIsSeen() const override;
    QString HowToFollowEverywhere() const override;

private:
    std::unique_ptr<QObject> listener_;
};

} // namespace orbo
