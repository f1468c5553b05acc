#include "termination.h"

#include <QtCore/QObject>
#include <QtCore/QSocketNotifier>

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
#else
void WatchTerminationRequests(QObject&, std::function<void()>) {
    // Windows ends a GUI program through its window (WM_CLOSE / WM_ENDSESSION), which Qt turns
    // into a close event and the application's aboutToQuit.
}
#endif

} // namespace orbo
