// orbo-skin-check: reads a skin as Orbo does and reports, or renders it.
#include "tools/skin_check_main.h"

#include "creature/choices.h"
#include "platform/system/console.h"
#include "platform/system/files.h"
#include "resources/resources.h"
#include "tools/skin_check.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QStringList>
#include <QtGui/QImage>

#include <cstdio>

namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("orbo::SkinCheck", text);
}

// UTF-8 into files and pipes, whatever the system's code page: reports are compared and kept.
void Print(std::FILE* stream, const QString& text) {
    orbo::PrintText(stream, text, true);
}

constexpr const char* kUsage = QT_TRANSLATE_NOOP(
    "orbo::SkinCheck",
    "usage: orbo-skin-check FOLDER|NAME [--exact] [--render OUT.png --cursor X,Y "
    "[--screen W,H] [--buttons L,R,M] [--scale S] [--size PERCENT] [--at X,Y]]\n"
    "       orbo-skin-check --help\n"
    "Reads FOLDER/Skin.ini as Orbo does and tells what every line did. A NAME that is no\n"
    "folder here is looked for in the skins folders, as Orbo looks for a skin by name.\n"
    "--exact gives the values as Orbo stores them (field names, twips, padded kinds).\n"
    "--size renders at 50, 75, 100, 150, 200 or 300 % of the picture, on top of --scale.\n"
    "Exit status: 0 the whole file was read, 1 reading stopped at a failure or there was no\n"
    "Skin.ini, 2 bad usage.\n");

int Usage() {
    Print(stderr, Tr(kUsage));
    return 2;
}

int Help() {
    Print(stdout, Tr(kUsage));
    return 0;
}

bool ParsePair(const QString& text, int& a, int& b) {
    const QStringList parts = text.split(u',');
    bool ok1 = false;
    bool ok2 = false;
    if (parts.size() != 2)
        return false;
    a = parts[0].toInt(&ok1);
    b = parts[1].toInt(&ok2);
    return ok1 && ok2;
}

} // namespace

int orbo::SkinCheckMain(int argc, char* argv[], int firstArgument) {
    // Pictures need Qt's image types and plugins, but no display.
    QCoreApplication app(argc, argv);
    orbo::InstallTranslations();
    const QStringList args = QCoreApplication::arguments().mid(firstArgument);
    orbo::SkinCheckRequest request;
    QString renderTo;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        const bool hasValue = i + 1 < args.size();
        int x = 0;
        int y = 0;
        if (a == u"--help" || a == u"-h") {
            return Help();
        } else if (a == u"--exact") {
            request.Exact = true;
        } else if (a == u"--render" && hasValue) {
            renderTo = args[++i];
        } else if (a == u"--cursor" && hasValue && ParsePair(args[++i], x, y)) {
            request.Cursor = QPoint(x, y);
        } else if (a == u"--at" && hasValue && ParsePair(args[++i], x, y)) {
            request.At = QPoint(x, y);
        } else if (a == u"--screen" && hasValue && ParsePair(args[++i], x, y) && x > 0 && y > 0) {
            request.Screen = QSize(x, y);
        } else if (a == u"--scale" && hasValue) {
            bool ok = false;
            request.Scale = args[++i].toDouble(&ok);
            if (!ok || !(request.Scale >= 0.5 && request.Scale <= 8))
                return Usage();
        } else if (a == u"--size" && hasValue) {
            bool ok = false;
            request.Size = args[++i].toInt(&ok);
            if (!ok || !orbo::IsSizeChoice(request.Size))
                return Usage();
        } else if (a == u"--buttons" && hasValue) {
            const QStringList b = args[++i].split(u',');
            if (b.size() != 3)
                return Usage();
            request.Left = b[0] == u"1";
            request.Right = b[1] == u"1";
            request.Middle = b[2] == u"1";
        } else if (!a.startsWith(u"--") && request.Folder.isEmpty()) {
            request.Folder = a;
        } else {
            return Usage();
        }
    }
    if (request.Folder.isEmpty() || (renderTo.isEmpty() != !request.Cursor))
        return Usage();
    const orbo::SkinLocation where = orbo::LocateSkin(request.Folder, orbo::SkinsFolders());
    if (!where.Folder) {
        Print(stdout, Tr(QT_TRANSLATE_NOOP("orbo::SkinCheck", "No skin \"%1\" found. Tried:\n"))
                          .arg(request.Folder));
        for (const QString& path : where.Tried)
            std::printf("  %s\n", path.toUtf8().constData());
        Print(stdout, Tr(QT_TRANSLATE_NOOP("orbo::SkinCheck",
                                           "Orbo shows the built-in skin for a name it does not "
                                           "find.\n")));
        return 1;
    }
    request.Folder = *where.Folder;
    const orbo::SkinCheckResult result = orbo::CheckSkin(request);
    Print(stdout, result.Report);
    if (!renderTo.isEmpty()) {
        if (!result.Rendering.save(renderTo, "PNG")) {
            Print(stderr,
                  Tr(QT_TRANSLATE_NOOP("orbo::SkinCheck", "cannot write %1\n")).arg(renderTo));
            return 2;
        }
        Print(
            stdout,
            Tr(QT_TRANSLATE_NOOP("orbo::SkinCheck", "\nRendering written to %1\n")).arg(renderTo));
    }
    return result.WholeFileRead ? 0 : 1;
}
