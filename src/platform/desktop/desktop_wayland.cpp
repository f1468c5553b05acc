// The desktop of a layer-shell compositor: the pointer as the creature's own surfaces hear it, the
// person away as the compositor tells it.
#include "desktop_wayland.h"

#include "platform/desktop/window_system.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QEvent>
#include <QtGui/QEnterEvent>
#include <QtGui/QMouseEvent>
#include <QtGui/QWindow>
#include <QtWidgets/QApplication>
#include <QtWidgets/QWidget>

namespace orbo {

namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("orbo::Desktop", text);
}

// Where a pointer event puts the pointer. Qt's Wayland platform measures a surface's events from
// its own corner, as a client is not told where its surfaces are; a layer surface is where the
// program put it.
std::optional<QPoint> GlobalPosition(QObject* target, const QSinglePointEvent& event) {
    QPoint local = event.position().toPoint();
    const QWidget* window = nullptr;
    if (const auto* widget = qobject_cast<const QWidget*>(target)) {
        window = widget->window();
        local = widget->mapTo(window, local);
    } else if (const auto* handle = qobject_cast<const QWindow*>(target)) {
        // A window's own events, which a widget that does not track the pointer never gets.
        for (const QWidget* top : QApplication::topLevelWidgets())
            if (top->windowHandle() == handle)
                window = top;
    }
    if (window == nullptr)
        return std::nullopt;
    if (!window->property(kOwnPlaceProperty).toBool())
        return event.globalPosition().toPoint();
    return window->pos() + local;
}

// Where each pointer event over the program's surfaces puts the pointer.
class PointerListener : public QObject {
public:
    explicit PointerListener(std::function<void(std::optional<QPoint>)> heard)
        : heard_(std::move(heard)) {
        QCoreApplication::instance()->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseMove:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::Enter:
            heard_(GlobalPosition(watched, *static_cast<QSinglePointEvent*>(event)));
            break;
        case QEvent::Leave:
            heard_(std::nullopt);
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void(std::optional<QPoint>)> heard_;
};

} // namespace

SurfacePointerDesktop::SurfacePointerDesktop() {
    if (QCoreApplication::instance() != nullptr)
        listener_ = std::make_unique<PointerListener>([this](std::optional<QPoint> at) {
            if (at)
                pointer_ = *at;
            InputArrived();
        });
    WatchScreens();
}

SurfacePointerDesktop::~SurfacePointerDesktop() = default;

QPoint SurfacePointerDesktop::PointerPosition() {
    return pointer_ ? *pointer_ : QtDesktop::PointerPosition();
}

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
