#include "options/skin_list.h"

#include "platform/files.h"
#include "skin/activation.h"

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
    EXPECT_EQ(AddSkinNames({}, entries),
              (QStringList{kNoSkin, "apple", "notes.txt", "PACK.ZIP", "Zed"}));
}

TEST(SkinList, AMissingFolderListsOnlyTheBuiltInSkin) {
    EXPECT_EQ(AddSkinNames({}, Dir(QStringLiteral("/nonexistent/orbo/Skins"))),
              QStringList{kNoSkin});
}

TEST(SkinList, NamesAreNeitherTrimmedNorDroppedForTheirCase) {
    EXPECT_EQ(AddSkinNames({}, {" b", "a ", "..", ".", "x.Zip", "y.zip", ".zipper", "B"}),
              (QStringList{kNoSkin, " b", ".zipper", "a ", "B", "x.Zip"}));
}

TEST(SkinList, TwoFoldersListEachNameOnceInOrder) {
    // The user's folder first: its "blobby" stands for the shipped "Blobby".
    const QStringList own{".", "..", "blobby", "Mine", "Mine"};
    const QStringList shipped{".", "..", "Blobby", "Zed", "mine"};
    EXPECT_EQ(AddSkinNames({}, UnionOfSkinFolders({own, shipped})),
              (QStringList{kNoSkin, "blobby", "Mine", "Mine", "Zed"}));
}

struct ListsRow {
    const char* name;
    bool listed;
};

class ListsAsSkinTest : public ::testing::TestWithParam<ListsRow> {};

TEST_P(ListsAsSkinTest, OnlyDotsAndLowerCaseZipsAreLeftOut) {
    EXPECT_EQ(ListsAsSkin(QString::fromUtf8(GetParam().name)), GetParam().listed);
}

INSTANTIATE_TEST_SUITE_P(Names, ListsAsSkinTest,
                         ::testing::Values(ListsRow{".", false}, ListsRow{"..", false},
                                           ListsRow{"pack.zip", false}, ListsRow{".zip", false},
                                           ListsRow{"PACK.ZIP", true}, ListsRow{"pack.zip ", true},
                                           ListsRow{"...", true}, ListsRow{"zip", true},
                                           ListsRow{"Zed", true}));

struct FindRow {
    const char* text;
    int index;
};

class FindListEntryTest : public ::testing::TestWithParam<FindRow> {};

TEST_P(FindListEntryTest, WholeTextIgnoringCase) {
    const QStringList list{kNoSkin, "apple", "notes.txt", "Zed"};
    EXPECT_EQ(FindListEntry(list, QString::fromUtf8(GetParam().text)), GetParam().index);
}

INSTANTIATE_TEST_SUITE_P(Texts, FindListEntryTest,
                         ::testing::Values(FindRow{"< none >", 0}, FindRow{"< NONE >", 0},
                                           FindRow{"zed", 3}, FindRow{"ZED", 3}, FindRow{"Ze", -1},
                                           FindRow{"Zed ", -1}, FindRow{"", -1},
                                           FindRow{"gone", -1}));

} // namespace
} // namespace orbo
