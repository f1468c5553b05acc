// orbo-skin-import: turns eye themes of the Xfce and GNOME eyes applets into Orbo skins.
#include "platform/system/files.h"
#include "resources/resources.h"
#include "tools/theme_import.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QDate>
#include <QtCore/QStringList>

#include <cstdio>

namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("orbo::SkinImport", text);
}

int Usage() {
    const QString usage =
        Tr(QT_TRANSLATE_NOOP(
               "orbo::SkinImport",
               "usage: orbo-skin-import THEME_FOLDER... [--into FOLDER] [--name NAME] "
               "[--kind auto|frames] [--force]\n"
               "Turns eye themes of the Xfce and GNOME eyes applets into Orbo skins, "
               "by default in the\n"
               "user's own skins folder (%1).\n"
               "Exit status: 0 every theme imported, 1 some theme refused, 2 bad "
               "usage.\n"))
            .arg(orbo::UserSkinsFolder());
    std::fputs(usage.toLocal8Bit().constData(), stderr);
    return 2;
}

void Say(const QString& text) {
    std::fprintf(stderr, "orbo-skin-import: %s\n", text.toLocal8Bit().constData());
}

} // namespace

int main(int argc, char* argv[]) {
    // Pictures need Qt's image plugins, but no display.
    QCoreApplication app(argc, argv);
    orbo::InstallTranslations();
    const QStringList args = QCoreApplication::arguments().mid(1);
    orbo::ImportRequest request;
    request.Into = orbo::UserSkinsFolder();
    request.Date = QDate::currentDate().toString(Qt::ISODate);
    QStringList themes;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == u"--into" && hasValue) {
            request.Into = args[++i];
        } else if (a == u"--name" && hasValue) {
            request.Name = args[++i];
        } else if (a == u"--kind" && hasValue) {
            const QString kind = args[++i];
            if (kind == u"auto")
                request.Kind = orbo::ImportKind::Auto;
            else if (kind == u"frames")
                request.Kind = orbo::ImportKind::Frames;
            else
                return Usage();
        } else if (a == u"--force") {
            request.Force = true;
        } else if (a == u"--help" || a == u"-h") {
            Usage();
            return 0;
        } else if (!a.startsWith(u"--")) {
            themes.append(a);
        } else {
            return Usage();
        }
    }
    if (themes.isEmpty())
        return Usage();
    if (!request.Name.isEmpty() && themes.size() > 1) {
        Say(Tr(QT_TRANSLATE_NOOP("orbo::SkinImport",
                                 "--name names one skin: give one theme folder with it")));
        return 2;
    }
    if (request.Into.isEmpty()) {
        Say(Tr(QT_TRANSLATE_NOOP(
            "orbo::SkinImport", "this system has no folder of the user's own skins: give --into")));
        return 2;
    }
    int refused = 0;
    for (const QString& theme : themes) {
        request.ThemeFolder = theme;
        request.Origin = orbo::FindThemeOrigin(theme, orbo::DpkgOwner);
        const orbo::ImportResult result = orbo::ImportTheme(request);
        for (const QString& warning : result.Warnings)
            Say(Tr(QT_TRANSLATE_NOOP("orbo::SkinImport", "warning: %1")).arg(warning));
        if (result.Ok) {
            std::printf("%s -> %s\n", theme.toLocal8Bit().constData(),
                        result.SkinFolder.toLocal8Bit().constData());
        } else {
            Say(result.Error);
            ++refused;
        }
    }
    return refused == 0 ? 0 : 1;
}
