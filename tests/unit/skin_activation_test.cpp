#include "platform/files.h"
#include "skin/activation.h"

#include "skin_test_support.h"

#include <QtCore/QTemporaryDir>

#include <gtest/gtest.h>

namespace orbo {
namespace {

using testing::SamePixels;
using testing::SolidImage;
using testing::WriteBmp;
using testing::WriteBytes;

const QRgb kM = qRgb(255, 0, 255);

class ActivationTest : public ::testing::Test {
protected:
    static const DefaultSkinPictures& Pictures() {
        static const DefaultSkinPictures pictures = DefaultSkinPictures::Load();
        return pictures;
    }

    // A skin folder with a background of the given picture and any further Skin.ini lines.
    void MakeSkin(const QString& folder, const QImage& back, const QByteArray& more = {}) {
        const QString root = app_.path() + "/Skins/" + folder;
        ASSERT_TRUE(WriteBmp(root, "back.bmp", back));
        ASSERT_TRUE(WriteBytes(root, "Skin.ini", "[setting]\nback=back.bmp\n" + more));
    }

    void Activate(const QString& name) {
        ActivateSkin(SkinContext{skin_, skinName_, window_, desk_, Pictures(),
                                 SkinsFolders(app_.path(), user_)},
                     name);
    }

    QRect Pixels() const { return window_.Geometry.Pixels(); }

