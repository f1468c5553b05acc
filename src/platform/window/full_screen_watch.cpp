// The full-screen watch: the rule applied to what the window system reports.
#include "full_screen_watch.h"

#include "platform/desktop/desktop_qt.h"

#include <QtGui/QGuiApplication>

namespace orbo {

#if defined(ORBO_HAVE_X11)
std::unique_ptr<FullScreenWatch> MakeX11FullScreenWatch(FullScreenWatch::Place creature);
#endif
#if defined(Q_OS_WIN)
std::unique_ptr<FullScreenWatch> MakeWindowsFullScreenWatch(FullScreenWatch::Place creature);
#endif

namespace {

// Where no window system tells which window is active and full-screen.
class NullFullScreenWatch : public FullScreenWatch {
public:
    explicit NullFullScreenWatch(Place creature) : FullScreenWatch(std::move(creature)) {}
};

} // namespace

FullScreenWatch::FullScreenWatch(Place creature) : creature_(std::move(creature)) {}

FullScreenWatch::~FullScreenWatch() = default;

void FullScreenWatch::SetEnabled(bool enabled) {
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    Listen(enabled);
    if (!enabled)
        Report(std::nullopt);
}

void FullScreenWatch::Report(const std::optional<ActiveWindow>& active) {
    const bool hides = enabled_ && HidesForFullScreen(active, creature_(), CurrentMonitors());
    if (hides == hides_)
        return;
    hides_ = hides;
    Q_EMIT HidesChanged(hides);
}

std::unique_ptr<FullScreenWatch> MakeFullScreenWatch(FullScreenWatch::Place creature) {
    [[maybe_unused]] const QString platform = QGuiApplication::platformName();
#if defined(Q_OS_WIN)
    if (platform == QLatin1String("windows"))
        return MakeWindowsFullScreenWatch(std::move(creature));
#endif
#if defined(ORBO_HAVE_X11)
    if (platform == QLatin1String("xcb"))
        if (auto watch = MakeX11FullScreenWatch(creature))
            return watch;
#endif
    return std::make_unique<NullFullScreenWatch>(std::move(creature));
}

} // namespace orbo
