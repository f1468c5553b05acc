// The console a Windows program was started from, for what it prints.
#include "console.h"

#include <QtCore/QtGlobal>

#if defined(Q_OS_WIN)
#include <io.h>
#include <windows.h>
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

void JoinParentConsole() {
#if defined(Q_OS_WIN)
    ::AttachConsole(ATTACH_PARENT_PROCESS);
#endif
}

void PrintText(std::FILE* stream, const QString& text, bool utf8) {
    std::fflush(stream);
#if defined(Q_OS_WIN)
    const auto console = reinterpret_cast<HANDLE>(::_get_osfhandle(::_fileno(stream)));
    DWORD mode = 0;
    if (console != INVALID_HANDLE_VALUE && ::GetConsoleMode(console, &mode)) {
        DWORD written = 0;
        ::WriteConsoleW(console, text.utf16(), DWORD(text.size()), &written, nullptr);
        return;
    }
#endif
    std::fputs((utf8 ? text.toUtf8() : text.toLocal8Bit()).constData(), stream);
    std::fflush(stream);
}

} // namespace orbo
