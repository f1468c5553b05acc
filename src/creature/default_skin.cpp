// The built-in skin's pictures loaded and its record filled: one background, two "auto" eyes.
#include "default_skin.h"

#include "resources/resources.h"

namespace orbo {

namespace {

void FillEye(EyeDef& eye, const Picture& pic, const Picture& mask, const Units& units, int y, int x,
             int width, int height) {
    eye.Kind.Assign(u"auto");
    eye.Pic = pic;
    eye.Mask = mask;
    eye.Y = units.ScaleY(y, ScaleUnit::Pixels, ScaleUnit::Twips);
    eye.X = units.ScaleX(x, ScaleUnit::Pixels, ScaleUnit::Twips);
    eye.Width = units.ScaleX(width, ScaleUnit::Pixels, ScaleUnit::Twips);
    eye.Height = units.ScaleY(height, ScaleUnit::Pixels, ScaleUnit::Twips);
}

} // namespace

DefaultSkinPictures DefaultSkinPictures::Load() {
    DefaultSkinPictures p;
    p.builtInSkin[0] = ResourcePicture(":/defskin0.bmp", PictureRole::Background);
    p.builtInSkin[1] = ResourcePicture(":/defskin1.bmp", PictureRole::Pic);
    p.builtInSkin[2] = ResourcePicture(":/defskin2.bmp", PictureRole::Mask);
    p.builtInSkin[3] = ResourcePicture(":/defskin3.bmp", PictureRole::Pic);
    p.builtInSkin[4] = ResourcePicture(":/defskin4.bmp", PictureRole::Mask);
    return p;
}

void ActivateDefSkin(SkinDef& skin, CreatureWindow& window, const Units& units,
                     const DefaultSkinPictures& pictures) {
    skin.Name = QStringLiteral("Ally McOrbo");
    skin.Date = QStringLiteral("18/2/0");
    skin.Creator = QStringLiteral("Quillon");
    skin.Email = kDefaultSkinEmail;
    skin.HomePage = kDefaultSkinHomePage;
    skin.Comment.clear();
    window.SetPicture(pictures.builtInSkin[0]);
    skin.RemakeEyes(2);
    FillEye(skin.Eyes[1], pictures.builtInSkin[1], pictures.builtInSkin[2], units, 53, 10, 32, 34);
    FillEye(skin.Eyes[2], pictures.builtInSkin[3], pictures.builtInSkin[4], units, 62, 43, 22, 22);
}

} // namespace orbo
