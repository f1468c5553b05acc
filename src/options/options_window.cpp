// OptionsWindow, the options window: shown beside the creature, its pages switched, and what its
// controls do.
#include "options_window.h"

#include "creature/choices.h"
#include "creature/creature.h"
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
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QLabel>

#include <algorithm>

namespace orbo {

OptionsWindow::OptionsWindow(Creature& creature, const QWidget& creatureWidget)
    // A fixed design: the frame offers no maximise button.
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint),
      creature_(creature), creatureWidget_(creatureWidget), units_(creature.ScaleUnits()) {
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

void OptionsWindow::FillFromSettings() {
    skinList_->Fill();
    SetAutoSizedCaption(*credits_, CreditsText(QStringLiteral(ORBO_VERSION)));
    PlaceSlider(slider_, sliderLayout_, creature_.Chosen().Speed);
    ShowSlider();
    onTopBox_->setCheckState(creature_.Chosen().OnTop ? Qt::Checked : Qt::Unchecked);
    blinkBox_->setCheckState(creature_.Chosen().Blink ? Qt::Checked : Qt::Unchecked);
}

void OptionsWindow::UseSkin(const QString& name) {
    creature_.ActivateSkin(name);
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
        aboutSkinCaption_ = AboutSkinText(creature_.Skin());
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
    creature_.SetOnTop(onTopBox_->checkState() == Qt::Checked);
    if (isVisible())
        KeepAboveCreature();
}

void OptionsWindow::ApplyBlink() {
    creature_.SetBlink(blinkBox_->checkState() == Qt::Checked);
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
    creature_.SetSpeed(slider_.Speed);
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
    const QRect creature = creatureWidget_.frameGeometry();
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
    SetWindowOrder(*this, creature_.Chosen().OnTop);
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
