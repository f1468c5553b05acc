// The hot key through org.freedesktop.portal.GlobalShortcuts: a session, one shortcut bound in it,
// its presses; every call answered later, none waited for.
#include "portal_shortcut.h"

#include "platform/desktop/key_codes.h"
#include "platform/system/session_bus.h"

#include <QtCore/QChar>
#include <QtCore/QCoreApplication>
#include <QtCore/QObject>
#include <QtCore/QRandomGenerator>
#include <QtDBus/QDBusArgument>
#include <QtDBus/QDBusMessage>
#include <QtDBus/QDBusMetaType>
#include <QtDBus/QDBusObjectPath>
#include <QtDBus/QDBusPendingCallWatcher>

#include <array>
#include <utility>

namespace orbo {

namespace {

using namespace Qt::StringLiterals;

const QString kPortal = u"org.freedesktop.portal.Desktop"_s;
const QString kPortalPath = u"/org/freedesktop/portal/desktop"_s;
const QString kShortcuts = u"org.freedesktop.portal.GlobalShortcuts"_s;
const QString kRequest = u"org.freedesktop.portal.Request"_s;
const QString kSession = u"org.freedesktop.portal.Session"_s;
const QString kRegistry = u"org.freedesktop.host.portal.Registry"_s;
// The basename of the desktop file, by which the portal finds the program's name.
const QString kAppId = u"orbo"_s;
// The one shortcut's id, which the portal's settings may show.
const QString kShortcutId = u"toggle"_s;

// One element of BindShortcuts' a(sa{sv}).
struct ShortcutEntry {
    QString Id;
    QVariantMap Options;
};

QDBusArgument& operator<<(QDBusArgument& argument, const ShortcutEntry& entry) {
    argument.beginStructure();
    argument << entry.Id << entry.Options;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, ShortcutEntry& entry) {
    argument.beginStructure();
    argument >> entry.Id >> entry.Options;
    argument.endStructure();
    return argument;
}

// Takes the portal's signals, which reach a slot only.
class PortalEar : public QObject {
    Q_OBJECT

public:
    explicit PortalEar(std::function<void(const QDBusMessage&)> heard) : heard_(std::move(heard)) {}

public Q_SLOTS:
    void Heard(const QDBusMessage& message) { heard_(message); }

private:
    std::function<void(const QDBusMessage&)> heard_;
};

// A request or session token: a path element no other program guesses.
QString Token() {
    return u"orbo"_s + QString::number(QRandomGenerator::global()->generate64(), 16);
}

QString Tr(const char* text) {
    return QCoreApplication::translate("orbo::Desktop", text);
}

} // namespace

std::optional<QString> PortalTrigger(QKeyCombination key) {
    static constexpr std::array<std::pair<Qt::KeyboardModifier, const char*>, 4> kModifiers{{
        {Qt::ControlModifier, "CTRL"},
        {Qt::AltModifier, "ALT"},
        {Qt::ShiftModifier, "SHIFT"},
        {Qt::MetaModifier, "LOGO"},
    }};
    const Qt::Key code = key.key();
    QString name;
    if (code >= Qt::Key_F1 && code <= Qt::Key_F35) {
        name = u'F' + QString::number(code - Qt::Key_F1 + 1);
    } else if (const auto named = NamedKeyOf(code)) {
        name = QString::fromLatin1(named->Name);
    } else if (code > Qt::Key_Space && code <= 0x10ffff && QChar::isPrint(char32_t(code))) {
        // Qt numbers a character's key by its capital; the key's symbol is the small one.
        const char32_t small = QChar::toLower(char32_t(code));
        name = small < 0x80 && QChar::isLetterOrNumber(small)
                   ? QString(QChar(small))
                   : u'U' + QString::number(small, 16).toUpper().rightJustified(4, u'0');
    } else {
        return {};
    }
    QString trigger;
    for (const auto& [modifier, modifierName] : kModifiers)
        if (key.keyboardModifiers().testFlag(modifier))
            trigger += QLatin1StringView(modifierName) + u'+';
    return trigger + name;
}

PortalShortcut::PortalShortcut(const QDBusConnection& bus, QKeyCombination key,
                               std::function<void()> pressed,
                               std::function<void(const QString& why)> refused)
    : bus_(bus), key_(key), pressed_(std::move(pressed)), refused_(std::move(refused)),
      ear_(std::make_unique<PortalEar>([this](const QDBusMessage& message) { Heard(message); })) {
    static const bool registered = [] {
        qDBusRegisterMetaType<ShortcutEntry>();
        qDBusRegisterMetaType<QList<ShortcutEntry>>();
        return true;
    }();
    Q_UNUSED(registered);
    // Heard only from the portal's own connection: the bus library passes on a signal only from
    // the name's owner.
    bus_.connect(kPortal, kPortalPath, kShortcuts, u"Activated"_s, ear_.get(),
                 SLOT(Heard(QDBusMessage)));
    // An older portal knows no registry, and a second shortcut on the connection finds the name
    // taken: either way the session is asked for, and a portal that wants a name says so then.
    QDBusMessage name =
        QDBusMessage::createMethodCall(kPortal, kPortalPath, kRegistry, u"Register"_s);
    name << kAppId << QVariantMap();
    Call(name, [this](const QDBusMessage&) {
        Request(u"CreateSession"_s, {}, {{u"session_handle_token"_s, Token()}});
    });
}

PortalShortcut::~PortalShortcut() {
    // Told, never waited for.
    if (!request_.isEmpty())
        bus_.send(QDBusMessage::createMethodCall(kPortal, request_, kRequest, u"Close"_s));
    if (!session_.isEmpty())
        bus_.send(QDBusMessage::createMethodCall(kPortal, session_, kSession, u"Close"_s));
}

void PortalShortcut::Request(const QString& method, QVariantList arguments, QVariantMap options) {
    // The request's path is made of the caller's unique name and the token given with the call.
    const QString token = Token();
    const QString sender = bus_.baseService().mid(1).replace(u'.', u'_');
    if (!request_.isEmpty())
        bus_.disconnect(kPortal, request_, kRequest, u"Response"_s, ear_.get(),
                        SLOT(Heard(QDBusMessage)));
    request_ = kPortalPath + u"/request/"_s + sender + u'/' + token;
    bus_.connect(kPortal, request_, kRequest, u"Response"_s, ear_.get(), SLOT(Heard(QDBusMessage)));
    options.insert(u"handle_token"_s, token);
    QDBusMessage call = QDBusMessage::createMethodCall(kPortal, kPortalPath, kShortcuts, method);
    call.setArguments(arguments << options);
    Call(call, [this](const QDBusMessage& reply) {
        // No portal, or one without global shortcuts: no program has a key here.
        if (reply.type() != QDBusMessage::ReplyMessage)
            Refuse({});
    });
}

void PortalShortcut::Call(const QDBusMessage& call,
                          std::function<void(const QDBusMessage& reply)> done) {
    auto* pending = new QDBusPendingCallWatcher(bus_.asyncCall(call), ear_.get());
    QObject::connect(pending, &QDBusPendingCallWatcher::finished, ear_.get(),
                     [pending, done = std::move(done)] {
                         pending->deleteLater();
                         done(pending->reply());
                     });
}

void PortalShortcut::Heard(const QDBusMessage& message) {
    const QVariantList values = message.arguments();
    if (message.interface() == kRequest) {
        if (message.path() != request_ || values.size() != 2)
            return;
        // The session is the answering connection's: only it reports presses in it.
        if (session_.isEmpty())
            portal_ = message.service();
        Responded(values[0].toUInt(), qdbus_cast<QVariantMap>(values[1]));
        return;
    }
    if (message.member() == u"Activated"_s && !session_.isEmpty() && message.service() == portal_ &&
        values.size() >= 2 && qvariant_cast<QDBusObjectPath>(values[0]).path() == session_ &&
        values[1].toString() == kShortcutId)
        pressed_();
}

void PortalShortcut::Responded(uint code, const QVariantMap& results) {
    if (code != 0) {
        Refuse(Tr(QT_TRANSLATE_NOOP("orbo::Desktop", "the desktop refused it")));
        return;
    }
    if (!session_.isEmpty()) {
        // Bound: the presses come as Activated from now on.
        request_.clear();
        return;
    }
    // A string, though it names an object; taken as either.
    const QVariant handle = results.value(u"session_handle"_s);
    session_ = handle.metaType() == QMetaType::fromType<QDBusObjectPath>()
                   ? qvariant_cast<QDBusObjectPath>(handle).path()
                   : handle.toString();
    if (session_.isEmpty()) {
        Refuse(Tr(QT_TRANSLATE_NOOP("orbo::Desktop", "the desktop refused it")));
        return;
    }
    QVariantMap options{
        {u"description"_s,
         Tr(QT_TRANSLATE_NOOP("orbo::Desktop", "Orbo: Hide or show the creature"))}};
    if (const auto trigger = PortalTrigger(key_))
        options.insert(u"preferred_trigger"_s, *trigger);
    const QList<ShortcutEntry> shortcuts{{kShortcutId, options}};
    // No parent window: the creature is no window the portal could name.
    Request(
        u"BindShortcuts"_s,
        {QVariant::fromValue(QDBusObjectPath(session_)), QVariant::fromValue(shortcuts), QString()},
        {});
}

void PortalShortcut::Refuse(const QString& why) {
    request_.clear();
    if (!std::exchange(refusedOnce_, true))
        refused_(why);
}

namespace {

// Everything from the inner desktop but the hot key.
class PortalDesktop : public PassThroughDesktop {
public:
    PortalDesktop(std::unique_ptr<Desktop> inner, const QDBusConnection& bus)
        : PassThroughDesktop(std::move(inner)), bus_(bus) {}

    // Whether the portal holds the key is learned only later, and told as a refusal when not.
    bool ListensForKeys() const override { return true; }
    std::optional<QString> ListenForKey(QKeyCombination key,
                                        std::function<void()> pressed) override {
        shortcut_.reset();
        if (!pressed)
            return {};
        if (!PortalTrigger(key))
            return Tr(QT_TRANSLATE_NOOP("orbo::Desktop", "this keyboard has no such key"));
        shortcut_ = std::make_unique<PortalShortcut>(
            bus_, key, std::move(pressed), [this](const QString& why) { KeyRefused(why); });
        return {};
    }

private:
    QDBusConnection bus_;
    std::unique_ptr<PortalShortcut> shortcut_;
};

} // namespace

std::unique_ptr<Desktop> ListenThroughPortal(std::unique_ptr<Desktop> inner) {
    if (!SessionBusReachable())
        return inner;
    const QDBusConnection bus =
        QDBusConnection::connectToBus(QDBusConnection::SessionBus, u"orbo-portal"_s);
    if (!bus.isConnected())
        return inner;
    return std::make_unique<PortalDesktop>(std::move(inner), bus);
}

} // namespace orbo

#include "portal_shortcut.moc"
