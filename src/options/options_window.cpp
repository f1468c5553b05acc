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
#include <QtGui/QPixmap>
#include <QtGui/QResizeEvent>
#include <QtGui/QShortcut>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QLabel>

#include <algorithm>

namespace orbo {

namespace {

// Which menu entry sits where, top to bottom: its page, caption, top, height (twips).
struct MenuEntry {
    int Page;
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
    for (std::size_t i = 0; i < pages_.size(); ++i) {
        pages_[i] = new QWidget(this);
        SetColors(*pages_[i], OleColor(kPageColor, palette()), palette().color(QPalette::Text));
        pages_[i]->setVisible(i == kSkinsPage);
    }
    BuildMenuColumn();
    BuildSkinsPage();
    BuildAboutPage();
    BuildAboutSkinPage();
    BuildOptionsPage();
    BuildKeyboard();

    setFixedSize(units_.PixelsX(4590).value_or(0), units_.PixelsY(1545).value_or(0));
    PlacePages();
    for (int i = 0; i < int(pages_.size()); ++i)
        FitPage(i);
    FillFromSettings();
}

void OptionsWindow::BuildMenuColumn() {
    for (const MenuEntry& entry : kMenuEntries) {
        auto* label = new ClickableLabel(tr(entry.Caption), this);
        label->setFont(Font("Arial", 8.25));
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setWordWrap(true);
        Place(*label, {0, entry.Top, kMenuWidth, entry.Height});
        // At design time "Skins" is bold, on the page colour rather than the selected one.
        if (entry.Page == kSkinsPage) {
            SetColors(*label, OleColor(kPageColor, palette()), OleColor(kSelectedFore, palette()));
            SetBold(*label, true);
        } else {
            SetColors(*label, OleColor(kButtonFace, palette()), OleColor(kButtonText, palette()));
        }
        connect(label, &ClickableLabel::clicked, &handlers_,
                [this, page = entry.Page] { ShowPage(page); });
        pageEntries_[std::size_t(entry.Page)] = label;
    }
}

void OptionsWindow::BuildSkinsPage() {
    skinList_ = new SkinList(general_, pages_[kSkinsPage]);
    connect(skinList_, &SkinList::picked, &handlers_,
            [this](const QString& name) { UseSkin(name); });
}

void OptionsWindow::BuildAboutPage() {
    QWidget* page = pages_[kAboutPage];
    // Created bottom first: logo, pilcrow, credits box, credits text.
    auto* logo = new QLabel(page);
    logo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    logo->setPixmap(
        QPixmap::fromImage(ResourcePicture(":/options_logo.bmp", PictureRole::Background).Image()));
    Place(*logo, {80, 80, 3810, 1380});

    pilcrow_ = new ClickableLabel(QStringLiteral("\u00B6"), page);
    connect(pilcrow_, &ClickableLabel::clicked, &handlers_, [this] { ToggleCredits(); });
    pilcrow_->setFont(Font("Times New Roman", 11.25));
    SetTextColor(*pilcrow_, OleColor(kPageColor, palette()));
    pilcrow_->setToolTip(tr("Click Me"));
    Place(*pilcrow_, {140, 1160, 105, 255});
    SetAutoSizedCaption(*pilcrow_, pilcrow_->text());

    creditsBox_ =
        new ShapeBox(OleColor(kMagentaBox, palette()), OleColor(kMagentaBox, palette()), page);
    Place(*creditsBox_, {720, 120, 2535, 1095});
    creditsBox_->setVisible(false);

    credits_ = new QLabel(page);
    credits_->setFont(Font("Arial", 8.25));
    credits_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    SetTextColor(*credits_, Qt::black);
    Place(*credits_, {1560, 140, 810, 210});
    credits_->setVisible(false);

    // On the pilcrow's line, in the About Skin text's colours: the version, and the way to the
    // licence notice.
    licenceCaption_ =
        new ClickableLabel(tr("Orbo %1 · Licence").arg(QStringLiteral(ORBO_VERSION)), page);
    connect(licenceCaption_, &ClickableLabel::clicked, &handlers_, [this] { ToggleLicence(); });
    licenceCaption_->setFont(Font("Arial", 8.25));
    SetColors(*licenceCaption_, OleColor(kPageColor, palette()),
              OleColor(kSelectedFore, palette()));
    licenceCaption_->setToolTip(tr("Version, copyright and licence"));
    SetAutoSizedCaption(*licenceCaption_, licenceCaption_->text());
    // Its right edge on the logo's, on the pilcrow's line.
    const TwipsRect logoAt = TwipsOf(*logo);
    const float width = TwipsOf(*licenceCaption_).Width;
    Place(*licenceCaption_, {logoAt.Left + logoAt.Width - width - 60, 1180, width, 210});

    // Over the logo in the credits' own look, large enough for its lines.
    licenceNotice_ = new QLabel(page);
    licenceNotice_->setFont(Font("Arial", 8.25));
    licenceNotice_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    SetColors(*licenceNotice_, OleColor(kMagentaBox, palette()), Qt::black);
    licenceNotice_->setText(LabelText(LicenceText(QStringLiteral(ORBO_VERSION))));
    licenceNotice_->adjustSize();
    licenceNotice_->setVisible(false);
}

void OptionsWindow::BuildAboutSkinPage() {
    aboutSkinText_ = new QLabel(tr("About Skin"), pages_[kAboutSkinPage]);
    aboutSkinText_->setFont(Font("Times New Roman", 9));
    aboutSkinText_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    aboutSkinText_->setWordWrap(true);
    SetColors(*aboutSkinText_, OleColor(kPageColor, palette()), OleColor(kSelectedFore, palette()));
}

void OptionsWindow::BuildOptionsPage() {
    QWidget* page = pages_[kOptionsPage];
    const QColor darkGrey = OleColor(kDarkGrey, palette());
    const SpeedSliderLayout& s = sliderLayout_;

    // Created bottom first: panel, hidden track, whole tube, upper tube, handle, labels, boxes.
    speedPanel_ = new ShapeBox(OleColor(kPanelGrey, palette()), darkGrey, page);
    auto* speedTrack = new ShapeBox(darkGrey, darkGrey, page);
    Place(*speedTrack, {s.HandleLeft, s.TrackTop, s.HandleWidth, s.TrackHeight});
    speedTrack->setVisible(false);

    const QPixmap tube =
        QPixmap::fromImage(ResourcePicture(":/speed_tube.bmp", PictureRole::Background).Image());
    const auto tubeLabel = [&] {
        auto* label = new QLabel(page);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setPixmap(tube);
        return label;
    };
    Place(*tubeLabel(), {s.HandleLeft, s.TubeTop, s.HandleWidth, s.TubeHeight});
    upperTube_ = tubeLabel();
    constexpr std::array<const char*, 2> kBulbs{":/speed_bulb0.bmp", ":/speed_bulb1.bmp"};
    for (std::size_t i = 0; i < handlePictures_.size(); ++i)
        handlePictures_[i] =
            QPixmap::fromImage(ResourcePicture(kBulbs[i], PictureRole::Background).Image());

    // Clicked or tabbed to, the handle takes the keys that move it.
    speedHandle_ = new SliderHandle(page);
    // It shows no text to be known by: its name tells it from the page's other controls.
    speedHandle_->setObjectName(QStringLiteral("speedHandle"));
    const auto twipsY = [this](qreal y) {
        return units_.ScaleY(y, ScaleUnit::Pixels, ScaleUnit::Twips);
    };
    connect(
        speedHandle_, &SliderHandle::pressed, &handlers_,
        [this, twipsY](Qt::MouseButton button, qreal y) { PressSliderHandle(button, twipsY(y)); });
    connect(speedHandle_, &SliderHandle::moved, &handlers_,
            [this, twipsY](qreal y) { DragSliderHandle(twipsY(y)); });
    connect(speedHandle_, &SliderHandle::released, &handlers_, [this] { ReleaseSliderHandle(); });
    connect(speedHandle_, &SliderHandle::keyPressed, &handlers_,
            [this](QKeyEvent* key) { key->setAccepted(StepSlider(Qt::Key(key->key()))); });
    speedHandle_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Place(*speedHandle_, {s.HandleLeft, s.TubeTop, s.HandleWidth, s.HandleHeight});

    speedNumber_ = new QLabel(QStringLiteral("00"), page);
    speedNumber_->setFont(Font("Times New Roman", 9, true));
    speedNumber_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Place(*speedNumber_, {705, 770, 180, 225});
    auto* speedCaption = new QLabel(tr("Speed"), page);
    speedCaption->setFont(Font("Times New Roman", 8.25));
    Place(*speedCaption, {600, 600, 390, 210});
    for (QLabel* label : {speedCaption, speedNumber_}) {
        SetTextColor(*label, darkGrey);
        SetAutoSizedCaption(*label, label->text());
    }

    onTopBox_ = new QCheckBox(tr("Always On Top"), page);
    SetColors(*onTopBox_, OleColor(kPanelGrey, palette()), palette().color(QPalette::WindowText));
    Place(*onTopBox_, {1200, 240, 1455, 195});
    blinkBox_ = new QCheckBox(tr("Allow Blink"), page);
    SetColors(*blinkBox_, OleColor(kButtonFace, palette()), palette().color(QPalette::WindowText));
    Place(*blinkBox_, {1200, 480, 1095, 195});
    for (QCheckBox* box : {onTopBox_, blinkBox_})
        box->setFont(Font("Arial", 8.25));
    // Both run whenever the value changes, by the user or by FillFromSettings.
    connect(onTopBox_, &QCheckBox::toggled, &handlers_, [this] { ApplyOnTop(); });
    connect(blinkBox_, &QCheckBox::toggled, &handlers_, [this] { ApplyBlink(); });
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
        chain(pageEntries_[std::size_t(entry.Page)]);
    for (QWidget* control : std::initializer_list<QWidget*>{skinList_, speedHandle_, onTopBox_,
                                                            blinkBox_, pilcrow_, licenceCaption_})
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
    skinList_->setFocus();
}

void OptionsWindow::FillFromSettings() {
    skinList_->Fill();
    SetAutoSizedCaption(*credits_, CreditsText(QStringLiteral(ORBO_VERSION)));
    PlaceSlider(slider_, sliderLayout_, general_.Speed);
    ShowSlider();
    onTopBox_->setCheckState(general_.OnTop ? Qt::Checked : Qt::Unchecked);
    blinkBox_->setCheckState(general_.Blink ? Qt::Checked : Qt::Unchecked);
}

void OptionsWindow::UseSkin(const QString& name) {
    form1_.ActivateSkin(name);
    // A larger creature would grow over the window beside it.
    if (isVisible()) {
        PlaceBesideCreature();
        KeepAboveCreature();
    }
}

void OptionsWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    PlacePages();
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

int OptionsWindow::ShownPage() const {
    return int(std::find_if(pages_.begin(), pages_.end(),
                            [](const QWidget* page) { return !page->isHidden(); }) -
               pages_.begin());
}

QStringList OptionsWindow::SkinListEntries() const {
    return skinList_->Names();
}

QString OptionsWindow::SelectedSkin() const {
    return skinList_->Selected();
}

QString OptionsWindow::ShownSpeed() const {
    return speedNumber_->text();
}

void OptionsWindow::PlacePages() {
    const float scaleWidth = units_.ScaleX(width(), ScaleUnit::Pixels, ScaleUnit::Twips);
    const float scaleHeight = units_.ScaleY(height(), ScaleUnit::Pixels, ScaleUnit::Twips);
    const TwipsRect page = PageRect(scaleWidth, scaleHeight, TwipsOf(*pageEntries_[0]).Width);
    for (int i = 0; i < int(pages_.size()); ++i) {
        const QSize before = pages_[std::size_t(i)]->size();
        Place(*pages_[std::size_t(i)], page);
        if (pages_[std::size_t(i)]->size() != before)
            FitPage(i);
    }
}

void OptionsWindow::FitPage(int page) {
    QWidget* fitted = nullptr;
    switch (page) {
    case kSkinsPage:
        fitted = skinList_;
        break;
    case kAboutSkinPage:
        fitted = aboutSkinText_;
        break;
    case kOptionsPage:
        fitted = speedPanel_;
        break;
    default:
        return;
    }
    const QWidget& shown = *pages_[std::size_t(page)];
    Place(*fitted,
          PageFillRect(units_.ScaleX(shown.width(), ScaleUnit::Pixels, ScaleUnit::Twips),
                       units_.ScaleY(shown.height(), ScaleUnit::Pixels, ScaleUnit::Twips)));
}

void OptionsWindow::ShowPage(int page) {
    // Focus inside a page that is about to hide goes to the page shown, not round the window.
    QWidget* focus = focusWidget();
    const bool focusLeaves =
        focus && !pages_[std::size_t(page)]->isAncestorOf(focus) &&
        std::any_of(pages_.begin(), pages_.end(),
                    [focus](const QWidget* each) { return each->isAncestorOf(focus); });
    for (std::uint8_t i = 0; i < pageEntries_.size(); ++i) {
        QLabel& entry = *pageEntries_[i];
        if (i == page)
            SetColors(entry, OleColor(kSelectedBack, palette()),
                      OleColor(kSelectedFore, palette()));
        else
            SetColors(entry, OleColor(kButtonFace, palette()), OleColor(kButtonText, palette()));
        pages_[i]->setVisible(i == page);
        SetBold(entry, i == page);
    }
    if (page == kAboutSkinPage) {
        aboutSkinCaption_ = AboutSkinText(general_.SkinDef);
        SetCaption(*aboutSkinText_, aboutSkinCaption_);
        FitPage(kAboutSkinPage);
    }
    if (focusLeaves)
        FocusPage(page);
}

void OptionsWindow::StepPage(int step) {
    const auto shown =
        std::find_if(kMenuEntries.begin(), kMenuEntries.end(),
                     [page = ShownPage()](const MenuEntry& entry) { return entry.Page == page; });
    const auto count = std::ptrdiff_t(kMenuEntries.size());
    const int page =
        kMenuEntries[std::size_t((shown - kMenuEntries.begin() + step + count) % count)].Page;
    const bool onEntry =
        std::find(pageEntries_.begin(), pageEntries_.end(), focusWidget()) != pageEntries_.end();
    // Switched from the keyboard, the window shows where the focus is, as after Tab.
    setAttribute(Qt::WA_KeyboardFocusChange);
    ShowPage(page);
    if (onEntry)
        pageEntries_[std::size_t(page)]->setFocus(Qt::ShortcutFocusReason);
}

void OptionsWindow::FocusPage(int page) {
    const QWidget* shown = pages_[std::size_t(page)];
    for (QWidget* w = nextInFocusChain(); w != this; w = w->nextInFocusChain()) {
        if (shown->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(shown)) {
            w->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    pageEntries_[std::size_t(page)]->setFocus(Qt::OtherFocusReason);
}

void OptionsWindow::ToggleCredits() {
    const bool show = credits_->isHidden();
    credits_->setVisible(show);
    creditsBox_->setVisible(!credits_->isHidden());
    if (!creditsBox_->isHidden())
        Place(*creditsBox_, TwipsOf(*credits_));
}

void OptionsWindow::ToggleLicence() {
    QWidget* page = pages_[kAboutPage];
    // Whole on the page whatever font the system gives: wrapped to the page's width when wider,
    // and smaller until it fits.
    const QSize room = page->size() - QSize(4, 4);
    QFont font = licenceNotice_->font();
    for (qreal points = 8.25; points >= 5; points -= 0.75) {
        font.setPointSizeF(points);
        licenceNotice_->setFont(font);
        licenceNotice_->setWordWrap(false);
        QSize size = licenceNotice_->sizeHint();
        if (size.width() > room.width()) {
            licenceNotice_->setWordWrap(true);
            size = QSize(room.width(), licenceNotice_->heightForWidth(room.width()));
        }
        licenceNotice_->resize(size);
        if (size.height() <= room.height())
            break;
    }
    licenceNotice_->move(std::max(0, (page->width() - licenceNotice_->width()) / 2),
                         std::max(0, (page->height() - licenceNotice_->height()) / 2));
    licenceNotice_->setVisible(licenceNotice_->isHidden());
    licenceNotice_->raise();
}

void OptionsWindow::ApplyOnTop() {
    form1_.SetOnTop(onTopBox_->checkState() == Qt::Checked);
    if (isVisible())
        KeepAboveCreature();
}

void OptionsWindow::ApplyBlink() {
    form1_.SetBlink(blinkBox_->checkState() == Qt::Checked);
}

void OptionsWindow::PressSliderHandle(Qt::MouseButton button, float y) {
    SliderMouseDown(slider_, ButtonCode(button), y);
    ShowSlider();
}

void OptionsWindow::DragSliderHandle(float y) {
    if (SliderMouseMove(slider_, sliderLayout_, y))
        SpeedMoved();
}

bool OptionsWindow::StepSlider(Qt::Key key) {
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

void OptionsWindow::ReleaseSliderHandle() {
    SliderMouseUp(slider_);
    ShowSlider();
}

void OptionsWindow::ShowSlider() {
    const SpeedSliderLayout& s = sliderLayout_;
    Place(*speedHandle_, {s.HandleLeft, slider_.HandleTop, s.HandleWidth, s.HandleHeight});
    Place(*upperTube_, {s.HandleLeft, s.TubeTop, s.HandleWidth, slider_.UpperTubeHeight});
    SetAutoSizedCaption(*speedNumber_, QString::number(slider_.Speed));
    speedHandle_->setPixmap(handlePictures_[slider_.Pressed ? 1 : 0]);
}

void OptionsWindow::ShowOrHide() {
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
