#pragma once

#include <QtCore/QObject>

#include <functional>

class QMenu;
class QSystemTrayIcon;

namespace orbo {

class Desktop;
class Form1;

// An icon in the system tray, where the desktop has one, whose menu is the creature's popup
// menu: the creature can be reached even when its skin shows nothing or it sits off-screen.
class TrayIcon : public QObject {
    Q_OBJECT

public:
    TrayIcon(Form1& form, Desktop& desktop, std::function<QMenu*()> menu);
    bool Available() const { return icon_ != nullptr; }

private:
    QSystemTrayIcon* icon_ = nullptr;
    std::function<QMenu*()> menu_;
};

} // namespace orbo
