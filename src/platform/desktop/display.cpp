// Finding out whether the chosen platform's display can be reached.
#include "display.h"

#include <QtCore/QByteArray>
#include <QtCore/QCoreApplication>
#include <QtCore/QtGlobal>

#include <cstring>

#if defined(ORBO_HAVE_X11)
#include <X11/Xlib.h>
#endif

namespace orbo {

#if defined(ORBO_HAVE_X11)
namespace {

// The platform named on the command line or in QT_QPA_PLATFORM, without its options.
QByteArray ChosenPlatform(int argc, char* argv[]) {
    QByteArray chosen = qgetenv("QT_QPA_PLATFORM");
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0)
            chosen = argv[i + 1];
    }
    const qsizetype options = chosen.indexOf(':');
    return (options < 0 ? chosen : chosen.left(options)).trimmed();
}

} // namespace
#endif

std::optional<QString> UnreachableDisplay(int argc, char* argv[]) {
#if defined(ORBO_HAVE_X11)
    const QByteArray platform = ChosenPlatform(argc, argv);
    if (!platform.isEmpty() && platform != "xcb")
        return std::nullopt;
    const QByteArray name = qgetenv("DISPLAY");
    if (name.isEmpty()) {
        if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
            return QCoreApplication::translate("orbo::Display",
                                               "no X display (DISPLAY is not set); under "
                                               "Wayland Orbo needs XWayland");
        return QCoreApplication::translate("orbo::Display", "no display (DISPLAY is not set)");
    }
    Display* display = XOpenDisplay(name.constData());
    if (!display)
        return QCoreApplication::translate("orbo::Display", "cannot open display \"%1\"")
            .arg(QString::fromLocal8Bit(name));
    XCloseDisplay(display);
    return std::nullopt;
#else
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    return std::nullopt;
#endif
}

} // namespace orbo
