// The console a Windows program was started from, for what it prints.
#include "console.h"

#include <QtCore/QtGlobal>

#if defined(Q_OS_WIN)
#include <windows.h>

#include <cstdio>
#endif

namespace orbo {

void UseStartingConsole() {
#if defined(Q_OS_WIN)
    const HANDLE out = ::GetStdHandle(STD_OUTPUT_HANDLE);
    if (out != nullptr && out != INVALID_HANDLE_VALUE)
        return;
    if (::AttachConsole(ATTACH_PARENT_PROCESS)) {
        std::freopen("CONOUT$", "w", stdout);
        std::freopen("CONOUT$", "w", stderr);
    }
#endif
}

} // namespace orbo
