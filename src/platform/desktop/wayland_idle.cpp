// The person away as the Wayland compositor tells it: ext-idle-notify-v1 on a connection of the
// program's own, read when the event loop finds its socket readable.
#include "platform/desktop/wayland_idle.h"

#include "ext-idle-notify-v1-client.h"

#include <QtCore/QSocketNotifier>

#include <wayland-client.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>

namespace orbo {

// The connection, the compositor's idle notifier and seat once it has named them, and the one
// notification asked for.
struct WaylandIdleLink {
    WaylandIdleLink(wl_display* connection, std::function<void(bool)> told)
        : display(connection), changed(std::move(told)),
          readable(std::make_unique<QSocketNotifier>(wl_display_get_fd(connection),
                                                     QSocketNotifier::Read)) {
        registry = wl_display_get_registry(display);
        wl_registry_add_listener(registry, &kRegistryListener, this);
        // Answered once the compositor has named all it offers.
        listed = wl_display_sync(display);
        wl_callback_add_listener(listed, &kListedListener, this);
        QObject::connect(readable.get(), &QSocketNotifier::activated, readable.get(),
                         [this] { Read(); });
        Flush();
    }
    ~WaylandIdleLink() {
        readable.reset();
        Shut();
    }

    void Watch(std::chrono::milliseconds after) {
        wait = after;
        away = false;
        Renew();
        Flush();
    }

    // A notification for the wait, in place of any earlier one: the compositor counts its wait
    // from when it is made. Sent by the next flush (the one after the events read, when they
    // bring the notifier and the seat): nothing may end the connection while they are handed out.
    void Renew() {
        if (notification)
            ext_idle_notification_v1_destroy(std::exchange(notification, nullptr));
        if (display && notifier && seat && wait.count() > 0) {
            const auto timeout = std::min<std::int64_t>(wait.count(), UINT32_MAX);
            notification = ext_idle_notifier_v1_get_idle_notification(
                notifier, static_cast<std::uint32_t>(timeout), seat);
            ext_idle_notification_v1_add_listener(notification, &kNotificationListener, this);
        }
    }

    // Whatever was read already is handed out first (the connection lets no one read before),
    // then what the socket holds; the socket is never waited on.
    void Read() {
        if (!display)
            return;
        while (wl_display_prepare_read(display) != 0)
            if (wl_display_dispatch_pending(display) < 0)
                return Fail();
        if (wl_display_read_events(display) < 0 || wl_display_dispatch_pending(display) < 0)
            return Fail();
        if (useless)
            return Shut();
        Flush();
    }

    // A full socket keeps the rest of the requests until the next flush.
    void Flush() {
        if (display && wl_display_flush(display) < 0 && errno != EAGAIN)
            Fail();
    }

    void Fail() {
        Shut();
        if (std::exchange(away, false))
            changed(false);
    }

    void Shut() {
        if (!display)
            return;
        if (readable)
            readable->setEnabled(false);
        if (notification)
            ext_idle_notification_v1_destroy(notification);
        if (notifier)
            ext_idle_notifier_v1_destroy(notifier);
        if (seat)
            wl_seat_destroy(seat);
        if (listed)
            wl_callback_destroy(listed);
        wl_registry_destroy(registry);
        wl_display_disconnect(std::exchange(display, nullptr));
        notification = nullptr;
        notifier = nullptr;
        seat = nullptr;
        listed = nullptr;
    }

    static void Global(void* data, wl_registry* registry, std::uint32_t name, const char* interface,
                       std::uint32_t) {
        auto* link = static_cast<WaylandIdleLink*>(data);
        if (!link->notifier && std::strcmp(interface, ext_idle_notifier_v1_interface.name) == 0)
            link->notifier = static_cast<ext_idle_notifier_v1*>(
                wl_registry_bind(registry, name, &ext_idle_notifier_v1_interface, 1));
        else if (!link->seat && std::strcmp(interface, wl_seat_interface.name) == 0)
            link->seat =
                static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
        else
            return;
        link->Renew();
    }
    static void GlobalRemoved(void*, wl_registry*, std::uint32_t) {}
    static constexpr wl_registry_listener kRegistryListener{Global, GlobalRemoved};

    // A compositor without an idle notifier or a seat is left alone.
    static void Listed(void* data, wl_callback* callback, std::uint32_t) {
        auto* link = static_cast<WaylandIdleLink*>(data);
        wl_callback_destroy(callback);
        link->listed = nullptr;
        link->useless = !link->notifier || !link->seat;
    }
    static constexpr wl_callback_listener kListedListener{Listed};

    static void Idled(void* data, ext_idle_notification_v1*) {
        auto* link = static_cast<WaylandIdleLink*>(data);
        if (!std::exchange(link->away, true))
            link->changed(true);
    }
    static void Resumed(void* data, ext_idle_notification_v1*) {
        auto* link = static_cast<WaylandIdleLink*>(data);
        if (std::exchange(link->away, false))
            link->changed(false);
    }
    static constexpr ext_idle_notification_v1_listener kNotificationListener{Idled, Resumed};

    wl_display* display = nullptr;
    std::function<void(bool)> changed;
    std::unique_ptr<QSocketNotifier> readable;
    wl_registry* registry = nullptr;
    wl_callback* listed = nullptr;
    ext_idle_notifier_v1* notifier = nullptr;
    wl_seat* seat = nullptr;
    ext_idle_notification_v1* notification = nullptr;
    std::chrono::milliseconds wait{0};
    bool away = false;
    bool useless = false;
};

WaylandIdleWatch::WaylandIdleWatch(std::function<void(bool)> changed)
    : changed_(std::move(changed)) {}

WaylandIdleWatch::~WaylandIdleWatch() = default;

void WaylandIdleWatch::Watch(std::chrono::milliseconds after) {
    if (after.count() > 0 && !std::exchange(tried_, true))
        if (wl_display* display = wl_display_connect(nullptr))
            link_ = std::make_unique<WaylandIdleLink>(display, changed_);
    if (link_)
        link_->Watch(after);
}

} // namespace orbo
