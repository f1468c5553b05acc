#include "skin/default_skin.h"

#include "platform/creature_window.h"
#include "skin_test_support.h"

#include <gtest/gtest.h>

namespace orbo {
namespace {

const Units kUnits{15, 15};

TEST(DefaultSkin, PicturesInfoAndEyeBoxes) {
    const DefaultSkinPictures pictures = DefaultSkinPictures::Load();
    const QSize sizes[] = {{75, 100}, {17, 16}, {17, 16}, {7, 7}, {7, 7}};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(sizes[i], pictures.imgDefSkin[i].Image().size()) << "picture " << i;

    SkinDef skin;
    // What another skin might have left behind.
    skin.Comment = QStringLiteral("left over");
    skin.ReDimEyes(7);
    skin.Eyes[0].Kind.Assign(u"rect");
    FakeCreatureWindow window{kUnits};
    ActivateDefSkin(skin, window, kUnits, pictures);
    EXPECT_EQ("Ally McOrbo|Quillon|18/2/0|",
              skin.Name + u'|' + skin.Creator + u'|' + skin.Date + u'|' + skin.Comment);
    EXPECT_FALSE(skin.Email.isEmpty());
    EXPECT_FALSE(skin.HomePage.isEmpty());
    EXPECT_TRUE(window.Background.SameAs(pictures.imgDefSkin[0]));

    // Element 0 is empty; eyes 1 and 2 are auto eyes with their boxes in twips.
    struct Box {
        KindText Kind;
        float X, Y, Width, Height;
        int Pic, Mask; // pictures, -1 for none
    };
    const Box boxes[] = {{KindText(), 0, 0, 0, 0, -1, -1},
                         {KindText(u"auto"), 150, 795, 480, 510, 1, 2},
                         {KindText(u"auto"), 645, 930, 330, 330, 3, 4}};
    ASSERT_EQ(2, skin.EyesUBound());
    for (int i = 0; i <= 2; ++i) {
        SCOPED_TRACE(i);
        const Box& box = boxes[i];
        const EyeDef& eye = skin.Eyes[static_cast<size_t>(i)];
        EXPECT_EQ(box.Kind, eye.Kind);
        const auto text = [](float x, float y, float w, float h) {
            return QStringLiteral("%1,%2 %3x%4").arg(x).arg(y).arg(w).arg(h);
        };
        EXPECT_EQ(text(box.X, box.Y, box.Width, box.Height),
                  text(eye.X, eye.Y, eye.Width, eye.Height));
        EXPECT_EQ(0, eye.Frames);
        const auto picture = [&](int n) { return n < 0 ? Picture() : pictures.imgDefSkin[n]; };
        EXPECT_TRUE(eye.Pic.SameAs(picture(box.Pic)));
        EXPECT_TRUE(eye.Mask.SameAs(picture(box.Mask)));
    }
}

} // namespace
} // namespace orbo
