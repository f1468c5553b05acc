// The built-in pictures, translations and Orbo's icon, read from the compiled-in resources.
#include "resources.h"

#include <QtCore/QFile>
#include <QtCore/QtGlobal>

// Resources in a static library must be pulled in by name, from the global namespace.
static void InitBuiltIns() {
    Q_INIT_RESOURCE(orbo_pictures);
    Q_INIT_RESOURCE(orbo_translations);
}

namespace orbo {

void InitResources() {
    InitBuiltIns();
}

Picture ResourcePicture(const char* name, PictureRole role) {
    InitResources();
    QFile file(QString::fromLatin1(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return DecodePicture(file.readAll(), role).value_or(Picture());
}

QIcon AppIcon() {
    InitResources();
    QIcon icon;
    // The small sizes only: every size given travels with each window as its _NET_WM_ICON.
    for (const int size : {16, 32, 48, 64})
        icon.addFile(QStringLiteral(":/icons/orbo-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace orbo
