// Turning termination signals and end-of-session messages into a call on the event loop.
#include "termination.h"

#include <QtCore/QObject>
#include <QtCore/QSocketNotifier>

#ifdef Q_OS_WIN
#include <QtCore/QAbstractNativeEventFilter>
#include <QtCore/QCoreApplication>
#include <windows.h>
#endif
#ifdef Q_OS_UNIX
#include <csignal>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace orbo {

#ifdef Q_OS_UNIX
namespace {

int g_signalPipe[2] = {-1, -1};

extern "C" void OnTerminationSignal(int) {
    const char byte = 1;
    // Only async-signal-safe work here: the event loop does the rest.
    [[maybe_unused]] const ssize_t ignored = ::write(g_signalPipe[1], &byte, 1);
}

} // namespace

void WatchTerminationRequests(QObject& context, std::function<void()> onRequest) {
    if (g_signalPipe[0] < 0) {
        if (::pipe(g_signalPipe) != 0)
            return;
        for (const int fd : g_signalPipe) {
            ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
            ::fcntl(fd, F_SETFD, FD_CLOEXEC);
        }
    }
    auto* notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, &context);
    QObject::connect(notifier, &QSocketNotifier::activated, &context,
                     [onRequest = std::move(onRequest)] {
                         char buffer[64];
                         while (::read(g_signalPipe[0], buffer, sizeof buffer) > 0) {
                         }
                         onRequest();
                     });
    struct sigaction action {};
    action.sa_handler = OnTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int sig : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(sig, &action, nullptr);
}
#elif defined(Q_OS_WIN)
namespace {

// Windows asks every top-level window before the session ends and may end the process as soon
// as WM_ENDSESSION has been answered, so the request is handled there and then.
class SessionEndFilter : public QObject, public QAbstractNativeEventFilter {
public:
    SessionEndFilter(QObject& context, std::function<void()> onRequest)
        : QObject(&context), onRequest_(std::move(onRequest)) {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    ~SessionEndFilter() override {
        if (QCoreApplication::instance())
            QCoreApplication::instance()->removeNativeEventFilter(this);
    }
    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (type != "windows_generic_MSG")
            return false;
        const MSG* msg = static_cast<const MSG*>(message);
        if (msg->message == WM_QUERYENDSESSION || (msg->message == WM_ENDSESSION && msg->wParam))
            onRequest_();
        return false; // Qt still answers the message
    }

private:
    std::function<void()> onRequest_;
};

} // namespace

void WatchTerminationRequests(QObject& context, std::function<void()> onRequest) {
    new SessionEndFilter(context, std::move(onRequest));
}
#else
void WatchTerminationRequests(QObject&, std::function<void()>) {}
#endif

} // namespace orbo
