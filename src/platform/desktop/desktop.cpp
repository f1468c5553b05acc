// The Desktop base: what every desktop answers the same way.
#include "desktop.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QObject>
#include <QtGui/QGuiApplication>
#include <QtGui/QScreen>

#include <algorithm>

namespace orbo {

Desktop::Desktop() = default;
Desktop::~Desktop() = default;
Desktop::Desktop(const Desktop&) {}
Desktop& Desktop::operator=(const Desktop&) {
    return *this;
}

Monitors Desktop::GetMonitors() const {
    return {Monitor{QRect(QPoint(0, 0), ScreenSizePixels()), 1}};
}

QPointF Desktop::PrimaryOrigin() const {
    const Monitors monitors = GetMonitors();
    const QPoint origin = monitors.empty() ? QPoint() : monitors.front().Pixels.topLeft();
    return QPointF(double(origin.x()) * TwipsPerPixelX(), double(origin.y()) * TwipsPerPixelY());
}

TwipsRect Desktop::DesktopBox() const {
    QRect box;
    for (const Monitor& m : GetMonitors())
        box = box.united(m.Pixels);
    const auto x = static_cast<float>(TwipsPerPixelX());
    const auto y = static_cast<float>(TwipsPerPixelY());
    return {float(box.x()) * x, float(box.y()) * y, float(box.width()) * x,
            float(box.height()) * y};
}

PassThroughDesktop::PassThroughDesktop(std::unique_ptr<Desktop> inner) : inner_(std::move(inner)) {
    inner_->SetInputListener([this] { InputArrived(); });
    inner_->SetKeyRefusalListener([this](const QString& why) { KeyRefused(why); });
    inner_->SetAwayListener([this](bool away) { AwayChanged(away); });
}

void Desktop::WatchScreens() {
    screenWatch_ = std::make_unique<QObject>();
    QObject* context = screenWatch_.get();
    const auto watch = [this, context](QScreen* screen) {
        const auto changed = [this] { InputArrived(); };
        QObject::connect(screen, &QScreen::geometryChanged, context, changed);
        QObject::connect(screen, &QScreen::physicalDotsPerInchChanged, context, changed);
        QObject::connect(screen, &QScreen::logicalDotsPerInchChanged, context, changed);
    };
    for (QScreen* screen : QGuiApplication::screens())
        watch(screen);
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        QObject::connect(app, &QGuiApplication::screenAdded, context, [this, watch](QScreen* s) {
            watch(s);
            InputArrived();
        });
        QObject::connect(app, &QGuiApplication::screenRemoved, context, [this] { InputArrived(); });
        QObject::connect(app, &QGuiApplication::primaryScreenChanged, context,
                         [this] { InputArrived(); });
    }
}

std::optional<QString> Desktop::ListenForKey(QKeyCombination, std::function<void()> pressed) {
    if (!pressed)
        return {};
    return QCoreApplication::translate("orbo::Desktop",
                                       "this desktop lets no program listen for a key everywhere");
}

float Desktop::ScreenWidth() const {
    return static_cast<float>(ScreenSizePixels().width()) * static_cast<float>(TwipsPerPixelX());
}

float Desktop::ScreenHeight() const {
    return static_cast<float>(ScreenSizePixels().height()) * static_cast<float>(TwipsPerPixelY());
}

bool InWaylandSession() {
    return !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

} // namespace orbo
