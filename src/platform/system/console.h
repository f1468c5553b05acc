// Printing to the console a Windows program was started from.
#pragma once

#include <QtCore/QString>

#include <cstdio>

namespace orbo {

// Gives standard output and standard error to a program built as a windowed one, which on
// Windows has none of its own: the console it was started from, unless they go elsewhere
// already (redirected to a file or pipe). Elsewhere there is nothing to do.
void UseStartingConsole();

// For a windowed program that a console program started with that console's handles as its
// standard ones (orbo-skin-check.exe starts orbo.exe so): such handles work only in a process
// attached to their console, so it joins the console of the program that started it.
void JoinParentConsole();

// Writes text to standard output or standard error so that every letter shows: to a Windows
// console as its own characters (the console's code page is not the program's), elsewhere in the
// locale's encoding, or in UTF-8 when asked.
void PrintText(std::FILE* stream, const QString& text, bool utf8 = false);

} // namespace orbo
