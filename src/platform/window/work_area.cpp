// The work area of the monitor a window overlaps most.
#include "work_area.h"

#include "platform/desktop/desktop_qt.h"

#include <QtGui/QGuiApplication>
#include <QtGui/QScreen>

namespace orbo {

qsizetype MostOverlapped(const QList<QRect>& monitors, const QRect& rect) {
    qsizetype best = -1;
    qint64 bestArea = 0;
    for (qsizetype i = 0; i < monitors.size(); ++i) {
        const QRect common = monitors[i].intersected(rect);
        const qint64 area = qint64(common.width()) * common.height();
        if (area > bestArea) {
            best = i;
            bestArea = area;
        }
    }
    return best;
}

QRect PrimaryWorkArea() {
    // Without any screen, the size every real desktop assumes then.
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(QPoint(0, 0), PrimaryScreenSize());
}

QRect WorkAreaFor(const QRect& window) {
    const QList<QScreen*> screens = QGuiApplication::screens();
    QList<QRect> monitors;
    for (const QScreen* screen : screens)
        monitors.append(screen->geometry());
    const qsizetype index = MostOverlapped(monitors, window);
    return index >= 0 ? screens[index]->availableGeometry() : PrimaryWorkArea();
}

} // namespace orbo
