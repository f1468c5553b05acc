// The creature window: shows the model, runs its timer, passes on the mouse, closes once.
#include "form1.h"

#include "main/set_form_on_top.h"
#include "platform/desktop/desktop.h"
#include "platform/system/console.h"
#include "platform/window/native_window.h"
#include "platform/window/work_area.h"
#include "resources/resources.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QLoggingCategory>
#include <QtGui/QCloseEvent>
#include <QtGui/QMouseEvent>
#include <QtGui/QPaintEvent>
#include <QtGui/QPainter>

#include <cstdio>

namespace orbo {

namespace {

// Off unless asked for (QT_LOGGING_RULES="orbo.stats.debug=true"): long runs count the ticks.
Q_LOGGING_CATEGORY(lcStats, "orbo.stats", QtWarningMsg)
// Off unless asked for (QT_LOGGING_RULES="orbo.pace.debug=true"): a line each time the creature
// wakes, a tick or a slow check, to see that a still or hidden one sleeps.
Q_LOGGING_CATEGORY(lcPace, "orbo.pace", QtWarningMsg)

} // namespace

Form1::Form1(Creature& creature, Desktop& desktop, SettingsStore& store, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), creature_(creature), desktop_(desktop),
      store_(store) {
    setWindowTitle(QStringLiteral("ORBO"));
    setWindowIcon(AppIcon());
    MakeDesktopToy(*this);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setAutoFillBackground(false);
    resize(creature_.Window().Geometry.Pixels().size());
    connect(&Timer1, &IntervalTimer::timeout, this, &Form1::Timer1_Timer);
    slowCheck_.setInterval(Creature::kSlowCheckMs);
    connect(&slowCheck_, &QTimer::timeout, this, [this] {
        qCDebug(lcPace, "pace: check");
        creature_.SlowCheck();
    });
    creature_.SetView(this);
}

Form1::~Form1() {
    creature_.SetView(nullptr);
}

void Form1::Form_Load() {
    if (windowState() != Qt::WindowNoState)
        setWindowState(Qt::WindowNoState);
    LoadInfo();
    creature_.StartAnimation();
}

void Form1::LoadInfo() {
    creature_.LoadInfo(store_);
    SetAllWorkspaces(creature_.General().AllWorkspaces);
    SetHideOverFullScreen(creature_.General().HideOverFullScreen);
    SetClickThrough(creature_.General().ClickThrough);
}

std::optional<QString> Form1::SaveInfo() {
    return creature_.SaveInfo(store_);
}

void Form1::Form_QueryUnload() {
    if (unloaded_)
        return;
    unloaded_ = true;
    const auto notSaved = SaveInfo();
    creature_.EndAnimation();
    // Settings lost are worth a line where someone may read it; a window would be in the way.
    if (notSaved) {
        UseStartingConsole();
        PrintText(stderr, tr("orbo: the settings were not saved: %1").arg(*notSaved) + u'\n');
    }
    QCoreApplication::exit(notSaved ? 1 : 0);
}

void Form1::closeEvent(QCloseEvent* event) {
    Form_QueryUnload();
    event->accept();
}

void Form1::ActivateSkin(const QString& name) {
    creature_.ActivateSkin(name);
}

void Form1::ActivateDefSkin() {
    creature_.ActivateDefSkin();
}

void Form1::SetSpeed(std::uint8_t speed) {
    creature_.SetSpeed(speed);
}

void Form1::SetOnTop(bool onTop) {
    creature_.SetOnTop(onTop);
}

void Form1::SetBlink(bool blink) {
    creature_.SetBlink(blink);
}

void Form1::SetSize(int percent) {
    creature_.SetSize(percent);
}

void Form1::SetHideOverFullScreen(bool hide) {
    creature_.Choose(&mdlGeneral::HideOverFullScreen, hide);
    if (choiceHooks_.HideOverFullScreen)
        choiceHooks_.HideOverFullScreen(hide);
}

void Form1::SetAllWorkspaces(bool all) {
    creature_.Choose(&mdlGeneral::AllWorkspaces, all);
    if (choiceHooks_.AllWorkspaces)
        choiceHooks_.AllWorkspaces(*this, all);
}

void Form1::SetClickThrough(bool through) {
    creature_.Choose(&mdlGeneral::ClickThrough, through);
    LetClicksThrough(*this, through);
}

void Form1::StartWithClicksTaken() {
    if (!General().ClickThrough)
        return;
    SetClickThrough(false);
    QMetaObject::invokeMethod(
        this,
        [this] {
            Q_EMIT Told(tr("\"Let clicks through\" stays off: with no session bus, starting Orbo "
                           "again could not turn it off."));
        },
        Qt::QueuedConnection);
}

void Form1::BringBack() {
    creature_.BringBack(PrimaryWorkArea());
    SaveInfo();
    SetCreatureShown(true);
    raise();
    creature_.Wake();
}

void Form1::ComeForward() {
    const QPoint before = creature_.Window().Geometry.Pixels().topLeft();
    creature_.KeepOnMonitors();
    if (creature_.Window().Geometry.Pixels().topLeft() != before)
        SaveInfo();
    SetCreatureShown(true);
    if (General().ClickThrough) {
        SetClickThrough(false);
        Q_EMIT Told(tr("Clicks reach the creature again: starting Orbo again turned "
                       "\"Let clicks through\" off."));
    }
    if (!Resting())
        raise();
    creature_.Wake();
}

void Form1::SetCreatureShown(bool shown) {
    creature_.SetHiddenByUser(!shown);
}

void Form1::SetHiddenForFullScreen(bool hidden) {
    creature_.SetHiddenForFullScreen(hidden);
}

void Form1::ShowResting(bool resting) {
    if (resting) {
        hide();
        return;
    }
    show();
    // A window shown anew is stacked and placed on workspaces afresh, from what Qt last knew.
    ShowOnTop(creature_.General().OnTop);
    if (choiceHooks_.AllWorkspaces)
        choiceHooks_.AllWorkspaces(*this, creature_.General().AllWorkspaces);
}

void Form1::ShowOnTop(bool onTop) {
    SetFormOnTop(*this, creature_.Window(), onTop);
}

void Form1::ShowPace(const Pace& pace) {
    Timer1.setInterval(pace.Interval);
    if (!pace.Ticking)
        Timer1.stop();
    else if (!Timer1.isActive())
        Timer1.resume();
    if (!pace.SlowCheck)
        slowCheck_.stop();
    else if (!slowCheck_.isActive())
        slowCheck_.start();
}

void Form1::Timer1_Timer() {
    if (++ticks_ % 1000 == 0)
        qCDebug(lcStats, "ticks %llu", static_cast<unsigned long long>(ticks_));
    qCDebug(lcPace, "pace: tick");
    creature_.Step();
}

void Form1::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    creature_.WindowMoved(pos());
}

