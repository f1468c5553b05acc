// The tray icon: the built-in creature, its menu the popup menu.
#include "tray.h"

#include "platform/desktop.h"
#include "platform/picture.h"
#include "skin/default_skin.h"

#include <QtGui/QBitmap>
#include <QtGui/QIcon>
#include <QtGui/QPixmap>
#include <QtWidgets/QMenu>
#include <QtWidgets/QSystemTrayIcon>

namespace orbo {

TrayIcon::TrayIcon(const DefaultSkinPictures& builtIn, Desktop& desktop,
                   std::function<QMenu*()> menu)
    : menu_(std::move(menu)) {
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        return;
    // The built-in creature, its magenta surround made transparent.
    const QImage& creature = builtIn.imgDefSkin[0].Image();
    QPixmap pixmap = QPixmap::fromImage(creature);
    pixmap.setMask(QBitmap::fromImage(
        creature.createMaskFromColor(kMagentaRgb, Qt::MaskInColor)));
    icon_ = new QSystemTrayIcon(QIcon(pixmap), this);
    icon_->setToolTip(QStringLiteral("Orbo"));
    // The same menu as the creature's right click, shown on any click on the icon.
    connect(icon_, &QSystemTrayIcon::activated, this,
            [this, &desktop](QSystemTrayIcon::ActivationReason) {
                if (QMenu* m = menu_())
                    m->popup(desktop.GetCursorPos());
            });
    icon_->show();
}

} // namespace orbo
