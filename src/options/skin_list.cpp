// The skin list's contents: merging skins folders, sorting the names, finding an entry.
#include "skin_list.h"

#include "skin/skin_name.h"

#include <QtCore/QDir>
#include <QtCore/QFileInfo>

#include <algorithm>

namespace orbo {

namespace {

// Ignoring letter case first; names that differ only in case keep a fixed order between them.
bool SortsBefore(const QString& a, const QString& b) {
    const int folded = QString::compare(a, b, Qt::CaseInsensitive);
    return folded != 0 ? folded < 0 : QString::compare(a, b, Qt::CaseSensitive) < 0;
}

} // namespace

QStringList UnionOfSkinFolders(const QList<QStringList>& folders) {
    QStringList all;
    for (const QStringList& entries : folders) {
        const qsizetype earlier = all.size();
        for (const QString& name : entries) {
            const bool taken =
                std::any_of(all.cbegin(), all.cbegin() + earlier, [&](const QString& seen) {
                    return QString::compare(seen, name, Qt::CaseInsensitive) == 0;
                });
            if (!taken)
                all.append(name);
        }
    }
    return all;
}

QStringList AddSkinNames(QStringList list, const QStringList& folderEntries) {
    for (const QString& name : folderEntries) {
        if (!CanBeSkinName(name))
            continue;
        const auto at = std::upper_bound(list.begin(), list.end(), name, SortsBefore);
        list.insert(at, name);
    }
    list.prepend(kNoSkin);
    return list;
}

int FindListEntry(const QStringList& list, const QString& text) {
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (QString::compare(list[i], text, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

QString WatchedFolderFor(const QString& skinsFolder) {
    QString folder = QDir::cleanPath(QFileInfo(skinsFolder).absoluteFilePath());
    while (!QFileInfo(folder).isDir()) {
        const QString parent = QFileInfo(folder).path();
        if (parent == folder)
            break;
        folder = parent;
    }
    return folder;
}

} // namespace orbo
