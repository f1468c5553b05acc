// The command line: --help and --version print and end; other arguments are refused.
#pragma once

#include <QtCore/QString>
#include <QtCore/QStringList>

#include <optional>

namespace orbo {

// Orbo reads two options: -h or --help prints how to use it (and where its settings and skins
// are), -v or --version its version, each on standard output, and the program ends with status 0
// without opening a display. Call it first thing; the status to end with when one was given.
std::optional<int> AnswerHelpOrVersion(int argc, char* argv[]);

// --toggle alone: the running creature is to hide or show (a start with none running starts it).
bool AsksToToggle(const QStringList& arguments);

// Anything else on the command line, once the application object has taken its own options
// (-display, -session...), is refused on standard error with status 2: a usage error, told
// apart from the program's own failures (1).
std::optional<int> RefuseOtherArguments(const QStringList& arguments);

QString HelpText();
QString VersionText();

} // namespace orbo
