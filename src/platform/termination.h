#pragma once

#include <functional>

class QObject;

namespace orbo {

// Calls onRequest on the event loop when the system asks the program to end with SIGTERM, SIGINT
// or SIGHUP (Unix; Windows ends the program through its window). The handler runs as an ordinary
// event, never inside the signal handler. Lives as long as context.
void WatchTerminationRequests(QObject& context, std::function<void()> onRequest);

} // namespace orbo
