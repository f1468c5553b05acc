// The command line: --help and --version, and what is refused.
#include "command_line.h"

#include "creature/settings_io.h"
#include "platform/system/console.h"
#include "platform/system/files.h"
#include "platform/system/settings_store.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QDir>

#include <cstdio>
#include <cstring>

namespace orbo {

using namespace Qt::StringLiterals;

namespace {

bool Is(const char* argument, const char* shortForm, const char* longForm) {
    return std::strcmp(argument, shortForm) == 0 || std::strcmp(argument, longForm) == 0;
}

void Print(std::FILE* stream, const QString& text) {
    UseStartingConsole();
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

} // namespace

QString VersionText() {
    return u"orbo " ORBO_VERSION "\n"_s;
}

QString HelpText() {
    QString skins;
    const QStringList folders = SkinsFolders();
    for (qsizetype i = 0; i < folders.size(); ++i) {
        const bool own = i == 0 && folders.size() > 1;
        skins += (i == 0 ? u"  Skins:     "_s : u"             "_s) +
                 QDir::toNativeSeparators(folders[i]) + (own ? u" (your own)\n"_s : u"\n"_s);
    }
    return u"Usage: orbo [--help | --version]\n"
           "Shows a creature whose eyes follow the mouse. Drag it with the left mouse button;\n"
           "a right click on it opens its menu. Started again while it runs, Orbo brings the\n"
           "running creature back to the middle of the screen.\n"
           "\n"
           "  -h, --help     show this help and exit\n"
           "  -v, --version  show the version and exit\n"
           "\n"
           "  Settings:  %1\n"_s.arg(
               QDir::toNativeSeparators(SettingsLocation(kSettingsApp, kSettingsSection))) +
           skins;
}

std::optional<int> AnswerHelpOrVersion(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (Is(argv[i], "-h", "--help")) {
            // The program's folder, where its shipped skins are, is known once this exists.
            const QCoreApplication core(argc, argv);
            Print(stdout, HelpText());
            return 0;
        }
        if (Is(argv[i], "-v", "--version")) {
            Print(stdout, VersionText());
            return 0;
        }
    }
    return std::nullopt;
}

std::optional<int> RefuseOtherArguments(const QStringList& arguments) {
    if (arguments.size() < 2)
        return std::nullopt;
    Print(stderr,
          u"orbo: unknown argument \"%1\" (orbo --help lists the options)\n"_s.arg(arguments[1]));
    return 2;
}

} // namespace orbo
