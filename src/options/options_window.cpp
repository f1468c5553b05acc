// OptionsWindow, the options window: its controls, pages, slider and handlers.
#include "options_window.h"

#include "creature/mdl_general.h"
#include "main/form1.h"
#include "options/clickable_label.h"
#include "options/colors_and_fonts.h"
#include "options/options_place.h"
#include "options/shape_box.h"
#include "options/skin_list.h"
#include "platform/desktop/desktop.h"
#include "platform/window/native_window.h"
#include "platform/window/window_frame.h"
#include "platform/window/work_area.h"
#include "resources/resources.h"

#include <QtGui/QKeyEvent>
#include <QtGui/QMouseEvent>
#include <QtGui/QPixmap>
#include <QtGui/QResizeEvent>
#include <QtGui/QShortcut>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QLabel>

#include <algorithm>

namespace orbo {

namespace {

// Which menu entry sits where, top to bottom: index, caption, top, height (twips).
struct MenuEntry {
    int Index;
    const char* Caption;
    float Top;
    float Height;
};
constexpr float kMenuWidth = 615;
constexpr std::array<MenuEntry, 4> kMenuEntries{
    {{0, QT_TRANSLATE_NOOP("orbo::OptionsWindow", "Skins"), 240, 255},
     {3, QT_TRANSLATE_NOOP("orbo::OptionsWindow", "Options"), 480, 255},
     {1, QT_TRANSLATE_NOOP("orbo::OptionsWindow", "About"), 720, 255},
     {2, QT_TRANSLATE_NOOP("orbo::OptionsWindow", " About Skin"), 960, 405}}};

constexpr int kSkinsPage = 0;
constexpr int kAboutPage = 1;
constexpr int kAboutSkinPage = 2;
constexpr int kOptionsPage = 3;

} // namespace

OptionsWindow::OptionsWindow(const mdlGeneral& general, Form1& form1)
    // A fixed design: the frame offers no maximise button.
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint),
      general_(general), form1_(form1), units_(form1.ScaleUnits()) {
    setWindowTitle(tr("Orbo - Options"));
    setWindowIcon(AppIcon());

    // Pages first so that the menu column's labels and the pages never overlap in stacking.
    for (std::size_t i = 0; i < picMenu.size(); ++i) {
        picMenu[i] = new QWidget(this);
        SetColors(*picMenu[i], OleColor(kPageColor, palette()), palette().color(QPalette::Text));
        picMenu[i]->setVisible(i == kSkinsPage);
    }
    BuildMenuColumn();
    BuildSkinsPage();
    BuildAboutPage();
    BuildAboutSkinPage();
    BuildOptionsPage();
    BuildKeyboard();

    setFixedSize(units_.PixelsX(4590).value_or(0), units_.PixelsY(1545).value_or(0));
    Form_Resize();
    for (int i = 0; i < int(picMenu.size()); ++i)
        picMenu_Resize(i);
    Form_Load();
}

void OptionsWindow::BuildMenuColumn() {
    for (const MenuEntry& entry : kMenuEntries) {
        auto* label = new ClickableLabel(tr(entry.Caption), this);
        label->setFont(Font("Arial", 8.25));
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setWordWrap(true);
        Place(*label, {0, entry.Top, kMenuWidth, entry.Height});
        // At design time "Skins" is bold, on the page colour rather than the selected one.
        if (entry.Index == kSkinsPage) {
            SetColors(*label, OleColor(kPageColor, palette()), OleColor(kSelectedFore, palette()));
            SetBold(*label, true);
        } else {
            SetColors(*label, OleColor(kButtonFace, palette()), OleColor(kButtonText, palette()));
        }
        connect(label, &ClickableLabel::clicked, &handlers_,
                [this, page = entry.Index] { lblMenu_Click(page); });
        lblMenu[std::size_t(entry.Index)] = label;
    }
}

void OptionsWindow::BuildSkinsPage() {
    lstSkins = new SkinList(general_, picMenu[kSkinsPage]);
    connect(lstSkins, &SkinList::picked, &handlers_,
            [this](const QString& name) { lstSkins_Click(name); });
}

