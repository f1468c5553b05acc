#include "skin/default_skin.h"

#include "platform/creature_window.h"
#include "skin_test_support.h"

#include <gtest/gtest.h>

namespace orbo {
namespace {

// The built-in eyes' boxes and pictures the reader's tests show, as the record every skin
// starts from; here what another skin left behind is cleared.
TEST(DefaultSkin, ReplacesWhatAnotherSkinLeftBehind) {
    const Units units{15, 15};
    const DefaultSkinPictures pictures = DefaultSkinPictures::Load();
    EXPECT_EQ(QSize(75, 100), pictures.imgDefSkin[0].Image().size());
    SkinDef skin;
    skin.Comment = QStringLiteral("left over");
    skin.ReDimEyes(7);
    skin.Eyes[0].Kind.Assign(u"rect");
    skin.Eyes[0].Frames = 3;
    FakeCreatureWindow window{units};
    ActivateDefSkin(skin, window, units, pictures);
    EXPECT_EQ("Ally McOrbo|Quillon|18/2/0|",
              skin.Name + u'|' + skin.Creator + u'|' + skin.Date + u'|' + skin.Comment);
    EXPECT_FALSE(skin.Email.isEmpty());
    EXPECT_FALSE(skin.HomePage.isEmpty());
    EXPECT_TRUE(window.Background.SameAs(pictures.imgDefSkin[0]));
    ASSERT_EQ(2, skin.EyesUBound());
    EXPECT_EQ(KindText(), skin.Eyes[0].Kind);
    EXPECT_EQ(0, skin.Eyes[0].Frames);
    EXPECT_TRUE(skin.Eyes[1].Pic.SameAs(pictures.imgDefSkin[1]));
    EXPECT_TRUE(skin.Eyes[2].Mask.SameAs(pictures.imgDefSkin[4]));
}

} // namespace
} // namespace orbo
