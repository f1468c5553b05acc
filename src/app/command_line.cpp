// The command line: --help and --version, and what is refused.
#include "command_line.h"

#include "creature/stored_choices.h"
#include "platform/system/console.h"
#include "platform/system/files.h"
#include "platform/system/settings_store.h"
#include "resources/resources.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QDir>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace orbo {

using namespace Qt::StringLiterals;

namespace {

bool Is(const char* argument, const char* shortForm, const char* longForm) {
    return std::strcmp(argument, shortForm) == 0 || std::strcmp(argument, longForm) == 0;
}

QString Tr(const char* text) {
    return QCoreApplication::translate("orbo::CommandLine", text);
}

void Print(std::FILE* stream, const QString& text) {
    UseStartingConsole();
    PrintText(stream, text);
}

} // namespace

QString VersionText() {
    return u"orbo " ORBO_VERSION "\n"_s;
}

QString HelpText() {
    QString skins;
    const QStringList folders = SkinsFolders();
    const QString first = Tr(QT_TRANSLATE_NOOP("orbo::CommandLine", "  Skins:     %1"));
    // The later folders line up under the first, however long the label is in this language.
    const QString later = QString(std::max<qsizetype>(first.indexOf(u"%1"_s), 0), u' ') + u"%1"_s;
    for (qsizetype i = 0; i < folders.size(); ++i) {
        const bool own = i == 0 && folders.size() > 1;
        const QString folder = QDir::toNativeSeparators(folders[i]);
        const QString line = i == 0 ? first : later;
        skins +=
            line.arg(own ? Tr(QT_TRANSLATE_NOOP("orbo::CommandLine", "%1 (your own)")).arg(folder)
                         : folder) +
            u'\n';
    }
    return Tr(QT_TRANSLATE_NOOP("orbo::CommandLine",
                                "Usage: orbo [--help | --version | --toggle]\n"
                                "Shows a creature whose eyes follow the mouse. Drag it with the "
                                "left mouse button;\n"
                                "a right click on it opens its menu. Started again while it runs, "
                                "Orbo brings the\n"
                                "running creature back to the middle of the screen.\n"
                                "\n"
                                "  -h, --help     show this help and exit\n"
                                "  -v, --version  show the version and exit\n"
                                "  --toggle       hide or show the running creature (for a key "
                                "of the desktop's own);\n"
                                "                 with none running, start it\n"
                                "\n"
                                "  Settings:  %1\n"))
               .arg(QDir::toNativeSeparators(SettingsLocation(kSettingsApp, kSettingsSection))) +
           skins;
}

std::optional<int> AnswerHelpOrVersion(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (Is(argv[i], "-h", "--help")) {
            // The program's folder, where its shipped skins are, is known once this exists.
            const QCoreApplication core(argc, argv);
            InstallTranslations();
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

bool AsksToToggle(const QStringList& arguments) {
    return arguments.size() == 2 && arguments[1] == u"--toggle";
}

std::optional<int> RefuseOtherArguments(const QStringList& arguments) {
    if (arguments.size() < 2 || AsksToToggle(arguments))
        return std::nullopt;
    Print(stderr, Tr(QT_TRANSLATE_NOOP("orbo::CommandLine",
                                       "orbo: unknown argument \"%1\" (orbo --help lists the "
                                       "options)\n"))
                      .arg(arguments[1]));
    return 2;
}

} // namespace orbo
