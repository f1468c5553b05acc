// The tray icon that reaches the creature's popup menu.
#pragma once

#include <QtCore/QObject>

#include <functional>

class QMenu;
class QSystemTrayIcon;

namespace orbo {

class Desktop;
struct DefaultSkinPictures;

// An icon in the system tray, where the desktop has one, whose menu is the creature's popup
// menu: the creature can be reached even when its skin shows nothing or it sits off-screen.
class TrayIcon : public QObject {
    Q_OBJECT

public:
    TrayIcon(const DefaultSkinPictures& builtIn, Desktop& desktop, std::function<QMenu*()> menu);

private:
    QSystemTrayIcon* icon_ = nullptr;
    std::function<QMenu*()> menu_;
};

} // namespace orbo
