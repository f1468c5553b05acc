// The desktop of a layer-shell compositor: the pointer as the creature's own surfaces hear it.
#include "desktop_wayland.h"

#include "platform/desktop/window_system.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QEvent>

namespace orbo {

namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("orbo::Desktop", text);
}

class PointerListener : public QObject {
public:
    explicit PointerListener(std::function<void()> heard) : heard_(std::move(heard)) {
        QCoreApplication::instance()->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseMove:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::Enter:
        case QEvent::Leave:
            heard_();
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> heard_;
};

} // namespace

SurfacePointerDesktop::SurfacePointerDesktop() {
    if (QCoreApplication::instance() != nullptr)
        listener_ = std::make_unique<PointerListener>([this] { InputArrived(); });
    WatchScreens();
}

SurfacePointerDesktop::~SurfacePointerDesktop() = default;

QString SurfacePointerDesktop::WherePointerIsSeen() const {
    const QString name = LayerShellCompositorName();
    if (name.isEmpty())
        return Tr(QT_TRANSLATE_NOOP("orbo::Desktop",
                                    "On this desktop Orbo's eyes follow the mouse pointer only "
                                    "while it is over Orbo: the desktop tells no program where "
                                    "the pointer is elsewhere."));
    return Tr(QT_TRANSLATE_NOOP("orbo::Desktop",
                                "On %1 Orbo's eyes follow the mouse pointer only while it is over "
                                "Orbo: %1 tells no program where the pointer is elsewhere."))
        .arg(name);
}

QString SurfacePointerDesktop::HowToFollowEverywhere() const {
    return Tr(QT_TRANSLATE_NOOP("orbo::Desktop",
                                "On Hyprland, in an X11 session, in KDE Plasma, and in GNOME with "
                                "Orbo's extension, they follow it everywhere."));
}

} // namespace orbo
