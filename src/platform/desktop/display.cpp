// Finding out whether the chosen platform's display can be reached.
#include "display.h"

#include "platform/desktop/desktop.h"

#include <QtCore/QByteArray>
#include <QtCore/QCoreApplication>
#include <QtCore/QtGlobal>

#if defined(ORBO_HAVE_X11)
#include <X11/Xlib.h>
#endif

namespace orbo {

namespace {

// The value of a Qt option on the command line (-name value, or --name value); the last one
// counts, as it does for Qt.
[[maybe_unused]] QByteArray OptionValue(int argc, char* argv[], const QByteArray& name,
                                        QByteArray value) {
    for (int i = 1; i + 1 < argc; ++i) {
        QByteArray argument = argv[i];
        if (argument.startsWith("--"))
            argument.remove(0, 1);
        if (argument == '-' + name)
            value = argv[++i];
    }
    return value;
}

QString Tr(const char* text) {
    return QCoreApplication::translate("orbo::Display", text);
}

} // namespace

DisplayCheck::DisplayCheck(int argc, char* argv[]) {
#if defined(ORBO_HAVE_X11)
    QByteArray platform = OptionValue(argc, argv, "platform", qgetenv("QT_QPA_PLATFORM"));
    if (const qsizetype options = platform.indexOf(':'); options >= 0)
        platform.truncate(options);
    platform = platform.trimmed();
    if (!platform.isEmpty() && platform != "xcb")
        return;
    const QByteArray name = OptionValue(argc, argv, "display", qgetenv("DISPLAY"));
    name_ = QString::fromLocal8Bit(name);
    if (name.isEmpty()) {
        trouble_ = InWaylandSession() ? Trouble::NoXWayland : Trouble::NoDisplay;
        return;
    }
    connection_ = XOpenDisplay(name.constData());
    if (!connection_)
        trouble_ = Trouble::Unanswered;
#else
    Q_UNUSED(argc);
    Q_UNUSED(argv);
#endif
}

DisplayCheck::~DisplayCheck() {
    Release();
}

void DisplayCheck::Release() {
#if defined(ORBO_HAVE_X11)
    if (connection_)
        XCloseDisplay(static_cast<Display*>(connection_));
#endif
    connection_ = nullptr;
}

std::optional<QString> DisplayCheck::Problem() const {
    switch (trouble_) {
    case Trouble::Nothing:
        return std::nullopt;
    case Trouble::NoXWayland:
        return Tr(QT_TRANSLATE_NOOP("orbo::Display", "no X display (DISPLAY is not set); under "
                                                     "Wayland Orbo needs XWayland"));
    case Trouble::NoDisplay:
        return Tr(QT_TRANSLATE_NOOP("orbo::Display", "no display (DISPLAY is not set)"));
    case Trouble::Unanswered:
        break;
    }
    return Tr(QT_TRANSLATE_NOOP("orbo::Display", "cannot open display \"%1\"")).arg(name_);
}

} // namespace orbo
