// The skin list: the list box following its folders; merging skins folders, sorting the names,
// finding an entry.
#include "skin_list.h"

#include "creature/choices.h"
#include "platform/system/files.h"
#include "skin/skin_name.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QDir>
#include <QtCore/QFileInfo>
#include <QtCore/QSignalBlocker>

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

SkinList::SkinList(const Choices& general, QWidget* parent)
    : QListWidget(parent), chosen_(general) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Selection, not the current item: focusing an empty-selection list must not pick a skin.
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        const QString name = Selected();
        if (!name.isEmpty())
            Q_EMIT picked(name);
    });
}

void SkinList::Fill() {
    const QStringList names = AddSkinNames(Names(), FolderEntries());
    Show(names);
    // Selecting the active skin picks it, which leaves the active skin alone.
    const int active = FindListEntry(names, chosen_.SkinName);
    if (active >= 0)
        setCurrentRow(active);
    Watch();
    connect(&watch_, &QFileSystemWatcher::directoryChanged, this, [this] { Refresh(); });
}

QStringList SkinList::Names() const {
    QStringList names;
    for (int i = 0; i < count(); ++i)
        names.append(item(i)->data(Qt::UserRole).toString());
    return names;
}

QString SkinList::Selected() const {
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? QString() : selected.front()->data(Qt::UserRole).toString();
}

void SkinList::Refresh() {
    Watch();
    const QStringList names = AddSkinNames({}, FolderEntries());
    if (names == Names())
        return;
    const QSignalBlocker quiet(this);
    Show(names);
    setCurrentRow(FindListEntry(names, chosen_.SkinName));
}

QStringList SkinList::FolderEntries() const {
    QList<QStringList> folders;
    for (const QString& folder : SkinsFolders())
        folders.append(Dir(folder));
    return UnionOfSkinFolders(folders);
}

void SkinList::Show(const QStringList& names) {
    const QSignalBlocker quiet(this);
    clear();
    // The built-in skin's entry shows in the user's language; the name it stands for stays.
    for (const QString& name : names) {
        const QString text =
            name == kNoSkin ? QCoreApplication::translate("orbo::OptionsWindow", "< none >") : name;
        auto* entry = new QListWidgetItem(text, this);
        entry->setData(Qt::UserRole, name);
    }
}

void SkinList::Watch() {
    // A folder made later (the user's own) is watched from the nearest one above until it is there.
    QStringList paths;
    for (const QString& folder : SkinsFolders())
        paths << WatchedFolderFor(folder);
    paths.removeDuplicates();
    const QStringList watched = watch_.directories();
    if (!watched.isEmpty())
        watch_.removePaths(watched);
    for (const QString& path : paths)
        if (QFileInfo(path).isDir())
            watch_.addPath(path);
}

} // namespace orbo