    QTemporaryDir app_;
    QString user_; // the user's own skins folder, none unless a test sets one
    SkinDef skin_;
    QString skinName_;
    FakeCreatureWindow window_;
    ScriptedDesktop desk_;
};

TEST_F(ActivationTest, BuiltInSkinGivesA75By100WindowWhateverTheSizeBefore) {
    for (const QSize before : {QSize(0, 0), QSize(10, 10), QSize(300, 200), QSize(75, 100)}) {
        skinName_ = "other";
        window_.Geometry.SetPixels(QRect(QPoint(5, 6), before));
        Activate(kNoSkin);
        EXPECT_EQ(Pixels(), QRect(5, 6, 75, 100)) << before.width();
    }
}

TEST_F(ActivationTest, NamedSkinTakesItsBackgroundsSize) {
    MakeSkin("Wide", SolidImage(200, 50, Qt::blue));
    window_.Geometry.SetPixels(QRect(0, 0, 75, 100));
    Activate("Wide");
    EXPECT_EQ(Pixels().size(), QSize(200, 50));
    EXPECT_TRUE(SamePixels(window_.Region, QRegion(0, 0, 200, 50)));
}

struct PullBackRow {
    const char* Name;
    QSize Screen;
    QPoint Before;
    QPoint After;
};

class PullBack : public ActivationTest, public ::testing::WithParamInterface<PullBackRow> {};

TEST_P(PullBack, OnlyRightAndBottomEdgesArePulledBack) {
    const PullBackRow& row = GetParam();
    desk_.Screen = row.Screen;
    window_.Geometry.SetPixels(QRect(row.Before, QSize(10, 10)));
    Activate(kNoSkin);
    EXPECT_EQ(Pixels(), QRect(row.After, QSize(75, 100)));
}

const PullBackRow kPullBackRows[] = {
    {"Inside", {1024, 768}, {100, 100}, {100, 100}},
    {"RightAndBottomOut", {1024, 768}, {1000, 700}, {949, 668}},
    {"EdgesExactlyOnScreen", {1024, 768}, {949, 668}, {949, 668}},
    {"LeftAndTopOutStay", {1024, 768}, {-20, -30}, {-20, -30}},
    {"RightOutOnly", {1024, 768}, {990, 10}, {949, 10}},
    {"WiderThanTheScreen", {50, 60}, {0, 0}, {-25, -40}},
};

INSTANTIATE_TEST_SUITE_P(Edges, PullBack, ::testing::ValuesIn(kPullBackRows),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(ActivationTest, SameNameInAnyCaseDoesNothingEvenAfterTheFilesChanged) {
    MakeSkin("Blue", SolidImage(40, 30, Qt::blue), "[info]\nname=Blue one");
    Activate("Blue");
    ASSERT_EQ(skin_.Name, "Blue one");
    const int regions = window_.RegionsSet;
    const QRect geometry = Pixels();
    MakeSkin("Blue", SolidImage(60, 60, Qt::red), "[info]\nname=Changed");
    for (const char* again : {"Blue", "BLUE", "blue"}) {
        Activate(again);
        EXPECT_EQ(skinName_, "Blue");
        EXPECT_EQ(skin_.Name, "Blue one");
        EXPECT_EQ(window_.RegionsSet, regions);
        EXPECT_EQ(Pixels(), geometry);
    }
}

TEST_F(ActivationTest, BuiltInNamesNeverTouchTheDisk) {
    // Folders that would be read if these names were looked up.
    MakeSkin("< none >", SolidImage(40, 30, Qt::blue), "[info]\nname=From disk");
    MakeSkin("< NONE >", SolidImage(40, 30, Qt::blue), "[info]\nname=From disk");
    for (const char* name : {"< none >", "< NONE >", "< None >", ""}) {
        skinName_ = "Something";
        Activate(name);
        EXPECT_EQ(skinName_, name);
        EXPECT_EQ(skin_.Name, "Ally McOrbo") << name;
        EXPECT_TRUE(window_.Background.SameAs(Pictures().imgDefSkin[0]));
        EXPECT_EQ(Pixels().size(), QSize(75, 100));
    }
}

TEST_F(ActivationTest, FirstRequestForTheEmptyNameIsTheNoOp) {
    Activate("");
    EXPECT_EQ(window_.RegionsSet, 0);
    EXPECT_TRUE(skin_.Eyes.empty());
}

TEST_F(ActivationTest, MissingFolderKeepsTheBuiltInSkinUnderTheRequestedName) {
    Activate("Nowhere");
    EXPECT_EQ(skinName_, "Nowhere");
    EXPECT_EQ(skin_.Name, "Ally McOrbo");
    EXPECT_EQ(skin_.EyesUBound(), 2);
    EXPECT_EQ(Pixels().size(), QSize(75, 100));
    EXPECT_TRUE(SamePixels(window_.Region, BuildMaskRegion(Pictures().imgDefSkin[0], kMagenta)));
}

struct TwoFoldersRow {
    const char* Name;
    const char* Ask;
    const char* Shown; // the info name shown
};

void PrintTo(const TwoFoldersRow& row, std::ostream* os) {
    *os << row.Name;
}

class TwoFolders : public ActivationTest, public ::testing::WithParamInterface<TwoFoldersRow> {};

// Shipped skins: Both, Shipped, File; the user's: Both (as "BOTH"), Own, and a plain file "File".
TEST_P(TwoFolders, TheUsersOwnSkinWinsOnANameInBoth) {
    const TwoFoldersRow& row = GetParam();
    QTemporaryDir home;
    user_ = home.path() + "/orbo/Skins";
    const QByteArray back = "[setting]\nback=back.bmp\n[info]\nname=";
    for (const char* name : {"Both", "Shipped", "File"}) {
        ASSERT_TRUE(
            WriteBmp(app_.path() + "/Skins/" + name, "back.bmp", SolidImage(4, 4, Qt::red)));
        ASSERT_TRUE(WriteBytes(app_.path() + "/Skins/" + name, "Skin.ini", back + "shipped"));
    }
    for (const char* name : {"BOTH", "Own"}) {
        ASSERT_TRUE(WriteBmp(user_ + "/" + name, "back.bmp", SolidImage(4, 4, Qt::red)));
        ASSERT_TRUE(WriteBytes(user_ + "/" + name, "Skin.ini", back + "own"));
    }
    ASSERT_TRUE(WriteBytes(user_, "File", "not a skin"));
    Activate(row.Ask);
    EXPECT_EQ(skin_.Name, row.Shown);
}

INSTANTIATE_TEST_SUITE_P(Names, TwoFolders,
                         ::testing::Values(TwoFoldersRow{"InBoth", "Both", "own"},
                                           TwoFoldersRow{"OnlyShipped", "Shipped", "shipped"},
                                           TwoFoldersRow{"OnlyOwn", "own", "own"},
                                           TwoFoldersRow{"OwnIsAPlainFile", "File", "shipped"},
                                           TwoFoldersRow{"Neither", "Gone", "Ally McOrbo"}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(ActivationTest, NameLeadingOutOfTheSkinsFolderIsNotRead) {
    ASSERT_TRUE(WriteBytes(app_.path(), "evil/Skin.ini", "[info]\nname=Evil"));
    Activate("../evil");
    EXPECT_EQ(skinName_, "../evil");
    EXPECT_EQ(skin_.Name, "Ally McOrbo");
}

TEST_F(ActivationTest, FolderIsFoundInAnyLetterCaseAndTheNameKeptAsPassed) {
    MakeSkin("blue", SolidImage(40, 30, Qt::blue), "[info]\nname=Found");
    Activate("BLUE");
    EXPECT_EQ(skinName_, "BLUE");
    EXPECT_EQ(skin_.Name, "Found");
    EXPECT_EQ(Pixels().size(), QSize(40, 30));
}

TEST_F(ActivationTest, InfoOnlySkinShowsTheBuiltInPicturesUnderItsName) {
    ASSERT_TRUE(
        WriteBytes(app_.path() + "/Skins/Texts", "Skin.ini", "[info]\nname=Texts\ncreator=Me"));
    Activate("Texts");
    EXPECT_EQ(skin_.Name, "Texts");
    EXPECT_EQ(skin_.Creator, "Me");
    EXPECT_EQ(skin_.Date, "18/2/0");
    EXPECT_TRUE(window_.Background.SameAs(Pictures().imgDefSkin[0]));
    ASSERT_EQ(skin_.EyesUBound(), 2);
    EXPECT_TRUE(skin_.Eyes[1].Pic.SameAs(Pictures().imgDefSkin[1]));
}

TEST_F(ActivationTest, EveryActivationStartsFromTheBuiltInSkin) {
    MakeSkin("A", SolidImage(40, 30, Qt::blue), "eyes=5\n[info]\nname=A\ncomment=c");
    ASSERT_TRUE(WriteBytes(app_.path() + "/Skins/B", "Skin.ini", "[info]\ncreator=B"));
    Activate("A");
    ASSERT_EQ(skin_.EyesUBound(), 5);
    Activate("B");
    EXPECT_EQ(skin_.Name, "Ally McOrbo");
    EXPECT_EQ(skin_.Comment, "");
    EXPECT_EQ(skin_.EyesUBound(), 2);
    EXPECT_EQ(Pixels().size(), QSize(75, 100));
}

TEST_F(ActivationTest, AllMagentaBackgroundGivesAnEmptyShape) {
    MakeSkin("Ghost", SolidImage(30, 20, kM));
    Activate("Ghost");
    EXPECT_EQ(Pixels().size(), QSize(30, 20));
    EXPECT_EQ(window_.RegionsSet, 2); // the empty shape first, then the mask
    EXPECT_TRUE(window_.Region.isEmpty());
}

TEST_F(ActivationTest, BackgroundWithoutMagentaGivesTheFullRectangle) {
    MakeSkin("Box", SolidImage(33, 21, qRgb(254, 0, 255)));
    Activate("Box");
    EXPECT_TRUE(SamePixels(window_.Region, QRegion(0, 0, 33, 21)));
}

TEST_F(ActivationTest, ShapeHasTheBackgroundsHoles) {
    QImage back = SolidImage(10, 10, Qt::blue);
    back.setPixel(4, 4, kM);
    MakeSkin("Holed", back);
    Activate("Holed");
    EXPECT_TRUE(SamePixels(window_.Region, QRegion(0, 0, 10, 10).subtracted(QRegion(4, 4, 1, 1))));
}

TEST_F(ActivationTest, FailingLineKeepsEverythingBeforeIt) {
    MakeSkin("Half", SolidImage(40, 30, Qt::blue),
             "[info]\nname=Half\n[eye1]\npic=gone.bmp\n"
             "[info]\ncreator=Never");
    Activate("Half");
    EXPECT_EQ(skin_.Name, "Half");
    EXPECT_EQ(skin_.Creator, "Quillon");
    EXPECT_EQ(Pixels().size(), QSize(40, 30));
}

} // namespace
} // namespace orbo
