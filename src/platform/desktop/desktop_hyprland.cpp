// The Hyprland desktop: the cursor asked of Hyprland's request socket, never waited for.
#include "desktop_hyprland.h"

#include <QtCore/QFile>
#include <QtCore/QJsonDocument>
#include <QtCore/QJsonObject>
#include <QtCore/QObject>
#include <QtCore/QSocketNotifier>
#include <QtCore/QTimer>

#include <cerrno>
#include <cmath>
#include <cstring>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace orbo {

namespace {

using namespace Qt::StringLiterals;

// "j/": the answer in JSON.
constexpr char kRequest[] = "j/cursorpos";
// Hyprland's answer is some thirty bytes: a longer one is not its answer.
constexpr qsizetype kMaxReply = 4096;
// Farther from the origin than any layout of monitors reaches.
constexpr double kLayoutReach = 1 << 20;
// A socket that takes longer is stuck, and the next read asks anew.
constexpr int kAnswerDeadlineMs = 1000;

// A folder of `user`'s that no one else can write.
bool OwnFolder(const struct stat& info, uid_t user) {
    return S_ISDIR(info.st_mode) && info.st_uid == user &&
           (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

class HyprlandDesktop : public PassThroughDesktop {
public:
    HyprlandDesktop(std::unique_ptr<Desktop> fallback, const sockaddr_un& address, uid_t user)
        : PassThroughDesktop(std::move(fallback)), address_(address), user_(user) {
        // What moves besides the pointer is announced too, as AnnouncesInput promises.
        WatchScreens();
        deadline_.setSingleShot(true);
        deadline_.setInterval(kAnswerDeadlineMs);
        QObject::connect(&deadline_, &QTimer::timeout, &context_, [this] { Done(false); });
    }
    ~HyprlandDesktop() override { Close(); }

    QPoint PointerPosition() override {
        Ask();
        return cursor_ ? *cursor_ : PassThroughDesktop::PointerPosition();
    }
    // Every answer that moves the cursor is announced: a still creature need not tick, and its
    // slow check asks again.
    bool AnnouncesInput() const override { return true; }
    void Refresh() override {
        PassThroughDesktop::Refresh();
        Ask();
    }
    bool FollowsPointerEverywhere() const override { return answering_; }

private:
    // Sends a request unless one is out. A local connection is made or refused at once (a full
    // queue refuses too), and the short request fits the new socket's buffer: only the answer is
    // waited for, by the event loop.
    void Ask() {
        if (fd_ >= 0)
            return;
        fd_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        if (fd_ < 0) {
            answering_ = false;
            return;
        }
        const auto length = static_cast<ssize_t>(sizeof kRequest - 1);
        if (::connect(fd_, reinterpret_cast<const sockaddr*>(&address_), sizeof address_) != 0 ||
            !PeerIsUser() || ::send(fd_, kRequest, length, MSG_NOSIGNAL) != length) {
            Done(false);
            return;
        }
        reply_.clear();
        reader_ = new QSocketNotifier(fd_, QSocketNotifier::Read, &context_);
        QObject::connect(reader_, &QSocketNotifier::activated, &context_, [this] { Read(); });
        deadline_.start();
    }

    // Only Hyprland itself is asked: a socket someone else listens on is told nothing.
    bool PeerIsUser() const {
        ucred peer{};
        socklen_t size = sizeof peer;
        return ::getsockopt(fd_, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 &&
               size == sizeof peer && peer.uid == user_;
    }

    // Hyprland answers and closes the connection: the answer is whole at its end.
    void Read() {
        char buffer[1024];
        for (;;) {
            const ssize_t size = ::read(fd_, buffer, sizeof buffer);
            if (size > 0) {
                reply_.append(buffer, size);
                if (reply_.size() > kMaxReply) {
                    Done(false);
                    return;
                }
            } else if (size < 0 && errno == EINTR) {
                continue;
            } else if (size < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
                return;
            } else {
                Done(size == 0);
                return;
            }
        }
    }

    // The request is over: the cursor follows a good answer, and anything else keeps the last.
    void Done(bool whole) {
        const std::optional<QPoint> answer = whole ? ParseHyprlandCursor(reply_) : std::nullopt;
        Close();
        answering_ = answer.has_value();
        if (answer && answer != cursor_) {
            cursor_ = answer;
            InputArrived();
        }
    }

    void Close() {
        deadline_.stop();
        if (reader_) {
            // It may be the notifier calling.
            reader_->setEnabled(false);
            reader_->deleteLater();
            reader_ = nullptr;
        }
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = -1;
        reply_.clear();
    }

    sockaddr_un address_;
    uid_t user_;
    // Bounds the notifiers and the connections made to them and to the deadline.
    QObject context_;
    QTimer deadline_;
    int fd_ = -1;
    QSocketNotifier* reader_ = nullptr;
    QByteArray reply_;
    std::optional<QPoint> cursor_;
    // Found and trusted, so answers are expected until one fails to come.
    bool answering_ = true;
};

} // namespace

std::optional<QPoint> ParseHyprlandCursor(const QByteArray& reply) {
    if (reply.size() > kMaxReply)
        return {};
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(reply, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return {};
    const QJsonObject object = document.object();
    const auto coordinate = [&object](const QString& key) -> std::optional<int> {
        const QJsonValue value = object.value(key);
        if (!value.isDouble())
            return {};
        const double number = std::floor(value.toDouble());
        if (!(std::abs(number) <= kLayoutReach))
            return {};
        return static_cast<int>(number);
    };
    const std::optional<int> x = coordinate(u"x"_s);
    const std::optional<int> y = coordinate(u"y"_s);
    if (!x || !y)
        return {};
    return QPoint(*x, *y);
}

std::optional<QString> HyprlandSocket(uid_t user) {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const QString signature = qEnvironmentVariable("HYPRLAND_INSTANCE_SIGNATURE");
    if (!runtime.startsWith(u'/') || signature.isEmpty() || signature == u"."_s ||
        signature.contains(u'/') || signature.contains(u".."_s))
        return {};
    const QString hypr = runtime + u"/hypr"_s;
    const QString instance = hypr + u'/' + signature;
    const QString socket = instance + u"/.socket.sock"_s;
    struct stat info {};
    // The runtime folder may be named through a link; nothing below it may be one.
    if (::stat(QFile::encodeName(runtime).constData(), &info) != 0 || !OwnFolder(info, user))
        return {};
    for (const QString& folder : {hypr, instance})
        if (::lstat(QFile::encodeName(folder).constData(), &info) != 0 || !OwnFolder(info, user))
            return {};
    if (::lstat(QFile::encodeName(socket).constData(), &info) != 0 || !S_ISSOCK(info.st_mode) ||
        info.st_uid != user)
        return {};
    return socket;
}

std::unique_ptr<Desktop> FollowHyprlandAt(std::unique_ptr<Desktop> fallback, const QString& path,
                                          uid_t user) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    if (name.isEmpty() || name.size() >= qsizetype(sizeof address.sun_path))
        return fallback;
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    return std::make_unique<HyprlandDesktop>(std::move(fallback), address, user);
}

std::unique_ptr<Desktop> FollowHyprland(std::unique_ptr<Desktop> fallback) {
    const uid_t user = ::geteuid();
    const std::optional<QString> socket = HyprlandSocket(user);
    if (!socket)
        return fallback;
    return FollowHyprlandAt(std::move(fallback), *socket, user);
}

} // namespace orbo
