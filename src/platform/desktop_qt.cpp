#include "desktop_qt.h"

#include <QtGui/QCursor>
#include <QtGui/QGuiApplication>
#include <QtGui/QScreen>

#if defined(Q_OS_WIN)
#include <windows.h>
#endif

namespace orbo {

QSize PrimaryScreenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(1024, 768);
}

QPoint QtDesktop::GetCursorPos() {
    return QCursor::pos();
}

bool QtDesktop::GetAsyncKeyState(MouseButton button) {
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

#if defined(Q_OS_WIN)
namespace {

class WindowsDesktop : public Desktop {
public:
    QPoint GetCursorPos() override {
        POINT p{};
        if (!::GetCursorPos(&p))
            return {};
        // Qt works in device-independent pixels; so do the window's twips.
        const QScreen* screen = QGuiApplication::primaryScreen();
        const qreal ratio = screen ? screen->devicePixelRatio() : 1.0;
        return QPoint(qRound(p.x / ratio), qRound(p.y / ratio));
    }
    bool GetAsyncKeyState(MouseButton button) override {
        const int key = button == MouseButton::Left    ? VK_LBUTTON
                        : button == MouseButton::Right ? VK_RBUTTON
                                                       : VK_MBUTTON;
        return ::GetAsyncKeyState(key) != 0;
    }
    QSize ScreenSizePixels() const override { return PrimaryScreenSize(); }
};

} // namespace

std::unique_ptr<Desktop> MakeWindowsDesktop() {
    return std::make_unique<WindowsDesktop>();
}
#endif

} // namespace orbo
