// Printing to the console a Windows program was started from.
#pragma once

namespace orbo {

// Gives standard output and standard error to a program built as a windowed one, which on
// Windows has none of its own: the console it was started from, unless they go elsewhere
// already (redirected to a file or pipe). Elsewhere there is nothing to do.
void UseStartingConsole();

} // namespace orbo
