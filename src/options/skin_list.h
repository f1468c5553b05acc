// The skin list: the Skins page's list box, following the skins folders, and its contents'
// arithmetic (folder names merged, sorted and searched as the list box does).
#pragma once

#include <QtCore/QFileSystemWatcher>
#include <QtCore/QString>
#include <QtCore/QStringList>
#include <QtWidgets/QListWidget>

namespace orbo {

struct Choices;

// The Skins page's list box: "< none >" and every skin of the skins folders, sorted. Once filled
// it follows the folders while it exists, the active skin staying selected. An entry selected,
// by the user or as the active skin's when the list is filled, says which skin; focusing a list
// with none selected picks nothing.
class SkinList : public QListWidget {
    Q_OBJECT

public:
    SkinList(const Choices& general, QWidget* parent);

    // The folders' skins put among the entries, the active skin selected; from then on the list
    // follows the folders.
    void Fill();
    // The skins' names, as listed: kNoSkin for the built-in skin's entry.
    QStringList Names() const;
    // The selected entry's skin name; empty when none is selected.
    QString Selected() const;

Q_SIGNALS:
    void picked(const QString& name);

private:
    // The list anew from the folders, as they change; the active skin stays selected.
    void Refresh();
    QStringList FolderEntries() const;
    void Show(const QStringList& names);
    void Watch();

    const Choices& chosen_;
    QFileSystemWatcher watch_;
};

// The entries of several skins folders as one folder's: a name that an earlier folder already
// gave, ignoring letter case (as skins are looked for), is left out, since the earlier one is the
// skin that name loads.
QStringList UnionOfSkinFolders(const QList<QStringList>& folders);

// The list after Fill: every name of the folder's entries that can be a skin
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
