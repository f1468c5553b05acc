// Skin activation: size, shape, pull-back onto the monitors, names and skins folders.
#include "creature/activation.h"
#include "platform/system/files.h"
#include "scripted_desktop.h"

#include "skin_pictures.h"

#include <QtCore/QTemporaryDir>

#include <gtest/gtest.h>

namespace orbo {
namespace {

using testing::BuiltInPictures;
using testing::SamePixels;
using testing::SolidImage;
using testing::WriteBmp;
using testing::WriteBytes;

const QRgb kM = qRgb(255, 0, 255);

class ActivationTest : public ::testing::Test {
protected:
    // A skin of the given background and further Skin.ini lines in the shipped Skins folder.
    void MakeSkin(const QString& folder, const QImage& back, const QByteArray& more = {}) {
        const QString root = app_.path() + "/Skins/" + folder;
        ASSERT_TRUE(WriteBmp(root, "back.bmp", back));
        ASSERT_TRUE(WriteBytes(root, "Skin.ini", "[setting]\nback=back.bmp\n" + more));
    }

    void Activate(const QString& name) {
        ActivateSkin(SkinContext{skin_, skinName_, window_, desk_, BuiltInPictures(),
                                 SkinsFolders(app_.path(), user_)},
                     name);
    }

    QRect Pixels() const { return window_.Geometry.Pixels(); }

