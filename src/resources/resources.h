#pragma once

#include <QtGui/QIcon>

namespace orbo {

// Makes the built-in pictures reachable under ":/"; any number of calls.
void InitResources();

// Orbo's icon, for the frames, taskbars and window switchers that show one.
QIcon AppIcon();

} // namespace orbo