void OptionsWindow::BuildAboutPage() {
    QWidget* page = picMenu[kAboutPage];
    // Created bottom first: logo, pilcrow, credits box, credits text.
    imgAboutLogo = new QLabel(page);
    imgAboutLogo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    imgAboutLogo->setPixmap(
        QPixmap::fromImage(ResourcePicture(":/options_logo.bmp", PictureRole::Background).Image()));
    Place(*imgAboutLogo, {80, 80, 3810, 1380});

    auto* pilcrow = new ClickableLabel(QStringLiteral("\u00B6"), page);
    connect(pilcrow, &ClickableLabel::clicked, &handlers_, [this] { lblAbout_Click(0); });
    lblAbout = pilcrow;
    lblAbout->setFont(Font("Times New Roman", 11.25));
    SetTextColor(*lblAbout, OleColor(kPageColor, palette()));
    lblAbout->setToolTip(tr("Click Me"));
    Place(*lblAbout, {140, 1160, 105, 255});
    SetAutoSizedCaption(*lblAbout, lblAbout->text());

    shpAboutTextBack =
        new ShapeBox(OleColor(kMagentaBox, palette()), OleColor(kMagentaBox, palette()), page);
    Place(*shpAboutTextBack, {720, 120, 2535, 1095});
    shpAboutTextBack->setVisible(false);

    lblAboutInfo = new QLabel(page);
    lblAboutInfo->setFont(Font("Arial", 8.25));
    lblAboutInfo->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    SetTextColor(*lblAboutInfo, Qt::black);
    Place(*lblAboutInfo, {1560, 140, 810, 210});
    lblAboutInfo->setVisible(false);

    // On the pilcrow's line, in the About Skin text's colours: the version, and the way to the
    // licence notice.
    auto* licence =
        new ClickableLabel(tr("Orbo %1 · Licence").arg(QStringLiteral(ORBO_VERSION)), page);
    connect(licence, &ClickableLabel::clicked, &handlers_, [this] { lblLicence_Click(); });
    lblLicence = licence;
    lblLicence->setFont(Font("Arial", 8.25));
    SetColors(*lblLicence, OleColor(kPageColor, palette()), OleColor(kSelectedFore, palette()));
    lblLicence->setToolTip(tr("Version, copyright and licence"));
    SetAutoSizedCaption(*lblLicence, lblLicence->text());
    // Its right edge on the logo's, on the pilcrow's line.
    const TwipsRect logo = TwipsOf(*imgAboutLogo);
    const float width = TwipsOf(*lblLicence).Width;
    Place(*lblLicence, {logo.Left + logo.Width - width - 60, 1180, width, 210});

    // Over the logo in the credits' own look, large enough for its lines.
    lblLicenceInfo = new QLabel(page);
    lblLicenceInfo->setFont(Font("Arial", 8.25));
    lblLicenceInfo->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    SetColors(*lblLicenceInfo, OleColor(kMagentaBox, palette()), Qt::black);
    lblLicenceInfo->setText(LabelText(LicenceText(QStringLiteral(ORBO_VERSION))));
    lblLicenceInfo->adjustSize();
    lblLicenceInfo->setVisible(false);
}

void OptionsWindow::BuildAboutSkinPage() {
    lblAboutSkin = new QLabel(tr("About Skin"), picMenu[kAboutSkinPage]);
    lblAboutSkin->setFont(Font("Times New Roman", 9));
    lblAboutSkin->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblAboutSkin->setWordWrap(true);
    SetColors(*lblAboutSkin, OleColor(kPageColor, palette()), OleColor(kSelectedFore, palette()));
}