    QTemporaryDir app_;
    QString user_; // the user's own skins folder, none unless a test sets one
    SkinDef skin_;
    QString skinName_;
    CreatureWindow window_;
    ScriptedDesktop desk_;
};

TEST_F(ActivationTest, WindowTakesTheBackgroundsSizeAndShape) {
    QImage holed = SolidImage(200, 50, Qt::blue);
    holed.setPixel(4, 4, kM);
    MakeSkin("Holed", holed);
    Activate("Holed");
    EXPECT_EQ(QSize(200, 50), Pixels().size());
    EXPECT_TRUE(SamePixels(QRegion(0, 0, 200, 50).subtracted(QRegion(4, 4, 1, 1)), window_.Region));
    // A line failing after the background keeps it.
    MakeSkin("Half", SolidImage(40, 30, Qt::blue), "[eye1]\npic=gone.bmp");
    Activate("Half");
    EXPECT_EQ(QSize(40, 30), Pixels().size());
    // At another size each picture pixel covers the window pixels between its scaled edges.
    const struct {
        qreal Size;
        QSize Shown;
        QRect Hole;
    } sizes[] = {{2, {400, 100}, {8, 8, 2, 2}}, {0.5, {100, 25}, {2, 2, 1, 1}}};
    for (const auto& row : sizes) {
        SCOPED_TRACE(row.Size);
        window_.Size = row.Size;
        skinName_.clear();
        Activate("Holed");
        EXPECT_EQ(row.Shown, Pixels().size());
        EXPECT_TRUE(
            SamePixels(QRegion(QRect(QPoint(), row.Shown)).subtracted(row.Hole), window_.Region));
    }
}

// Only the right and bottom edges are pulled back, to those of the monitors the window is on; a
// window on no monitor at all comes back onto the nearest one, whole.
TEST_F(ActivationTest, EdgesArePulledBackAndNothingIsLeftOffEveryMonitor) {
    const QRect primary(0, 0, 1280, 1024);
    const struct {
        const char* Name;
        QSize Screen;
        std::vector<QRect> Monitors; // the primary first; Screen alone when empty
        QPoint Before;
        QPoint After;
        qreal Size = 1; // the picture shown this many times as large, and the window's size
        QSize Shown = {75, 100};
    } rows[] = {
        {"OnePixelOutRight", {1024, 768}, {}, {950, 10}, {949, 10}},
        {"OnePixelOutBottom", {1024, 768}, {}, {10, 669}, {10, 668}},
        {"LeftAndTopOutStay", {1024, 768}, {}, {-20, -30}, {-20, -30}},
        {"WiderThanTheScreen", {50, 60}, {}, {0, 0}, {-25, -40}},
        {"OffTheLeftComesBack", {1024, 768}, {}, {-1000, 10}, {0, 10}},
        {"AboveComesBack", {1024, 768}, {}, {-10, -2000}, {0, 0}},
        {"FarBelowRightComesBack", {1024, 768}, {}, {5000, 5000}, {949, 668}},
        {"RightMonitorsRightEdge", {}, {primary, {1280, 0, 1280, 1024}}, {2500, 10}, {2485, 10}},
        {"AcrossTheSeamStays", {}, {primary, {1280, 0, 1280, 1024}}, {1250, 10}, {1250, 10}},
        {"PrimaryOnTheRight", {}, {{1280, 0, 1280, 1024}, {0, 0, 1280, 1024}}, {10, 10}, {10, 10}},
        {"LeftOfThePrimaryIsAPlace", {}, {primary, {-1280, 0, 1280, 1024}}, {-600, 10}, {-600, 10}},
        {"ShorterMonitorsBottom", {}, {primary, {1280, 0, 1024, 768}}, {2000, 700}, {2000, 668}},
        {"OnAMonitorThatIsGone", {}, {primary}, {1900, 300}, {1205, 300}},
        {"OneAndAHalfOnTheEdges", {1024, 768}, {}, {949, 668}, {911, 618}, 1.5, {113, 150}},
        {"TripleSizeFarOffComesBack", {1024, 768}, {}, {5000, 5000}, {799, 468}, 3, {225, 300}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        skinName_ = "other";
        desk_.Screen = row.Screen;
        desk_.MonitorList.clear();
        for (const QRect& m : row.Monitors)
            desk_.MonitorList.push_back({m, 1});
        window_.Geometry.SetPixels(QRect(row.Before, QSize(10, 10)));
        window_.Size = row.Size;
        Activate(kNoSkin);
        EXPECT_EQ(QRect(row.After, row.Shown), Pixels());
    }
}

TEST_F(ActivationTest, BuiltInNamesNeverTouchTheDisk) {
    // Folders that would be read if these names were looked up.
    MakeSkin("< none >", SolidImage(40, 30, Qt::blue), "[info]\nname=From disk");
    MakeSkin("< NONE >", SolidImage(40, 30, Qt::blue), "[info]\nname=From disk");
    for (const char* name : {"< none >", "< NONE >", ""}) {
        SCOPED_TRACE(name);
        skinName_ = "Something";
        Activate(name);
        EXPECT_EQ(name, skinName_);
        EXPECT_EQ("Ally McOrbo", skin_.Name);
        EXPECT_EQ(QSize(75, 100), Pixels().size());
    }
}

// Shipped skins: Both, Shipped, File; the user's: Both (as "BOTH"), Own, and a plain file "File".
// Folders are found in any letter case and the name is kept as asked.
TEST_F(ActivationTest, TheUsersOwnSkinWinsOnANameInBoth) {
    QTemporaryDir home;
    user_ = home.path() + "/orbo/Skins";
    const QByteArray ini = "[info]\nname=";
    for (const char* name : {"Both", "Shipped", "File"})
        ASSERT_TRUE(WriteBytes(app_.path() + "/Skins/" + name, "Skin.ini", ini + "shipped"));
    for (const char* name : {"BOTH", "Own"})
        ASSERT_TRUE(WriteBytes(user_ + "/" + name, "Skin.ini", ini + "own"));
    ASSERT_TRUE(WriteBytes(user_, "File", "not a skin"));
    const std::pair<const char*, const char*> rows[] = {
        {"Both", "own"}, {"Shipped", "shipped"}, {"own", "own"}, {"File", "shipped"}};
    for (const auto& [ask, shown] : rows) {
        Activate(ask);
        EXPECT_EQ(shown, skin_.Name) << ask;
        EXPECT_EQ(ask, skinName_);
    }
}

// A folder missing or outside the Skins folders: the built-in skin, under the name asked.
TEST_F(ActivationTest, MissingOrOutsideFolderKeepsTheBuiltInSkin) {
    ASSERT_TRUE(WriteBytes(app_.path(), "Skin.ini", "[info]\nname=Evil"));
    ASSERT_TRUE(WriteBytes(app_.path(), "evil/Skin.ini", "[info]\nname=Evil"));
    for (const char* name : {"Nowhere", "../evil", "..", "../Skins/.."}) {
        SCOPED_TRACE(name);
        Activate(name);
        EXPECT_EQ(name, skinName_);
        EXPECT_EQ("Ally McOrbo", skin_.Name);
        EXPECT_TRUE(
            SamePixels(BuildMaskRegion(BuiltInPictures().imgDefSkin[0], kMagenta), window_.Region));
    }
}

// Nothing another skin set is left behind, not even in element 0, which is never drawn.
TEST_F(ActivationTest, EveryActivationStartsFromTheBuiltInSkin) {
    MakeSkin("A", SolidImage(40, 30, Qt::blue),
             "eyes=5\n[info]\nname=A\ncomment=c\n[eye0]\ntype=rect\nframes=3");
    ASSERT_TRUE(WriteBytes(app_.path() + "/Skins/B", "Skin.ini", "[info]\ncreator=B"));
    Activate("A");
    ASSERT_EQ(5, skin_.EyesUBound());
    ASSERT_EQ(3, skin_.Eyes[0].Frames);
    Activate("B");
    EXPECT_EQ("Ally McOrbo|B|18/2/0|",
              skin_.Name + u'|' + skin_.Creator + u'|' + skin_.Date + u'|' + skin_.Comment);
    ASSERT_EQ(2, skin_.EyesUBound());
    EXPECT_EQ(KindText(), skin_.Eyes[0].Kind);
    EXPECT_EQ(0, skin_.Eyes[0].Frames);
    EXPECT_TRUE(skin_.Eyes[1].Pic.SameAs(BuiltInPictures().imgDefSkin[1]));
    EXPECT_TRUE(skin_.Eyes[2].Mask.SameAs(BuiltInPictures().imgDefSkin[4]));
    EXPECT_TRUE(window_.Background.SameAs(BuiltInPictures().imgDefSkin[0]));
}

} // namespace
} // namespace orbo
