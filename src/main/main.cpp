#include "main/form1.h"
#include "platform/desktop.h"
#include "platform/settings_store.h"
#include "skin/mdl_general.h"

#include <QtWidgets/QApplication>

int main(int argc, char* argv[]) {
    // Wayland gives no global cursor and lets no window place itself: ask for XWayland.
    if (qEnvironmentVariableIsSet("WAYLAND_DISPLAY") && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("orbo"));
    QApplication::setApplicationVersion(QStringLiteral(ORBO_VERSION));

    orbo::mdlGeneral general;
    const auto desktop = orbo::MakeDesktop();
    const auto store = orbo::MakeSettingsStore();
    orbo::Form1 form(general, *desktop, *store);
    form.Form_Load();
    form.show();
    return app.exec();
}