void OptionsWindow::BuildOptionsPage() {
    QWidget* page = picMenu[kOptionsPage];
    const QColor darkGrey = OleColor(kDarkGrey, palette());
    const SpeedSliderLayout& s = sliderLayout_;

    // Created bottom first: panel, hidden track, whole tube, upper tube, handle, labels, boxes.
    shpSpeed = new ShapeBox(OleColor(kPanelGrey, palette()), darkGrey, page);
    shpSpeedBack = new ShapeBox(darkGrey, darkGrey, page);
    Place(*shpSpeedBack, {s.HandleLeft, s.TrackTop, s.HandleWidth, s.TrackHeight});
    shpSpeedBack->setVisible(false);

    const QPixmap tube =
        QPixmap::fromImage(ResourcePicture(":/speed_tube.bmp", PictureRole::Background).Image());
    for (QLabel*& back : imgSpeedBack) {
        back = new QLabel(page);
        back->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        back->setPixmap(tube);
    }
    Place(*imgSpeedBack[0], {s.HandleLeft, s.TubeTop, s.HandleWidth, s.TubeHeight});

    constexpr std::array<const char*, 2> kBulbs{":/speed_bulb0.bmp", ":/speed_bulb1.bmp"};
    constexpr std::array<float, 2> kBulbLefts{840, 600};
    for (std::size_t i = 0; i < imgSpeedBulb.size(); ++i) {
        imgSpeedBulb[i] = new QLabel(page);
        imgSpeedBulb[i]->setPixmap(
            QPixmap::fromImage(ResourcePicture(kBulbs[i], PictureRole::Background).Image()));
        Place(*imgSpeedBulb[i], {kBulbLefts[i], 120, 255, 255});
        imgSpeedBulb[i]->setVisible(false);
    }

    // Clicked or tabbed to, the handle takes the keys that move it.
    auto* handle = new SliderHandle(page);
    connect(handle, &SliderHandle::pressed, &handlers_, [this](Qt::MouseButton button, qreal y) {
        imgSpeed_MouseDown(button, units_.ScaleY(y, ScaleUnit::Pixels, ScaleUnit::Twips));
    });
    connect(handle, &SliderHandle::moved, &handlers_, [this](qreal y) {
        imgSpeed_MouseMove(units_.ScaleY(y, ScaleUnit::Pixels, ScaleUnit::Twips));
    });
    connect(handle, &SliderHandle::released, &handlers_, [this] { imgSpeed_MouseUp(); });
    connect(handle, &SliderHandle::keyPressed, &handlers_,
            [this](QKeyEvent* key) { key->setAccepted(imgSpeed_KeyDown(Qt::Key(key->key()))); });
    imgSpeed = handle;
    imgSpeed->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Place(*imgSpeed, {s.HandleLeft, s.TubeTop, s.HandleWidth, s.HandleHeight});

    lblSpeedHelp[1] = new QLabel(QStringLiteral("00"), page);
    lblSpeedHelp[1]->setFont(Font("Times New Roman", 9, true));
    lblSpeedHelp[1]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Place(*lblSpeedHelp[1], {705, 770, 180, 225});
    lblSpeedHelp[0] = new QLabel(tr("Speed"), page);
    lblSpeedHelp[0]->setFont(Font("Times New Roman", 8.25));
    Place(*lblSpeedHelp[0], {600, 600, 390, 210});
    for (QLabel* label : lblSpeedHelp) {
        SetTextColor(*label, darkGrey);
        SetAutoSizedCaption(*label, label->text());
    }

    chkOnTop = new QCheckBox(tr("Always On Top"), page);
    SetColors(*chkOnTop, OleColor(kPanelGrey, palette()), palette().color(QPalette::WindowText));
    Place(*chkOnTop, {1200, 240, 1455, 195});
    chkBlink = new QCheckBox(tr("Allow Blink"), page);
    SetColors(*chkBlink, OleColor(kButtonFace, palette()), palette().color(QPalette::WindowText));
    Place(*chkBlink, {1200, 480, 1095, 195});
    for (QCheckBox* box : {chkOnTop, chkBlink})
        box->setFont(Font("Arial", 8.25));
    // Both run whenever the value changes, by the user or by Form_Load.
    connect(chkOnTop, &QCheckBox::toggled, &handlers_, [this] { chkOnTop_Click(); });
    connect(chkBlink, &QCheckBox::toggled, &handlers_, [this] { chkBlink_Click(); });
}