void Form1::Form_MouseDown(int button, float x, float y) {
    if (button == ButtonCode(MouseButton::Left)) {
        creature_.Grab(x, y);
    } else if (button == ButtonCode(MouseButton::Right)) {
        if (!popupMenu_.isEmpty())
            popupMenu_.exec(desktop_.PointerPosition());
    }
}

void Form1::Form_MouseMove(int button, float x, float y) {
    if (button == ButtonCode(MouseButton::Left))
        creature_.DragMove(x, y);
}

void Form1::Form_MouseUp(int, float, float) {
    creature_.LetGo();
}

QPointF Form1::EventTwips(const QMouseEvent& event) const {
    // The window may have moved since the event was made: measure from where it is now.
    const QPointF local = event.globalPosition() - QPointF(pos());
    const Units& units = creature_.ScaleUnits();
    return {units.ScaleX(local.x(), ScaleUnit::Pixels, ScaleUnit::Twips),
            units.ScaleY(local.y(), ScaleUnit::Pixels, ScaleUnit::Twips)};
}

void Form1::mousePressEvent(QMouseEvent* event) {
    const QPointF p = EventTwips(*event);
    Form_MouseDown(ButtonCode(event->button()), static_cast<float>(p.x()),
                   static_cast<float>(p.y()));
}

void Form1::mouseMoveEvent(QMouseEvent* event) {
    const QPointF p = EventTwips(*event);
    Form_MouseMove(ButtonCode(event->buttons()), static_cast<float>(p.x()),
                   static_cast<float>(p.y()));
}

void Form1::mouseReleaseEvent(QMouseEvent* event) {
    const QPointF p = EventTwips(*event);
    Form_MouseUp(ButtonCode(event->button()), static_cast<float>(p.x()), static_cast<float>(p.y()));
}

void Form1::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    creature_.Paint(painter, event->region(), devicePixelRatioF());
}

void Form1::PlaceWindow(const QRect& pixels) {
    if (pixels.size() != size())
        resize(pixels.size());
    if (pixels.topLeft() != pos())
        move(pixels.topLeft());
}

void Form1::ShowFrame(const QRegion& changed) {
    update(changed);
}

void Form1::ShowShape(const QRegion& shape) {
    orbo::SetWindowShape(*this, shape);
}

} // namespace orbo
