// The Windows desktop: the cursor and buttons from the Windows API.
#pragma once

#include "platform/desktop/desktop.h"

#include <memory>

namespace orbo {

#if defined(Q_OS_WIN)
// The Windows desktop: GetCursorPos and GetAsyncKeyState for the cursor and the buttons,
// anywhere on the screen. Raw mouse input announces that the pointer moved, except under Wine,
// where none arrives from over other programs' windows.
std::unique_ptr<Desktop> MakeWindowsDesktop();
#endif

} // namespace orbo
