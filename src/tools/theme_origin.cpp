// Where an imported theme came from: the applet and Debian package that own it, and the licence
// their machine-readable copyright file gives for it.
#include "theme_import.h"

#include "platform/system/files.h"
#include "runtime/text.h"

#include <QtCore/QFileInfo>
#include <QtCore/QProcess>

#include <algorithm>
#include <vector>

namespace orbo {

QString DpkgOwner(const QString& path) {
    QProcess dpkg;
    dpkg.start(QStringLiteral("dpkg"), {QStringLiteral("-S"), path});
    if (!dpkg.waitForFinished(10000) || dpkg.exitStatus() != QProcess::NormalExit ||
        dpkg.exitCode() != 0)
        return {};
    // "package[:arch][, package]: path"
    const QString out = QString::fromLocal8Bit(dpkg.readAllStandardOutput()).split(u'\n').value(0);
    const qsizetype colon = out.indexOf(QStringLiteral(": "));
    if (colon <= 0)
        return {};
    return out.left(colon).split(u',').value(0).split(u':').value(0).trimmed();
}

namespace {

struct Applet {
    const char16_t* Marker; // the folder that holds its themes, below share/
    const char16_t* Package;
    const char16_t* Creator;
};

constexpr Applet kApplets[] = {
    {u"/share/xfce4/eyes/themes", u"xfce4-eyes-plugin", u"Xfce eyes panel plugin"},
    {u"/share/gnome-applets/geyes", u"gnome-applets-data", u"GNOME eyes applet"},
};

// The licence of a machine-readable copyright file for the theme's path: the paragraph whose
// Files pattern names only folders the path passes through, else the one for "*".
QString LicenceFrom(const QByteArray& text, const QStringList& pathParts) {
    struct Paragraph {
        QStringList Files;
        QString Copyright;
        QString License;
    };
    std::vector<Paragraph> paragraphs(1);
    QString* last = nullptr;
    for (const QString& line : SplitLines(text)) {
        if (line.trimmed().isEmpty()) {
            paragraphs.emplace_back();
            last = nullptr;
            continue;
        }
        Paragraph& p = paragraphs.back();
        if (line.front().isSpace()) {
            if (last == &p.Copyright && !p.Copyright.endsWith(QStringLiteral(" and others")))
                p.Copyright = p.Copyright.chopped(p.Copyright.endsWith(u',') ? 1 : 0) +
                              QStringLiteral(" and others");
            continue;
        }
        const qsizetype colon = line.indexOf(u':');
        const QString field = line.left(colon).toLower();
        const QString value = line.mid(colon + 1).trimmed();
        last = nullptr;
        if (field == u"files")
            p.Files = value.split(u' ', Qt::SkipEmptyParts);
        else if (field == u"copyright")
            last = &(p.Copyright = value);
        else if (field == u"license")
            p.License = value;
    }
    const Paragraph* best = nullptr;
    int bestDepth = -1;
    for (const Paragraph& p : paragraphs) {
        if (p.License.isEmpty())
            continue;
        for (const QString& pattern : p.Files) {
            QStringList folders = pattern.split(u'/', Qt::SkipEmptyParts);
            folders.removeIf([](const QString& f) { return f.contains(u'*'); });
            const bool fits = std::all_of(folders.cbegin(), folders.cend(),
                                          [&](const QString& f) { return pathParts.contains(f); });
            if (fits && static_cast<int>(folders.size()) > bestDepth &&
                (pattern == u"*" || !folders.isEmpty())) {
                best = &p;
                bestDepth = static_cast<int>(folders.size());
            }
        }
    }
    if (!best)
        return {};
    QString licence = QStringLiteral("licence ") + best->License;
    if (!best->Copyright.isEmpty())
        licence += QStringLiteral(", copyright ") + best->Copyright;
    return licence;
}

} // namespace

ThemeOrigin FindThemeOrigin(const QString& themeFolder, const PackageLookup& lookup) {
    QString path = QFileInfo(themeFolder).canonicalFilePath();
    if (path.isEmpty())
        path = QFileInfo(themeFolder).absoluteFilePath();
    const QString name = QFileInfo(path).fileName();
    QString package;
    QString creator = QStringLiteral("unknown");
    QString copyright;
    for (const Applet& applet : kApplets) {
        const QString marker = QString::fromUtf16(applet.Marker);
        if (path.endsWith(marker + u'/' + name)) {
            package = QString::fromUtf16(applet.Package);
            creator = QString::fromUtf16(applet.Creator);
            copyright = path.left(path.size() - marker.size() - name.size() - 1) +
                        QStringLiteral("/share/doc/") + package + QStringLiteral("/copyright");
        }
    }
    if (package.isEmpty() && lookup) {
        package = lookup(path);
        if (!package.isEmpty()) {
            creator = QStringLiteral("Debian package ") + package;
            copyright = QStringLiteral("/usr/share/doc/") + package + QStringLiteral("/copyright");
        }
    }
    QString comment = QStringLiteral("Imported from ") + path;
    if (!package.isEmpty())
        comment += QStringLiteral(" (Debian package ") + package + u')';
    QString licence;
    if (const auto text =
            copyright.isEmpty() ? std::nullopt : ReadRegularFile(copyright, 1024 * 1024)) {
        licence = LicenceFrom(*text, path.split(u'/', Qt::SkipEmptyParts));
        if (licence.isEmpty())
            licence = QStringLiteral("licence in ") + copyright;
        else
            licence += QStringLiteral(" (") + copyright + u')';
    }
    comment +=
        QStringLiteral(", ") + (licence.isEmpty() ? QStringLiteral("licence unknown") : licence);
    return {creator, comment};
}

} // namespace orbo
