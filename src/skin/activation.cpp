#include "activation.h"

namespace orbo {

void ActivateSkin(const SkinContext& context, const QString& name) {
    mdlGeneral& general = context.General;
    if (general.SkinName.toLower() == name.toLower())
        return;
    general.SkinName = name;
    const Units units = context.Desk.ScreenUnits();
    ActivateDefSkin(general.SkinDef, context.Window, units, context.Pictures);
    CreatureWindow& window = context.Window;
    const Picture& back = window.Picture();
    window.SetWidth(units.ScaleX(back.WidthHimetric(), ScaleUnit::Himetric, ScaleUnit::Twips));
    window.SetHeight(units.ScaleY(back.HeightHimetric(), ScaleUnit::Himetric, ScaleUnit::Twips));
}

} // namespace orbo
