// Whether a full-screen window stands on the creature's monitor.
#include "full_screen_rule.h"

#include "platform/window/work_area.h"

namespace orbo {

bool HidesForFullScreen(const std::optional<ActiveWindow>& active, const QRect& creature,
                        const Monitors& monitors) {
    if (!active || !active->FullScreen || active->Own)
        return false;
    QList<QRect> rects;
    for (const Monitor& m : monitors)
        rects.append(m.Pixels);
    const qsizetype standsOn = MostOverlapped(rects, creature);
    return standsOn >= 0 && standsOn == MostOverlapped(rects, active->Pixels);
}

} // namespace orbo
