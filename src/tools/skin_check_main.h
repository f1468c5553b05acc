// orbo-skin-check's command line, run as a program of its own or inside orbo.exe.
#pragma once

// On Windows the checker runs inside orbo.exe, so that the download carries one copy of Qt:
// orbo-skin-check.exe, a console program without Qt, starts "orbo.exe --skin-check ARGUMENTS".
#define ORBO_SKIN_CHECK_MODE "--skin-check"

namespace orbo {

// Checks the skin the command line names and prints the report; the arguments start at
// argv[firstArgument]. Makes the application object itself; returns the exit status.
int SkinCheckMain(int argc, char* argv[], int firstArgument);

} // namespace orbo