void OptionsWindow::BuildKeyboard() {
    // Tab runs down the menu column as it is shown, then through the page's controls, left to
    // right; the controls of hidden pages are passed over.
    QWidget* previous = nullptr;
    const auto chain = [&previous](QWidget* next) {
        if (previous)
            setTabOrder(previous, next);
        previous = next;
    };
    for (const MenuEntry& entry : kMenuEntries)
        chain(lblMenu[std::size_t(entry.Index)]);
    for (QWidget* control : {static_cast<QWidget*>(lstSkins), static_cast<QWidget*>(imgSpeed),
                             static_cast<QWidget*>(chkOnTop), static_cast<QWidget*>(chkBlink),
                             static_cast<QWidget*>(lblAbout), static_cast<QWidget*>(lblLicence)})
        chain(control);
    // Shortcuts, not key handlers: the skin list would take Ctrl+Page Down as a move of its own.
    const std::array<std::pair<QList<QKeySequence>, int>, 2> steps{
        {{{QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)}, 1},
         {{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
           QKeySequence(Qt::CTRL | Qt::Key_PageUp)},
          -1}}};
    for (const auto& [keys, step] : steps) {
        auto* shortcut = new QShortcut(this);
        shortcut->setKeys(keys);
        connect(shortcut, &QShortcut::activated, &handlers_,
                [this, step = step] { StepPage(step); });
    }
    // The window opens with the focus in its page, as before any key is pressed.
    lstSkins->setFocus();
}

void OptionsWindow::Form_Load() {
    lstSkins->Fill();
    aboutInfoCaption_ = CreditsText(QStringLiteral(ORBO_VERSION));
    SetAutoSizedCaption(*lblAboutInfo, aboutInfoCaption_);
    PlaceSlider(slider_, sliderLayout_, general_.Speed);
    ShowSlider();
    chkOnTop->setCheckState(general_.OnTop ? Qt::Checked : Qt::Unchecked);
    chkBlink->setCheckState(general_.Blink ? Qt::Checked : Qt::Unchecked);
}

void OptionsWindow::lstSkins_Click(const QString& name) {
    form1_.ActivateSkin(name);
    // A larger creature would grow over the window beside it.
    if (isVisible()) {
        PlaceBesideCreature();
        KeepAboveCreature();
    }
}

void OptionsWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

void OptionsWindow::closeEvent(QCloseEvent* event) {
    closed_ = true;
    QWidget::closeEvent(event);
}

