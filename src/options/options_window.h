// OptionsWindow, the options window: menu column, skin list, speed slider, toggles, About pages.
#pragma once

#include "options/options_layout.h"
#include "options/speed_slider.h"
#include "runtime/units.h"

#include <QtCore/QPointer>
#include <QtGui/QPixmap>
#include <QtWidgets/QWidget>

#include <array>
#include <optional>

class QCheckBox;
class QLabel;

namespace orbo {

class ClickableLabel;
class Creature;
class ShapeBox;
class SkinList;
class SliderHandle;
struct Choices;

// The options window: a column of four menu entries beside four pages (the skin list, the speed
// slider and toggles, the logo and credits, the active skin's information). It is filled from the
// settings when it is made, and stays hidden until "&Options" shows it. Closing it through its
// frame or with Escape ends it: its owner makes a new one when "&Options" is next chosen. From the
// keyboard, Tab reaches the menu entries and then the page's controls, Space or Enter picks an
// entry, Ctrl+Tab and Ctrl+Page Down show the next page, Ctrl+Shift+Tab and Ctrl+Page Up the one
// before.
class OptionsWindow : public QWidget {
    Q_OBJECT

public:
    // The pages, as ShownPage tells them; the menu column lists Skins, Options, About, About Skin.
    static constexpr int kSkinsPage = 0;
    static constexpr int kAboutPage = 1;
    static constexpr int kAboutSkinPage = 2;
    static constexpr int kOptionsPage = 3;

    OptionsWindow(Creature& creature, const QWidget& creatureWidget);

    // Whether the user closed the window (hiding it keeps it).
    bool Closed() const { return closed_; }

    // "&Options" chosen: shown beside the creature, or hidden when shown.
    void ShowOrHide();

    // What the window shows: the page, the skin list's entries (kNoSkin for "< none >") and the
    // one selected (empty when none is), the number beside the slider and the slider's parts.
    int ShownPage() const;
    QStringList SkinListEntries() const;
    QString SelectedSkin() const;
    QString ShownSpeed() const;
    const SpeedSliderState& Slider() const { return slider_; }
    // The About Skin page's caption as set, line breaks still lone carriage returns.
    const QString& AboutSkinCaption() const { return aboutSkinCaption_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenuColumn();
    void BuildSkinsPage();
    void BuildOptionsPage();
    void BuildAboutPage();
    void BuildAboutSkinPage();
    void BuildKeyboard();
    void FillFromSettings();

    // Every page right of the menu column, as large as the window leaves it; a page whose size
    // changed fits its control to itself again.
    void PlacePages();
    void FitPage(int page);
    // The page's entry marked, the page shown; the About Skin text anew from the active skin.
    void ShowPage(int page);
    void StepPage(int step);
    void FocusPage(int page);
    void UseSkin(const QString& name);
    void ToggleCredits();
    // Shows or hides the version and licence notice.
    void ToggleLicence();
    void ApplyOnTop();
    void ApplyBlink();
    // Y in twips within the handle.
    void PressSliderHandle(Qt::MouseButton button, float y);
    void DragSliderHandle(float y);
    void ReleaseSliderHandle();
    // A key on the focused handle; returns whether it moved the slider.
    bool StepSlider(Qt::Key key);
    void SpeedMoved();
    void ShowSlider();
    void PlaceBesideCreature();
    // Stacks the shown window over its creature, in the creature's layer.
    void KeepAboveCreature();

    void Place(QWidget& control, const TwipsRect& twips);
    // Where a control is, in twips.
    TwipsRect TwipsOf(const QWidget& control) const;
    // A label's text; line breaks as a label shows them. The About Skin text keeps the size its
    // page gives it, the other labels size themselves to their text, keeping their place.
    void SetCaption(QLabel& label, const QString& caption);
    void SetAutoSizedCaption(QLabel& label, const QString& caption);

    Creature& creature_;
    const QWidget& creatureWidget_;
    Units units_;
    SpeedSliderLayout sliderLayout_;
    SpeedSliderState slider_;

    // The controls, by page; the entries and pages by page number.
    std::array<ClickableLabel*, 4> pageEntries_{};
    std::array<QWidget*, 4> pages_{};
    SkinList* skinList_ = nullptr;
    ClickableLabel* pilcrow_ = nullptr;
    QLabel* credits_ = nullptr;
    ShapeBox* creditsBox_ = nullptr;
    // The version and licence: a caption that shows or hides the notice over the logo.
    ClickableLabel* licenceCaption_ = nullptr;
    QLabel* licenceNotice_ = nullptr;
    QLabel* aboutSkinText_ = nullptr;
    ShapeBox* speedPanel_ = nullptr;
    // The tube above the handle, the handle, its pictures (idle, pressed) and the speed's number.
    QLabel* upperTube_ = nullptr;
    SliderHandle* speedHandle_ = nullptr;
    std::array<QPixmap, 2> handlePictures_;
    QLabel* speedNumber_ = nullptr;
    QCheckBox* onTopBox_ = nullptr;
    QCheckBox* blinkBox_ = nullptr;

    QString aboutSkinCaption_;
    // The creature's frame the window was last placed beside, and the window's own frame when
    // it was last hidden.
    std::optional<QRect> placedBeside_;
    std::optional<QMargins> frame_;
    QPointer<QWidget> focusWhenHidden_;
    bool closed_ = false;
    // The context of the controls' connections. Declared last, it ends first: a control that
    // signals while the window's children are destroyed reaches no handler here.
    QObject handlers_;
};

} // namespace orbo
