// The creature as a layer surface: its place as margins from a monitor's corner, its layer.
#include "layer_surface.h"

#include "platform/desktop/desktop_qt.h"
#include "platform/desktop/desktop_wayland.h"
#include "runtime/monitors.h"

#include <LayerShellQt/Window>
#include <QtCore/QEvent>
#include <QtCore/QPointer>
#include <QtGui/QGuiApplication>
#include <QtGui/QScreen>
#include <QtGui/QWindow>
#include <QtWidgets/QWidget>

namespace orbo {

namespace {

using LayerShellQt::Window;

constexpr QLatin1StringView kName{"orbo-layer-surface"};

QScreen* ScreenOf(const Monitor& monitor) {
    for (QScreen* screen : QGuiApplication::screens())
        if (screen->geometry() == monitor.Pixels)
            return screen;
    return QGuiApplication::primaryScreen();
}

// Follows the window's moves with the surface's margins. The window's place is the program's:
// Qt's Wayland platform is not told where a surface is.
class LayerKeeper : public QObject {
public:
    explicit LayerKeeper(QWidget& window) : QObject(&window), window_(window) {
        setObjectName(kName);
        window.installEventFilter(this);
        // A monitor that goes takes its surfaces with it: one made there is made anew on the
        // monitor that holds the place now.
        connect(qGuiApp, &QGuiApplication::screenRemoved, this, [this] { Place(true); });
    }

    static LayerKeeper* Of(const QWidget& window) {
        auto* found = window.findChild<QObject*>(kName, Qt::FindDirectChildrenOnly);
        return static_cast<LayerKeeper*>(found);
    }

    void Make() {
        // Before the native window exists, or it is made without an alpha channel.
        window_.setAttribute(Qt::WA_TranslucentBackground);
        window_.setAttribute(Qt::WA_OpaquePaintEvent, false);
        window_.setProperty(kOwnPlaceProperty, true);
        window_.winId();
        layer_ = Window::get(window_.windowHandle());
        layer_->setScope(QStringLiteral("orbo"));
        layer_->setAnchors(Window::Anchors(Window::AnchorTop) | Window::AnchorLeft);
        // Placed where its place says, whatever panels claim, and claiming nothing itself.
        layer_->setExclusiveZone(-1);
        layer_->setKeyboardInteractivity(Window::KeyboardInteractivityNone);
        layer_->setLayer(Window::LayerOverlay);
        // A monitor that goes away takes the surface with it, but the program goes on.
        layer_->setCloseOnDismissed(false);
        Place(false);
    }

    void SetOnTop(bool onTop) {
        layer_->setLayer(onTop ? Window::LayerOverlay : Window::LayerBottom);
        window_.update();
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_) {
            // Under a drag the surface stays on its monitor, as the pointer's grab is the
            // surface's; the drop moves it.
            if (event->type() == QEvent::Move && event->spontaneous()) {
                // Qt's Wayland platform puts a window it shows or moves to another screen at
                // that screen's corner, not knowing better: the place stays the program's.
                if (window_.pos() != place_)
                    QMetaObject::invokeMethod(
                        this, [this] { window_.move(place_); }, Qt::QueuedConnection);
                return true;
            }
            if (event->type() == QEvent::Show && window_.windowHandle() != nullptr)
                shownOn_ = window_.windowHandle()->screen();
            if (event->type() == QEvent::Move) {
                place_ = window_.pos();
                Place(QGuiApplication::mouseButtons() == Qt::NoButton);
            } else if (event->type() == QEvent::MouseButtonRelease)
                Place(true);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    struct Home {
        QScreen* Screen;
        QPoint Offset;
    };
    // The monitor that holds the window's place, and the place measured from its corner.
    Home HomeOfPlace() const {
        const Monitors monitors = CurrentMonitors();
        const MonitorAnchor anchor = AnchorOnMonitor(monitors, window_.geometry());
        return {ScreenOf(monitors[anchor.Monitor]), anchor.Offset};
    }

    // Whether the surface is made on the monitor that holds the place, and that monitor is there.
    bool ShowsAt(const Home& home) const {
        return home.Screen == shownOn_ && home.Screen == window_.windowHandle()->screen();
    }

    // The margins from the window's place. A shown surface whose place is now on another monitor,
    // or whose monitor is gone, keeps measuring from its own until `rehome` allows it to be made
    // anew there, after the event at hand (hiding a window from inside its own events is not
    // safe); one not shown yet is simply made there when it shows.
    void Place(bool rehome) {
        QWindow* handle = window_.windowHandle();
        if (handle == nullptr || layer_ == nullptr)
            return;
        const Home home = HomeOfPlace();
        if (!window_.isVisible() || ShowsAt(home)) {
            if (home.Screen != handle->screen())
                MoveToScreen(*home.Screen);
            SetMargins(home.Offset);
            return;
        }
        SetMargins(window_.pos() - handle->screen()->geometry().topLeft());
        if (rehome && !rehoming_) {
            rehoming_ = true;
            QMetaObject::invokeMethod(
                this, [this] { Rehome(); }, Qt::QueuedConnection);
        }
    }

    void Rehome() {
        rehoming_ = false;
        QWindow* handle = window_.windowHandle();
        if (handle == nullptr || layer_ == nullptr)
            return;
        const Home home = HomeOfPlace();
        if (ShowsAt(home))
            return;
        if (home.Screen != handle->screen())
            MoveToScreen(*home.Screen);
        SetMargins(home.Offset);
        if (window_.isVisible()) {
            window_.hide();
            window_.show();
        }
    }

    // Qt puts a window that changes screens at the new screen's corner: it is put back.
    void MoveToScreen(QScreen& screen) {
        const QPoint place = window_.pos();
        window_.windowHandle()->setScreen(&screen);
        if (window_.pos() != place)
            window_.move(place);
    }

    void SetMargins(QPoint offset) {
        const QMargins margins(offset.x(), offset.y(), 0, 0);
        if (margins == layer_->margins())
            return;
        layer_->setMargins(margins);
        // The margins take effect with the surface's next commit.
        window_.update();
    }

    QWidget& window_;
    QPointer<Window> layer_;
    bool rehoming_ = false;
    // The monitor the surface was made on when it last showed; none once that monitor is gone.
    QPointer<QScreen> shownOn_;
    // Where the program last put the window.
    QPoint place_;
};

} // namespace

void MakeLayerSurface(QWidget& window) {
    if (LayerKeeper::Of(window) == nullptr)
        (new LayerKeeper(window))->Make();
}

bool IsLayerSurface(const QWidget& window) {
    return LayerKeeper::Of(window) != nullptr;
}

void SetLayerOnTop(QWidget& window, bool onTop) {
    if (LayerKeeper* keeper = LayerKeeper::Of(window))
        keeper->SetOnTop(onTop);
}

} // namespace orbo
