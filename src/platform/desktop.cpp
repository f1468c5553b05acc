#include "desktop.h"

#include "desktop_qt.h"
#include "desktop_x11.h"

#include <QtGui/QGuiApplication>

namespace orbo {

float Desktop::ScreenWidth() const {
    return static_cast<float>(ScreenSizePixels().width()) * static_cast<float>(TwipsPerPixelX());
}

float Desktop::ScreenHeight() const {
    return static_cast<float>(ScreenSizePixels().height()) * static_cast<float>(TwipsPerPixelY());
}

std::unique_ptr<Desktop> MakeDesktop() {
#if defined(Q_OS_WIN)
    return MakeWindowsDesktop();
#else
#if defined(ORBO_HAVE_X11)
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        if (auto x11 = MakeX11Desktop())
            return x11;
    }
#endif
    return std::make_unique<QtDesktop>();
#endif
}

} // namespace orbo
