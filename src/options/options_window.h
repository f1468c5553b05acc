// OptionsWindow, the options window: menu column, skin list, speed slider, toggles, About pages.
#pragma once

#include "options/options_layout.h"
#include "options/skin_list.h"
#include "options/speed_slider.h"
#include "runtime/units.h"

#include <QtCore/QPointer>
#include <QtWidgets/QWidget>

#include <array>
#include <optional>

class QCheckBox;
class QLabel;

namespace orbo {

class Form1;
class ShapeBox;
struct mdlGeneral;

// The options window: a column of four menu entries beside four pages (the skin list, the speed
// slider and toggles, the logo and credits, the active skin's information). Creating it runs
// Form_Load; it stays hidden until "&Options" shows it. Closing it through its frame or with Escape
// ends it: its owner makes a new one when "&Options" is next chosen. From the keyboard, Tab reaches
// the menu entries and then the page's controls, Space or Enter picks an entry, Ctrl+Tab and
// Ctrl+Page Down show the next page, Ctrl+Shift+Tab and Ctrl+Page Up the one before.
class OptionsWindow : public QWidget {
    Q_OBJECT

public:
    OptionsWindow(const mdlGeneral& general, Form1& form1);

    // Whether the user closed the window (hiding it keeps it).
    bool Closed() const { return closed_; }

    // "&Options" chosen: shown beside the creature, or hidden when shown.
    void mnuOptions_Click();

    void Form_Resize();
    void picMenu_Resize(int index);
    void lblMenu_Click(int index);
    void lblAbout_Click(int index);
    // Shows or hides the version and licence notice.
    void lblLicence_Click();
    void lstSkins_Click(const QString& name);
    void chkOnTop_Click();
    void chkBlink_Click();
    // Y in twips within the handle.
    void imgSpeed_MouseDown(Qt::MouseButton button, float y);
    void imgSpeed_MouseMove(float y);
    void imgSpeed_MouseUp();
    // A key on the focused handle; returns whether it moved the slider.
    bool imgSpeed_KeyDown(Qt::Key key);

    // Controls, by their form names. Menu entry i shows page i.
    std::array<QLabel*, 4> lblMenu{};
    std::array<QWidget*, 4> picMenu{};
    SkinList* lstSkins = nullptr;
    QLabel* lblAboutSkin = nullptr;
    QLabel* imgAboutLogo = nullptr;
    QLabel* lblAbout = nullptr;
    QLabel* lblAboutInfo = nullptr;
    // The version and licence: a caption that shows or hides the notice over the logo.
    QLabel* lblLicence = nullptr;
    QLabel* lblLicenceInfo = nullptr;
    ShapeBox* shpAboutTextBack = nullptr;
    ShapeBox* shpSpeed = nullptr;
    ShapeBox* shpSpeedBack = nullptr;
    std::array<QLabel*, 2> imgSpeedBack{};
    std::array<QLabel*, 2> imgSpeedBulb{};
    std::array<QLabel*, 2> lblSpeedHelp{};
    QLabel* imgSpeed = nullptr;
    QCheckBox* chkOnTop = nullptr;
    QCheckBox* chkBlink = nullptr;

    // The captions as set, line breaks still lone carriage returns.
    const QString& AboutSkinCaption() const { return aboutSkinCaption_; }
    const QString& AboutInfoCaption() const { return aboutInfoCaption_; }
    const SpeedSliderState& Slider() const { return slider_; }
    // Where a control is, in twips.
    TwipsRect TwipsOf(const QWidget& control) const;

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
    void Form_Load();
    // Stacks the shown window over its creature, in the creature's layer.
    void KeepAboveCreature();

    void Place(QWidget& control, const TwipsRect& twips);
    // A label's text; line breaks as a label shows them. The About Skin text keeps the size its
    // page gives it, the other labels size themselves to their text, keeping their place.
    void SetCaption(QLabel& label, const QString& caption);
    void SetAutoSizedCaption(QLabel& label, const QString& caption);
    void ShowSlider();
    void SpeedMoved();
    void StepPage(int step);
    void FocusPage(int index);
    void PlaceBesideCreature();

    const mdlGeneral& general_;
    Form1& form1_;
    Units units_;
    SpeedSliderLayout sliderLayout_;
    SpeedSliderState slider_;
    QString aboutSkinCaption_;
    QString aboutInfoCaption_;
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
