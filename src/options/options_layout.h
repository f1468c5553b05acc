// The options window's layout and texts: the menu column, page rectangles, About Skin text,
// credits, label breaks.
#pragma once

#include "runtime/units.h"
#include "skin/skin_def.h"

#include <QtCore/QString>

#include <array>

namespace orbo {

// A menu entry: the page it shows (as OptionsWindow numbers them), its caption, and where it sits
// in the menu column, in twips.
struct MenuEntry {
    int Page;
    const char* Caption;
    float Top;
    float Height;
};
inline constexpr float kMenuWidth = 615;
// The menu column, top to bottom.
inline constexpr std::array<MenuEntry, 4> kMenuEntries{
    {{0, QT_TRANSLATE_NOOP("orbo::OptionsWindow", "Skins"), 240, 255},
     {3, QT_TRANSLATE_NOOP("orbo::OptionsWindow", "Options"), 480, 255},
     {1, QT_TRANSLATE_NOOP("orbo::OptionsWindow", "About"), 720, 255},
     {2, QT_TRANSLATE_NOOP("orbo::OptionsWindow", " About Skin"), 960, 405}}};

// Margin between a page's edges and the control that fills it.
inline constexpr float kPageMargin = 80;

// Where Form_Resize puts every page: right of the menu column, as high as the window. A window
// narrower than the column (or minimised) gives a page of no width rather than a negative one.
TwipsRect PageRect(float scaleWidth, float scaleHeight, float menuWidth);

// The control that fills a page (skin list, About Skin label, grey Options panel): inset by
// kPageMargin on every side, never smaller than nothing.
TwipsRect PageFillRect(float pageScaleWidth, float pageScaleHeight);

// The About Skin page: "'Name' by Creator, Date", Email, HomePage and Comment, joined by a lone
// carriage return. Fields are used as they are, empty ones leave their place empty.
QString AboutSkinText(const SkinDef& skin);

// The six lines of credits of the About page, joined by a lone carriage return.
QString CreditsText(const QString& version);

// The version, copyright, no warranty and where the licence is, joined by a lone carriage return.
QString LicenceText(const QString& version);

// A caption as a label shows it: every CR LF, lone CR and lone LF is a line break.
QString LabelText(const QString& caption);

} // namespace orbo
