#include "form1.h"

#include "animation/tick.h"
#include "platform/arith.h"
#include "platform/desktop.h"
#include "platform/files.h"
#include "platform/native_window.h"
#include "platform/settings_store.h"
#include "skin/activation.h"
#include "skin/mdl_general.h"

#include <QtGui/QPaintEvent>
#include <QtGui/QPainter>

namespace orbo {

Form1::Form1(mdlGeneral& general, Desktop& desktop, SettingsStore& store, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), general_(general), desktop_(desktop),
      store_(store), units_(desktop.ScreenUnits()), imgDefSkin_(DefaultSkinPictures::Load()),
      surface_(units_) {
    setWindowTitle(QStringLiteral("ORBO"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setAutoFillBackground(false);
    Timer1.setTimerType(Qt::PreciseTimer);
    Timer1.setInterval(100);
    connect(&Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
}

void Form1::Form_Load() {
    if (windowState() != Qt::WindowNoState)
        setWindowState(Qt::WindowNoState);
    SetLeft(desktop_.ScreenWidth() / 2);
    SetTop(desktop_.ScreenHeight() / 2);
    ActivateSkin(kNoSkin);
    Timer1.setInterval(IntervalForSpeed(85));
    Timer1.start();
}

void Form1::ActivateSkin(const QString& name) {
    orbo::ActivateSkin(SkinContext{general_, *this, desktop_, imgDefSkin_, AppPath()}, name);
}

void Form1::ActivateDefSkin() {
    orbo::ActivateDefSkin(general_.SkinDef, *this, units_, imgDefSkin_);
}

void Form1::Timer1_Timer() {
    RunTick(general_, desktop_, Left(), Top(), surface_);
    const QRegion changed = surface_.Present();
    if (!changed.isEmpty())
        update(changed);
}

int Form1::IntervalForSpeed(int speed) {
    const auto remaining = RoundToInt16(100 - speed).value_or(0);
    return RoundToInt32(remaining / 100.0 * 500 + 1).value_or(1);
}

void Form1::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QImage& frame = surface_.Image();
    for (const QRect& r : event->region())
        painter.drawImage(r.topLeft(), frame, r);
}

PixelGeometry Form1::Geometry() const {
    PixelGeometry g(units_);
    g.SetPixels(geometry());
    return g;
}

void Form1::ApplyGeometry(const PixelGeometry& g) {
    const QRect r = g.Pixels();
    if (r.size() != size()) {
        resize(r.size());
        BackgroundChanged();
    }
    if (r.topLeft() != pos())
        move(r.topLeft());
}

float Form1::Left() const {
    return Geometry().Left();
}
float Form1::Top() const {
    return Geometry().Top();
}
float Form1::Width() const {
    return Geometry().Width();
}
float Form1::Height() const {
    return Geometry().Height();
}

void Form1::SetLeft(float twips) {
    PixelGeometry g = Geometry();
    if (g.SetLeft(twips))
        ApplyGeometry(g);
}
void Form1::SetTop(float twips) {
    PixelGeometry g = Geometry();
    if (g.SetTop(twips))
        ApplyGeometry(g);
}
void Form1::SetWidth(float twips) {
    PixelGeometry g = Geometry();
    if (g.SetWidth(twips))
        ApplyGeometry(g);
}
void Form1::SetHeight(float twips) {
    PixelGeometry g = Geometry();
    if (g.SetHeight(twips))
        ApplyGeometry(g);
}

void Form1::SetPicture(const orbo::Picture& picture) {
    picture_ = picture;
    BackgroundChanged();
}

void Form1::BackgroundChanged() {
    surface_.SetBackground(size(), kMagenta, picture_);
    update();
}

void Form1::SetWindowRgn(const QRegion& region) {
    orbo::SetWindowRgn(*this, region);
}

} // namespace orbo