void OptionsWindow::keyPressEvent(QKeyEvent* event) {
    // Escape does what the frame's close button does.
    if (event->matches(QKeySequence::Cancel)) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void OptionsWindow::Form_Resize() {
    const float scaleWidth = units_.ScaleX(width(), ScaleUnit::Pixels, ScaleUnit::Twips);
    const float scaleHeight = units_.ScaleY(height(), ScaleUnit::Pixels, ScaleUnit::Twips);
    const TwipsRect page = PageRect(scaleWidth, scaleHeight, TwipsOf(*lblMenu[0]).Width);
    for (int i = 0; i < int(picMenu.size()); ++i) {
        const QSize before = picMenu[std::size_t(i)]->size();
        Place(*picMenu[std::size_t(i)], page);
        if (picMenu[std::size_t(i)]->size() != before)
            picMenu_Resize(i);
    }
}

void OptionsWindow::picMenu_Resize(int index) {
    QWidget* fitted = nullptr;
    switch (index) {
    case kSkinsPage:
        fitted = lstSkins;
        break;
    case kAboutSkinPage:
        fitted = lblAboutSkin;
        break;
    case kOptionsPage:
        fitted = shpSpeed;
        break;
    default:
        return;
    }
    const QWidget& page = *picMenu[std::size_t(index)];
    Place(*fitted, PageFillRect(units_.ScaleX(page.width(), ScaleUnit::Pixels, ScaleUnit::Twips),
                                units_.ScaleY(page.height(), ScaleUnit::Pixels, ScaleUnit::Twips)));
}

void OptionsWindow::lblMenu_Click(int index) {
    // Focus inside a page that is about to hide goes to the page shown, not round the window.
    QWidget* focus = focusWidget();
    const bool focusLeaves =
        focus && !picMenu[std::size_t(index)]->isAncestorOf(focus) &&
        std::any_of(picMenu.begin(), picMenu.end(),
                    [focus](const QWidget* page) { return page->isAncestorOf(focus); });
    for (std::uint8_t i = 0; i < lblMenu.size(); ++i) {
        QLabel& entry = *lblMenu[i];
        if (i == index)
            SetColors(entry, OleColor(kSelectedBack, palette()),
                      OleColor(kSelectedFore, palette()));
        else
            SetColors(entry, OleColor(kButtonFace, palette()), OleColor(kButtonText, palette()));
        picMenu[i]->setVisible(i == index);
        SetBold(entry, i == index);
    }
    if (index == kAboutSkinPage) {
        aboutSkinCaption_ = AboutSkinText(general_.SkinDef);
        SetCaption(*lblAboutSkin, aboutSkinCaption_);
        picMenu_Resize(kAboutSkinPage);
    }
    if (focusLeaves)
        FocusPage(index);
}

void OptionsWindow::StepPage(int step) {
    const auto shown = std::find_if(kMenuEntries.begin(), kMenuEntries.end(), [this](auto& entry) {
        return !picMenu[std::size_t(entry.Index)]->isHidden();
    });
    const auto count = std::ptrdiff_t(kMenuEntries.size());
    const int index =
        kMenuEntries[std::size_t((shown - kMenuEntries.begin() + step + count) % count)].Index;
    const bool onEntry = std::find(lblMenu.begin(), lblMenu.end(), focusWidget()) != lblMenu.end();
    // Switched from the keyboard, the window shows where the focus is, as after Tab.
    setAttribute(Qt::WA_KeyboardFocusChange);
    lblMenu_Click(index);
    if (onEntry)
        lblMenu[std::size_t(index)]->setFocus(Qt::ShortcutFocusReason);
}

void OptionsWindow::FocusPage(int index) {
    const QWidget* page = picMenu[std::size_t(index)];
    for (QWidget* w = nextInFocusChain(); w != this; w = w->nextInFocusChain()) {
        if (page->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(page)) {
            w->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    lblMenu[std::size_t(index)]->setFocus(Qt::OtherFocusReason);
}

void OptionsWindow::lblAbout_Click(int) {
    const bool show = lblAboutInfo->isHidden();
    lblAboutInfo->setVisible(show);
    shpAboutTextBack->setVisible(!lblAboutInfo->isHidden());
    if (!shpAboutTextBack->isHidden())
        Place(*shpAboutTextBack, TwipsOf(*lblAboutInfo));
}

void OptionsWindow::lblLicence_Click() {
    QWidget* page = picMenu[kAboutPage];
    // Whole on the page whatever font the system gives: wrapped to the page's width when wider,
    // and smaller until it fits.
    const QSize room = page->size() - QSize(4, 4);
    QFont font = lblLicenceInfo->font();
    for (qreal points = 8.25; points >= 5; points -= 0.75) {
        font.setPointSizeF(points);
        lblLicenceInfo->setFont(font);
        lblLicenceInfo->setWordWrap(false);
        QSize size = lblLicenceInfo->sizeHint();
        if (size.width() > room.width()) {
            lblLicenceInfo->setWordWrap(true);
            size = QSize(room.width(), lblLicenceInfo->heightForWidth(room.width()));
        }
        lblLicenceInfo->resize(size);
        if (size.height() <= room.height())
            break;
    }
    lblLicenceInfo->move(std::max(0, (page->width() - lblLicenceInfo->width()) / 2),
                         std::max(0, (page->height() - lblLicenceInfo->height()) / 2));
    lblLicenceInfo->setVisible(lblLicenceInfo->isHidden());
    lblLicenceInfo->raise();
}

void OptionsWindow::chkOnTop_Click() {
    form1_.SetOnTop(chkOnTop->checkState() == Qt::Checked);
    if (isVisible())
        KeepAboveCreature();
}

void OptionsWindow::chkBlink_Click() {
    form1_.SetBlink(chkBlink->checkState() == Qt::Checked);
}

void OptionsWindow::imgSpeed_MouseDown(Qt::MouseButton button, float y) {
    SliderMouseDown(slider_, ButtonCode(button), y);
    ShowSlider();
}

void OptionsWindow::imgSpeed_MouseMove(float y) {
    if (SliderMouseMove(slider_, sliderLayout_, y))
        SpeedMoved();
}

bool OptionsWindow::imgSpeed_KeyDown(Qt::Key key) {
    if (!SliderKeyDown(slider_, sliderLayout_, key))
        return false;
    SpeedMoved();
    return true;
}

// A drag or a key moved the handle: the number, the upper tube and the creature's timer follow.
void OptionsWindow::SpeedMoved() {
    ShowSlider();
    form1_.SetSpeed(slider_.Speed);
}

void OptionsWindow::imgSpeed_MouseUp() {
    SliderMouseUp(slider_);
    ShowSlider();
}

void OptionsWindow::ShowSlider() {
    const SpeedSliderLayout& s = sliderLayout_;
    Place(*imgSpeed, {s.HandleLeft, slider_.HandleTop, s.HandleWidth, s.HandleHeight});
    Place(*imgSpeedBack[1], {s.HandleLeft, s.TubeTop, s.HandleWidth, slider_.UpperTubeHeight});
    SetAutoSizedCaption(*lblSpeedHelp[1], QString::number(slider_.Speed));
    imgSpeed->setPixmap(imgSpeedBulb[slider_.Pressed ? 1 : 0]->pixmap());
}

void OptionsWindow::mnuOptions_Click() {
    if (isVisible()) {
        // Only while the window is shown does every window system know its frame.
        frame_ = FrameMargins(*this);
        focusWhenHidden_ = focusWidget();
        hide();
    } else {
        PlaceBesideCreature();
        show();
        KeepAboveCreature();
        // A window manager may activate the hidden window, and Qt then gives the focus to the
        // first control it finds; the user comes back to the control they left.
        if (focusWhenHidden_)
            focusWhenHidden_->setFocus(Qt::ActiveWindowFocusReason);
    }
}

void OptionsWindow::PlaceBesideCreature() {
    const QRect creature = form1_.frameGeometry();
    // Shown again beside a creature that stayed put, the window is where the user or the window
    // manager left it; after the creature moved or changed its skin it goes beside it anew.
    if (placedBeside_ == creature)
        return;
    placedBeside_ = creature;
    const QMargins frame = frame_ ? *frame_ : FrameMargins(*this);
    MoveFrame(*this, OptionsWindowPlace(creature, size().grownBy(frame), WorkAreaFor(creature)),
              frame);
}

// A window manager keeps a window in the layer above all others over every window of the
// ordinary layer, this one too, so while the creature is there the window joins it; within a
// layer, and with no window manager at all, the window raised last is on top. Putting the
// creature on top raises it.
void OptionsWindow::KeepAboveCreature() {
    SetWindowOrder(*this, general_.OnTop);
    raise();
}

void OptionsWindow::Place(QWidget& control, const TwipsRect& twips) {
    const int left = units_.PixelsX(twips.Left).value_or(0);
    const int top = units_.PixelsY(twips.Top).value_or(0);
    const int width = std::max(0, units_.PixelsX(twips.Width).value_or(0));
    const int height = std::max(0, units_.PixelsY(twips.Height).value_or(0));
    control.setGeometry(left, top, width, height);
}

void OptionsWindow::SetCaption(QLabel& label, const QString& caption) {
    label.setText(LabelText(caption));
}

void OptionsWindow::SetAutoSizedCaption(QLabel& label, const QString& caption) {
    SetCaption(label, caption);
    const QPoint at = label.pos();
    label.adjustSize();
    label.move(at);
}

TwipsRect OptionsWindow::TwipsOf(const QWidget& control) const {
    const QRect r = control.geometry();
    return {units_.ScaleX(r.x(), ScaleUnit::Pixels, ScaleUnit::Twips),
            units_.ScaleY(r.y(), ScaleUnit::Pixels, ScaleUnit::Twips),
            units_.ScaleX(r.width(), ScaleUnit::Pixels, ScaleUnit::Twips),
            units_.ScaleY(r.height(), ScaleUnit::Pixels, ScaleUnit::Twips)};
}

} // namespace orbo
