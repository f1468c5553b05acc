// The person away, as the Wayland compositor tells it.
#pragma once

#include <chrono>
#include <functional>
#include <memory>

namespace orbo {

struct WaylandIdleLink;

// Asks the session's Wayland compositor (WAYLAND_DISPLAY) to say when nobody touched the first
// seat's mouse or keyboard for a while (ext-idle-notify-v1: KWin 5.27 and later, sway and the
// other wlroots compositors, niri, COSMIC), on a connection of its own that the event loop serves:
// `changed(true)` once nobody did for the wait, `changed(false)` at the first input after. A
// compositor that offers no such thing, or none reachable, is never heard of again; a connection
// lost while away says the person is back, so that nothing is left waiting for a wake that cannot
// come.
class WaylandIdleWatch {
public:
    explicit WaylandIdleWatch(std::function<void(bool away)> changed);
    ~WaylandIdleWatch();
    WaylandIdleWatch(const WaylandIdleWatch&) = delete;
    WaylandIdleWatch& operator=(const WaylandIdleWatch&) = delete;

    // From now on, away after this long; zero watches nothing. The first wait connects.
    void Watch(std::chrono::milliseconds after);

private:
    std::function<void(bool)> changed_;
    std::unique_ptr<WaylandIdleLink> link_;
    bool tried_ = false;
};

} // namespace orbo
