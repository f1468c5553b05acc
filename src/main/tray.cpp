#include "tray.h"

#include "main/form1.h"
#include "platform/desktop.h"
#include "platform/picture.h"

#include <QtGui/QBitmap>
#include <QtGui/QIcon>
#include <QtGui/QPixmap>
#include <QtWidgets/QMenu>
#include <QtWidgets/QSystemTrayIcon>

namespace orbo {

TrayIcon::TrayIcon(Form1& form, Desktop& desktop, std::function<QMenu*()> menu)
    : QObject(&form), menu_(std::move(menu)) {
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        return;
    // The built-in creature, its magenta surround made transparent.
    QPixmap pixmap = QPixmap::fromImage(form.DefaultBackground());
    pixmap.setMask(QBitmap::fromImage(
        form.DefaultBackground().createMaskFromColor(kMagentaRgb, Qt::MaskInColor)));
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
