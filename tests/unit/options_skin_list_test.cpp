// The skin list's names: which are listed, in what order, and which entry a name selects.
#include "options/skin_list.h"

#include "platform/system/files.h"
#include "skin/skin_name.h"

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QTemporaryDir>

#include <gtest/gtest.h>

namespace orbo {
namespace {

TEST(SkinList, FillsFromAFolderSortedIgnoringCaseWithoutLowerCaseZips) {
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    QDir dir(root.path());
    ASSERT_TRUE(dir.mkdir(QStringLiteral("Zed")));
    ASSERT_TRUE(dir.mkdir(QStringLiteral("apple")));
    for (const char* name : {"pack.zip", "PACK.ZIP", "notes.txt"}) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    const QStringList entries = Dir(root.path());
    ASSERT_TRUE(entries.contains(QStringLiteral(".")));
    EXPECT_EQ((QStringList{kNoSkin, "apple", "notes.txt", "PACK.ZIP", "Zed"}),
              AddSkinNames({}, entries));
}

// Kept apart from the test above, which cannot run where names ignore letter case.
TEST(SkinList, AMissingFolderListsOnlyTheBuiltInSkin) {
    EXPECT_EQ(QStringList{kNoSkin},
              AddSkinNames({}, Dir(QStringLiteral("/nonexistent/orbo/Skins"))));
}

TEST(SkinList, NamesAreNeitherTrimmedNorDroppedForTheirCase) {
    // Only dots and lower-case zips are left out.
    EXPECT_EQ((QStringList{kNoSkin, " b", "...", ".zipper", "a ", "B", "x.Zip", "y.zip "}),
              AddSkinNames({}, {" b", "a ", "..", ".", "...", "x.Zip", "y.zip", ".zip", "y.zip ",
                                ".zipper", "B"}));
}

TEST(SkinList, TwoFoldersListEachNameOnceInOrder) {
    // The user's folder first: its "blobby" stands for the shipped "Blobby".
    const QStringList own{".", "..", "blobby", "Mine", "Mine"};
    const QStringList shipped{".", "..", "Blobby", "Zed", "mine"};
    EXPECT_EQ((QStringList{kNoSkin, "blobby", "Mine", "Mine", "Zed"}),
              AddSkinNames({}, UnionOfSkinFolders({own, shipped})));
}

TEST(SkinList, FindsTheWholeTextIgnoringCase) {
    const QStringList list{kNoSkin, "apple", "notes.txt", "Zed"};
    const std::pair<const char*, int> rows[] = {{"< NONE >", 0}, {"zed", 3},   {"Zed", 3},
                                                {"Ze", -1},      {"Zed ", -1}, {"", -1}};
    for (const auto& [text, index] : rows)
        EXPECT_EQ(index, FindListEntry(list, QString::fromUtf8(text))) << text;
}

} // namespace
} // namespace orbo
