// Skin activation: finding a skin folder, reading it over the built-in skin, fitting the window.
#include "activation.h"

#include "platform/system/files.h"
#include "runtime/surface.h"
#include "skin/mask_region.h"

#include <QtCore/QFileInfo>

#include <algorithm>

namespace orbo {

namespace {

bool IsBuiltInName(const QString& name) {
    return name.isEmpty() || name.toLower() == kNoSkin;
}

} // namespace

std::optional<QString> FindSkinFolder(const QStringList& skinsFolders, const QString& name) {
    for (const QString& skins : skinsFolders) {
        const auto found = FindEntry(skins, name);
        if (found && QFileInfo(*found).isDir())
            return found;
    }
    return std::nullopt;
}

std::optional<SkinReadResult> ReadSkinFolder(const QString& folder, const SkinTarget& target,
                                             CreatureWindow& window,
                                             const SkinLineObserver& observer) {
    auto read = ReadSkinFile(folder, target, observer);
    if (read && read->Background)
        window.SetPicture(*read->Background);
    return read;
}

qreal LargestScale(const Monitors& monitors) {
    qreal scale = 1;
    for (const Monitor& m : monitors)
        scale = std::max(scale, m.Ratio);
    return scale;
}

void FitWindowToBackground(CreatureWindow& window, const Desktop& desk, const Units& units) {
    const Picture back = window.Picture();
    // An empty picture cannot be measured: the window keeps its size.
    if (!back.IsEmpty()) {
        const float w = back.SizeInTwips(units).Width;
        if (window.Width() != w)
            window.SetWidth(w);
        const float h = back.SizeInTwips(units).Height;
        if (window.Height() != h)
            window.SetHeight(h);
        window.Canvas = window.Geometry.Pixels().size();
    }
    // At another size the window is the picture scaled by the display's edge rule.
    if (!back.IsEmpty() || window.Size != 1)
        window.Geometry.SetPixels(
            QRect(window.Geometry.Pixels().topLeft(),
                  DeviceRect(QRect(QPoint(), window.Canvas), window.Size).size()));
    // Pulled back where the right or bottom edge would stick out past the monitors the window is
    // on; then, if it shows on none at all, brought back.
    const Monitors monitors = desk.GetMonitors();
    const auto here = [&window] {
        return TwipsRect{window.Left(), window.Top(), window.Width(), window.Height()};
    };
    const float left = HorizontalSpan(monitors, here(), units).High - window.Width();
    if (left < window.Left())
        window.SetLeft(left);
    const float top = VerticalSpan(monitors, here(), units).High - window.Height();
    if (top < window.Top())
        window.SetTop(top);
    KeepOnMonitors(window, desk);
    window.SetWindowShape(BuildEmptyRegion());
    window.SetWindowShape(DeviceRegion(BuildMaskRegion(back, kMagenta, units), window.Size));
}

void KeepOnMonitors(CreatureWindow& window, const Desktop& desk) {
    const TwipsRect here{window.Left(), window.Top(), window.Width(), window.Height()};
    if (const auto back = BringBack(desk.GetMonitors(), here, window.ScaleUnits())) {
        window.SetLeft(static_cast<float>(back->x()));
        window.SetTop(static_cast<float>(back->y()));
    }
}

std::optional<SkinReadResult> ActivateSkinFolder(const SkinContext& context,
                                                 const std::optional<QString>& folder,
                                                 const SkinLineObserver& observer) {
    const Units units = context.Desk.ScreenUnits();
    ActivateDefSkin(context.Skin, context.Window, units, context.Pictures);
    std::optional<SkinReadResult> read;
    if (folder)
        read = ReadSkinFolder(
            *folder,
            SkinTarget{context.Skin, units,
                       LargestScale(context.Desk.GetMonitors()) * context.Window.Size},
            context.Window, observer);
    FitWindowToBackground(context.Window, context.Desk, units);
    return read;
}

bool ActivateSkin(const SkinContext& context, const QString& name) {
    if (context.SkinName.toLower() == name.toLower())
        return false;
    context.SkinName = name;
    ActivateSkinFolder(context, IsBuiltInName(name) ? std::nullopt
                                                    : FindSkinFolder(context.SkinsFolders, name));
    return true;
}

} // namespace orbo
