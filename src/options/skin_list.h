// The skin list's contents: folder names merged, sorted and searched as the list box does.
#pragma once

#include <QtCore/QString>
#include <QtCore/QStringList>

namespace orbo {

// The entries of several skins folders as one folder's: a name that an earlier folder already
// gave, ignoring letter case (as skins are looked for), is left out, since the earlier one is the
// skin that name loads.
QStringList UnionOfSkinFolders(const QList<QStringList>& folders);

// The list after AddSkinToList: every name of the folder's entries that can be a skin
// (CanBeSkinName) put into its sorted place among the entries already there (ignoring letter
// case, as the sorted list box orders them), then "< none >" at the top whatever the sorting.
QStringList AddSkinNames(QStringList list, const QStringList& folderEntries);

// The entry a text selects in the list: the first whose whole text equals it ignoring letter
// case, or -1 when none does.
int FindListEntry(const QStringList& list, const QString& text);

// The folder to watch for a skins folder: itself, or while it is missing the nearest folder
// above it that is there, however far up, so that making it (mkdir -p) is seen.
QString WatchedFolderFor(const QString& skinsFolder);

} // namespace orbo
