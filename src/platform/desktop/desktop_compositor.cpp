// What the KWin and GNOME Shell desktops share: the session bus and the cursor object.
#include "desktop_compositor.h"

#include <QtCore/QFile>
#include <QtDBus/QDBusConnectionInterface>
#include <QtDBus/QDBusMessage>

namespace orbo {

using namespace Qt::StringLiterals;

const QString kCursorName = u"org.orbo.Cursor"_s;
const QString kCursorPath = u"/org/orbo/Cursor"_s;
const QString kCursorInterface = u"org.orbo.Cursor"_s;
const QString kKeyPressedMember = u"KeyPressed"_s;
const QString kKeyTakenMember = u"KeyTaken"_s;

CursorReceiver::CursorReceiver(QString member, std::function<void(const QDBusMessage&)> received,
                               std::function<void(const QDBusMessage&)> keyCall)
    : member_(std::move(member)), received_(std::move(received)), keyCall_(std::move(keyCall)) {}

bool CursorReceiver::handleMessage(const QDBusMessage& message, const QDBusConnection& connection) {
    const bool key = message.member() == kKeyPressedMember || message.member() == kKeyTakenMember;
    if (message.type() != QDBusMessage::MethodCallMessage ||
        (message.member() != member_ && !key) || message.interface() != kCursorInterface)
        return false;
    (key ? keyCall_ : received_)(message);
    if (message.isReplyRequired())
        connection.send(
            message.createReply(QVariantList{QVariant::fromValue(uint(interval_)), accelerator_}));
    return true;
}

CompositorDesktop::CompositorDesktop(std::unique_ptr<Desktop> fallback, const QDBusConnection& bus,
                                     const QString& member)
    : fallback_(std::move(fallback)), bus_(bus),
      receiver_(
          member, [this](const QDBusMessage& m) { Received(m); },
          [this](const QDBusMessage& m) { KeyCall(m); }) {
    fallback_->SetInputListener([this] { InputArrived(); });
    fallback_->SetAwayListener([this](bool away) { AwayChanged(away); });
    bus_.registerVirtualObject(kCursorPath, &receiver_);
}

CompositorDesktop::~CompositorDesktop() {
    // The compositor stops reporting, or reports to the next creature in line.
    bus_.interface()->unregisterService(kCursorName);
    bus_.unregisterObject(kCursorPath);
}

bool CompositorDesktop::QueueForTheName() {
    return bus_.interface()
               ->registerService(kCursorName, QDBusConnectionInterface::QueueService,
                                 QDBusConnectionInterface::DontAllowReplacement)
               .value() == QDBusConnectionInterface::ServiceRegistered;
}

void CompositorDesktop::Follow(QPoint cursor, bool changed) {
    if (cursor_ == cursor && !changed)
        return;
    cursor_ = cursor;
    InputArrived();
}

void CompositorDesktop::Lost() {
    if (!cursor_)
        return;
    cursor_.reset();
    InputArrived();
}

} // namespace orbo
