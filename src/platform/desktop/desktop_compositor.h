// What the desktops that take the cursor from a Wayland compositor (KWin, GNOME Shell) share.
#pragma once

#include "platform/desktop/desktop.h"
#include "platform/system/session_bus.h"

#include <QtCore/QObject>
#include <QtCore/QString>
#include <QtDBus/QDBusConnection>
#include <QtDBus/QDBusVirtualObject>

#include <functional>
#include <memory>
#include <optional>

class QDBusMessage;

namespace orbo {

// Takes the calls of one member of the cursor object and answers each (the compositor's side
// waits for the answer) with the animation interval in milliseconds, as an unsigned 32-bit
// number (the reports need not come more often), and the hot key as a GTK accelerator ("" for
// none), which the compositor's side holds for the program. Calls of kKeyPressedMember and
// kKeyTakenMember go to `keyCall`.
class CursorReceiver : public QDBusVirtualObject {
public:
    CursorReceiver(QString member, std::function<void(const QDBusMessage&)> received,
                   std::function<void(const QDBusMessage&)> keyCall);
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override;
    QString introspect(const QString&) const override { return {}; }
    void SetInterval(int milliseconds) { interval_ = milliseconds; }
    void SetAccelerator(QString accelerator) { accelerator_ = std::move(accelerator); }

private:
    QString member_;
    std::function<void(const QDBusMessage&)> received_;
    std::function<void(const QDBusMessage&)> keyCall_;
    int interval_ = kDefaultReportInterval;
    QString accelerator_;

public:
    // Until the creature says otherwise: its interval at the usual speed.
    static constexpr int kDefaultReportInterval = 76;
};

// A desktop whose cursor comes from a compositor's reports to the cursor object while they come,
// and from the fallback (the X11 desktop) otherwise; everything else comes from the fallback.
// The compositor reports to the holder of one bus name, held by one program at a time, so that of
// several creatures one follows the compositor and the others XWayland until it ends.
class CompositorDesktop : public Desktop {
public:
    ~CompositorDesktop() override;

    QPoint PointerPosition() override { return cursor_ ? *cursor_ : fallback_->PointerPosition(); }
    bool ButtonDown(MouseButton button) override { return fallback_->ButtonDown(button); }
    QSize ScreenSizePixels() const override { return fallback_->ScreenSizePixels(); }
    Units ScreenUnits() const override { return fallback_->ScreenUnits(); }
    Monitors GetMonitors() const override { return fallback_->GetMonitors(); }
    bool AnnouncesInput() const override { return fallback_->AnnouncesInput(); }
    void Refresh() override { fallback_->Refresh(); }
    void SetAnimationInterval(int milliseconds) override { receiver_.SetInterval(milliseconds); }
    // The person away as the fallback tells it (under Wayland, as the compositor tells it).
    void WatchAway(std::chrono::milliseconds after) override { fallback_->WatchAway(after); }

protected:
    // Takes the calls of `member` to the cursor object from now on.
    CompositorDesktop(std::unique_ptr<Desktop> fallback, const QDBusConnection& bus,
                      const QString& member);
    // Queues for the name the compositor reports to; whether this program holds it now.
    bool QueueForTheName();
    // A report, not yet checked.
    virtual void Received(const QDBusMessage& message) = 0;
    // A press of the hot key, or its refusal, as the compositor's side tells it; not yet checked.
    virtual void KeyCall(const QDBusMessage&) {}
    // A checked place, device-independent pixels; the creature is woken when it changed (or
    // when `changed` says something else did).
    void Follow(QPoint cursor, bool changed = false);
    // Until the compositor reports again, the fallback tells where the pointer is.
    void Lost();
    bool Following() const { return cursor_.has_value(); }
    // The hot key the compositor's side is asked to hold, as a GTK accelerator ("" for none).
    void SetAccelerator(QString accelerator) { receiver_.SetAccelerator(std::move(accelerator)); }

    std::unique_ptr<Desktop> fallback_;
    QDBusConnection bus_;
    // Bounds the lifetime of the connections made to the bus's signals.
    QObject context_;

private:
    CursorReceiver receiver_;
    std::optional<QPoint> cursor_;
};

// The name the compositor's side calls, and its object.
extern const QString kCursorName;
extern const QString kCursorPath;
extern const QString kCursorInterface;
// The members the compositor's side calls when the hot key is pressed, and when it is taken.
extern const QString kKeyPressedMember;
extern const QString kKeyTakenMember;

} // namespace orbo
