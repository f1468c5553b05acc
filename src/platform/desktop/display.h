// Whether the window system the program will use can be reached, before Qt tries.
#pragma once

#include <QtCore/QString>

#include <optional>

namespace orbo {

// Why the window system the program will use cannot be reached, in one line; nothing when it can
// be, or when Qt was told to use a platform that needs no display (QT_QPA_PLATFORM or -platform,
// such as offscreen). Call it before the QApplication is made: Qt aborts when its platform does
// not start.
std::optional<QString> UnreachableDisplay(int argc, char* argv[]);

} // namespace orbo
