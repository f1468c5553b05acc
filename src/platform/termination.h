#pragma once

#include <functional>

class QObject;

namespace orbo {

// Calls onRequest on the event loop when the system asks the program to end: SIGTERM, SIGINT
// or SIGHUP on Unix, a console close on Windows. The handler runs as an ordinary event, never
// inside the signal handler. Lives as long as context.
void WatchTerminationRequests(QObject& context, std::function<void()> onRequest);

} // namespace orbo
