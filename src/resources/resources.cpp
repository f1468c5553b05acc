#include <QtCore/QtGlobal>

// Resources in a static library must be pulled in by name, from the global namespace.
static void InitPictures() {
    Q_INIT_RESOURCE(orbo_pictures);
}

namespace orbo {
void InitResources() {
    InitPictures();
}
} // namespace orbo
