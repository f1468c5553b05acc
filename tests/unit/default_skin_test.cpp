#include "skin/default_skin.h"

#include "animation/tick.h"
#include "platform/creature_window.h"
#include "platform/desktop.h"
#include "platform/surface.h"

#include <gtest/gtest.h>

namespace orbo {
namespace {

const Units kUnits{15, 15};

class DefaultSkin : public testing::Test {
protected:
    void Activate() { ActivateDefSkin(skin, window, kUnits, *pictures); }

    // Decoded once for all the tests here.
    static const DefaultSkinPictures& Pictures() {
        static const DefaultSkinPictures loaded = DefaultSkinPictures::Load();
        return loaded;
    }

    const DefaultSkinPictures* pictures = &Pictures();
    SkinDef skin;
    FakeCreatureWindow window{kUnits};
};

TEST_F(DefaultSkin, PicturesHaveTheirSizes) {
    const QSize sizes[] = {{75, 100}, {17, 16}, {17, 16}, {7, 7}, {7, 7}};
    for (int i = 0; i < 5; ++i) {
        ASSERT_FALSE(pictures->imgDefSkin[i].IsEmpty()) << i;
        EXPECT_EQ(pictures->imgDefSkin[i].Image().size(), sizes[i]) << i;
    }
}

struct BoxRow {
    int Eye;
    float X;
    float Y;
    float Width;
    float Height;
    int Pic;
    int Mask;
};

class BuiltInEye : public DefaultSkin, public testing::WithParamInterface<BoxRow> {};

TEST_P(BuiltInEye, HasItsBoxInTwips) {
    Activate();
    const BoxRow& row = GetParam();
    ASSERT_EQ(skin.EyesUBound(), 2);
    const EyeDef& eye = skin.Eyes[static_cast<size_t>(row.Eye)];
    EXPECT_EQ(eye.Kind, KindText(u"auto  "));
    EXPECT_EQ(ClassifyKind(eye.Kind), EyeKind::Auto);
    EXPECT_EQ(eye.X, row.X);
    EXPECT_EQ(eye.Y, row.Y);
    EXPECT_EQ(eye.Width, row.Width);
    EXPECT_EQ(eye.Height, row.Height);
    EXPECT_EQ(eye.Frames, 0);
    EXPECT_TRUE(eye.Pic.SameAs(pictures->imgDefSkin[static_cast<size_t>(row.Pic)]));
    EXPECT_TRUE(eye.Mask.SameAs(pictures->imgDefSkin[static_cast<size_t>(row.Mask)]));
}

INSTANTIATE_TEST_SUITE_P(Eyes, BuiltInEye,
                         testing::Values(BoxRow{1, 150, 795, 480, 510, 1, 2},
                                         BoxRow{2, 645, 930, 330, 330, 3, 4}));

TEST_F(DefaultSkin, ElementZeroIsEmpty) {
    Activate();
    const EyeDef& zero = skin.Eyes[0];
    EXPECT_EQ(zero.Kind, KindText());
    EXPECT_EQ(ClassifyKind(zero.Kind), EyeKind::None);
    EXPECT_EQ(zero.X, 0);
    EXPECT_EQ(zero.Y, 0);
    EXPECT_EQ(zero.Width, 0);
    EXPECT_EQ(zero.Height, 0);
    EXPECT_TRUE(zero.Pic.IsEmpty());
    EXPECT_TRUE(zero.Mask.IsEmpty());
}

TEST_F(DefaultSkin, SetsInfoAndTheBackground) {
    Activate();
    EXPECT_EQ(skin.Name, QStringLiteral("Ally McOrbo"));
    EXPECT_EQ(skin.Date, QStringLiteral("18/2/0"));
    EXPECT_EQ(skin.Creator, QStringLiteral("Quillon"));
    EXPECT_EQ(skin.Comment, QString());
    EXPECT_FALSE(skin.Email.isEmpty());
    EXPECT_FALSE(skin.HomePage.isEmpty());
    EXPECT_TRUE(window.Background.SameAs(pictures->imgDefSkin[0]));
}

void ExpectSameEye(const EyeDef& a, const EyeDef& b, int index) {
    EXPECT_EQ(a.Kind, b.Kind) << index;
    EXPECT_EQ(a.X, b.X) << index;
    EXPECT_EQ(a.Y, b.Y) << index;
    EXPECT_EQ(a.Width, b.Width) << index;
    EXPECT_EQ(a.Height, b.Height) << index;
    EXPECT_EQ(a.Frames, b.Frames) << index;
    EXPECT_TRUE(a.Pic.SameAs(b.Pic)) << index;
    EXPECT_TRUE(a.Mask.SameAs(b.Mask)) << index;
}

TEST_F(DefaultSkin, TwiceGivesTheSameRecordWhateverCameBefore) {
    Activate();
    const SkinDef first = skin;
    // What another skin might have left behind.
    skin.Name = QStringLiteral("Other");
    skin.Comment = QStringLiteral("left over");
    skin.ReDimEyes(7);
    skin.Eyes[0].Kind.Assign(u"rect");
    skin.Eyes[1].Frames = 9;
    skin.Eyes[2].X = 1;
    skin.Eyes[5].Kind.Assign(u"frames");
    Activate();
    EXPECT_EQ(skin.Name, first.Name);
    EXPECT_EQ(skin.Email, first.Email);
    EXPECT_EQ(skin.HomePage, first.HomePage);
    EXPECT_EQ(skin.Creator, first.Creator);
    EXPECT_EQ(skin.Date, first.Date);
    EXPECT_EQ(skin.Comment, first.Comment);
    ASSERT_EQ(skin.EyesUBound(), 2);
    for (int i = 0; i <= 2; ++i)
        ExpectSameEye(skin.Eyes[static_cast<size_t>(i)], first.Eyes[static_cast<size_t>(i)], i);
}

// The built-in skin on a 1024 x 768 screen, the window at (512, 384) pixels. Eye 1's travel
// is 225 x 270 twips from (150, 795), its centre (7942.5, 6690) screen twips.
struct GazeRow {
    QPoint Cursor;
    QPoint Eye1; // where eye 1's picture goes, pixels
};

class BuiltInGaze : public DefaultSkin, public testing::WithParamInterface<GazeRow> {};

TEST_P(BuiltInGaze, EyesLookTowardTheCursor) {
    SkinDef skin;
    ActivateDefSkin(skin, window, kUnits, *pictures);
    ScriptedDesktop desktop;
    desktop.Screen = QSize(1024, 768);
    desktop.Cursor = GetParam().Cursor;
    Surface surface(kUnits);
    surface.SetBackground(QSize(75, 100), kMagenta, pictures->imgDefSkin[0]);
    RunTick(skin, false, desktop, 512 * 15, 384 * 15, surface);
    const auto& ops = surface.PendingOps();
    ASSERT_EQ(ops.size(), 4u);
    EXPECT_EQ(ops[0].Operation, RasterOp::And);
    EXPECT_EQ(ops[0].Picture, pictures->imgDefSkin[2].Identity());
    EXPECT_EQ(ops[1].Operation, RasterOp::Paint);
    EXPECT_EQ(ops[1].Picture, pictures->imgDefSkin[1].Identity());
    EXPECT_EQ(ops[0].Dest, QRect(GetParam().Eye1, QSize(17, 16)));
    EXPECT_EQ(ops[1].Dest, ops[0].Dest);
    EXPECT_EQ(ops[2].Picture, pictures->imgDefSkin[4].Identity());
    EXPECT_EQ(ops[3].Picture, pictures->imgDefSkin[3].Identity());
    EXPECT_EQ(ops[3].Dest.size(), QSize(7, 7));
    // Both pupils stay inside their eyeballs: eye 1 within columns 10-41, rows 53-86;
    // eye 2 within columns 43-64, rows 62-83.
    EXPECT_TRUE(QRect(10, 53, 32, 34).contains(ops[1].Dest));
    EXPECT_TRUE(QRect(43, 62, 22, 22).contains(ops[3].Dest));
}

INSTANTIATE_TEST_SUITE_P(
    Cursors, BuiltInGaze,
    testing::Values(
        // Level and to the left: 262.5 - 112.5 x (7942.5 / 15360) ^ 0.3 = 170.2 twips.
        GazeRow{{0, 446}, {11, 62}},
        // Level and to the right: 262.5 + 112.5 x (7402.5 / 15360) ^ 0.3 = 352.9 twips.
        GazeRow{{1023, 446}, {24, 62}}));

} // namespace
} // namespace orbo
