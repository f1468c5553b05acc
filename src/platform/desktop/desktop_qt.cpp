// Qt's own view of the desktop: the cursor, buttons, monitors and primary screen Qt knows.
#include "desktop_qt.h"

#include <QtGui/QCursor>
#include <QtGui/QGuiApplication>
#include <QtGui/QScreen>

namespace orbo {

Monitors CurrentMonitors() {
    Monitors monitors;
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (primary)
        monitors.push_back({primary->geometry(), primary->devicePixelRatio()});
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen != primary)
            monitors.push_back({screen->geometry(), screen->devicePixelRatio()});
    if (monitors.empty())
        monitors.push_back({QRect(0, 0, 1024, 768), 1});
    return monitors;
}

QSize PrimaryScreenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(1024, 768);
}

Monitors QtDesktop::GetMonitors() const {
    return CurrentMonitors();
}

QPoint QtDesktop::PointerPosition() {
    return QCursor::pos();
}

bool QtDesktop::ButtonDown(MouseButton button) {
    const Qt::MouseButtons buttons = QGuiApplication::mouseButtons();
    switch (button) {
    case MouseButton::Left:
        return buttons.testFlag(Qt::LeftButton);
    case MouseButton::Right:
        return buttons.testFlag(Qt::RightButton);
    case MouseButton::Middle:
        return buttons.testFlag(Qt::MiddleButton);
    default:
        return false;
    }
}

QSize QtDesktop::ScreenSizePixels() const {
    return PrimaryScreenSize();
}

} // namespace orbo
