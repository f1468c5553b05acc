// Requests from the system to end the program: signals on Unix, the session's end on Windows.
#pragma once

#include <functional>

class QObject;

namespace orbo {

// Calls onRequest when the system asks the program to end: on Unix SIGTERM, SIGINT or SIGHUP,
// as an ordinary event of the loop, never inside the signal handler; on Windows the end of the
// session (WM_QUERYENDSESSION, WM_ENDSESSION), at once, since the process may be ended as soon
// as the message is answered. Lives as long as context.
void WatchTerminationRequests(QObject& context, std::function<void()> onRequest);

} // namespace orbo
