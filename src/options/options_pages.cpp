// The options window's pages as designed: every control made, placed in twips, coloured and
// connected to what it does, and the order the keyboard visits them in.
#include "options_window.h"

#include "creature/creature.h"
#include "options/clickable_label.h"
#include "options/colors_and_fonts.h"
#include "options/shape_box.h"
#include "options/skin_list.h"
#include "resources/resources.h"

#include <QtGui/QKeyEvent>
#include <QtGui/QPixmap>
#include <QtGui/QShortcut>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QLabel>

namespace orbo {

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
    skinList_ = new SkinList(creature_.Chosen(), pages_[kSkinsPage]);
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

} // namespace orbo
