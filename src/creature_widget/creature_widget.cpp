// The creature window: shows the model, runs its timer, passes on the mouse, closes once.
#include "creature_widget.h"

#include "creature_widget/window_on_top.h"
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

CreatureWidget::CreatureWidget(Creature& creature, Desktop& desktop, SettingsStore& store,
                               QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), creature_(creature), desktop_(desktop),
      store_(store) {
    setWindowTitle(QStringLiteral("ORBO"));
    setWindowIcon(AppIcon());
    MakeDesktopToy(*this);
    // Every pixel is painted, unless the window is drawn with transparency (on Wayland, where
    // nothing else cuts it to its shape).
    if (!testAttribute(Qt::WA_TranslucentBackground)) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setAttribute(Qt::WA_NoSystemBackground);
    }
    setAutoFillBackground(false);
    resize(creature_.Window().Geometry.Pixels().size());
    connect(&tickTimer_, &IntervalTimer::timeout, this, &CreatureWidget::Tick);
    slowCheck_.setInterval(Creature::kSlowCheckMs);
    connect(&slowCheck_, &QTimer::timeout, this, [this] {
        qCDebug(lcPace, "pace: check");
        creature_.SlowCheck();
    });
    creature_.SetView(this);
}

CreatureWidget::~CreatureWidget() {
    creature_.SetView(nullptr);
}

void CreatureWidget::Start() {
    if (windowState() != Qt::WindowNoState)
        setWindowState(Qt::WindowNoState);
    LoadChoices();
    creature_.StartAnimation();
}

void CreatureWidget::LoadChoices() {
    creature_.LoadChoices(store_);
    SetAllWorkspaces(creature_.Chosen().AllWorkspaces);
    SetHideOverFullScreen(creature_.Chosen().HideOverFullScreen);
    SetClickThrough(creature_.Chosen().ClickThrough);
}

std::optional<QString> CreatureWidget::SaveChoices() {
    return creature_.SaveChoices(store_);
}

void CreatureWidget::End() {
    if (unloaded_)
        return;
    unloaded_ = true;
    const auto notSaved = SaveChoices();
    creature_.EndAnimation();
    // Settings lost are worth a line where someone may read it; a window would be in the way.
    if (notSaved) {
        UseStartingConsole();
        PrintText(stderr, tr("orbo: the settings were not saved: %1").arg(*notSaved) + u'\n');
    }
    QCoreApplication::exit(notSaved ? 1 : 0);
}

void CreatureWidget::closeEvent(QCloseEvent* event) {
    End();
    event->accept();
}

void CreatureWidget::SetHideOverFullScreen(bool hide) {
    creature_.Choose(&Choices::HideOverFullScreen, hide);
    if (choiceHooks_.HideOverFullScreen)
        choiceHooks_.HideOverFullScreen(hide);
}

void CreatureWidget::SetAllWorkspaces(bool all) {
    creature_.Choose(&Choices::AllWorkspaces, all);
    if (choiceHooks_.AllWorkspaces)
        choiceHooks_.AllWorkspaces(*this, all);
}

void CreatureWidget::SetClickThrough(bool through) {
    creature_.Choose(&Choices::ClickThrough, through);
    LetClicksThrough(*this, through);
}

void CreatureWidget::StartWithClicksTaken() {
    if (!Chosen().ClickThrough)
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

void CreatureWidget::BringBack() {
    creature_.BringBack(PrimaryWorkArea());
    SaveChoices();
    SetCreatureShown(true);
    raise();
    creature_.Wake();
}

void CreatureWidget::ComeForward() {
    const QPoint before = creature_.Window().Geometry.Pixels().topLeft();
    creature_.KeepOnMonitors();
    if (creature_.Window().Geometry.Pixels().topLeft() != before)
        SaveChoices();
    SetCreatureShown(true);
    if (Chosen().ClickThrough) {
        SetClickThrough(false);
        Q_EMIT Told(tr("Clicks reach the creature again: starting Orbo again turned "
                       "\"Let clicks through\" off."));
    }
    if (!Resting())
        raise();
    creature_.Wake();
}

void CreatureWidget::SetCreatureShown(bool shown) {
    creature_.SetHiddenByUser(!shown);
}

void CreatureWidget::SetHiddenForFullScreen(bool hidden) {
    creature_.SetHiddenForFullScreen(hidden);
}

void CreatureWidget::ShowResting(bool resting) {
    if (resting) {
        hide();
        return;
    }
    show();
    // A window shown anew is stacked and placed on workspaces afresh, from what Qt last knew.
    ShowOnTop(creature_.Chosen().OnTop);
    if (choiceHooks_.AllWorkspaces)
        choiceHooks_.AllWorkspaces(*this, creature_.Chosen().AllWorkspaces);
}

void CreatureWidget::ShowOnTop(bool onTop) {
    SetWindowOnTop(*this, creature_.Window(), onTop);
}

void CreatureWidget::ShowPace(const Pace& pace) {
    tickTimer_.setInterval(pace.Interval);
    if (!pace.Ticking)
        tickTimer_.stop();
    else if (!tickTimer_.isActive())
        tickTimer_.resume();
    if (!pace.SlowCheck)
        slowCheck_.stop();
    else if (!slowCheck_.isActive())
        slowCheck_.start();
}

void CreatureWidget::Tick() {
    if (++ticks_ % 1000 == 0)
        qCDebug(lcStats, "ticks %llu", static_cast<unsigned long long>(ticks_));
    qCDebug(lcPace, "pace: tick");
    creature_.Step();
}

void CreatureWidget::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    creature_.WindowMoved(pos());
}

void CreatureWidget::MousePressed(int button, float x, float y) {
    if (button == ButtonCode(MouseButton::Left)) {
        creature_.Grab(x, y);
    } else if (button == ButtonCode(MouseButton::Right)) {
        if (!popupMenu_.isEmpty())
            popupMenu_.exec(menuAt_.value_or(desktop_.PointerPosition()));
    }
}

void CreatureWidget::MouseMoved(int button, float x, float y) {
    if (button == ButtonCode(MouseButton::Left))
        creature_.DragMove(x, y);
}

void CreatureWidget::MouseReleased(int, float, float) {
    creature_.LetGo();
}

QPointF CreatureWidget::EventTwips(const QMouseEvent& event) const {
    // The window may have moved since the event was made: measure from where it is now.
    const QPointF local = event.globalPosition() - QPointF(pos());
    const Units& units = creature_.ScaleUnits();
    return {units.ScaleX(local.x(), ScaleUnit::Pixels, ScaleUnit::Twips),
            units.ScaleY(local.y(), ScaleUnit::Pixels, ScaleUnit::Twips)};
}

void CreatureWidget::mousePressEvent(QMouseEvent* event) {
    const QPointF p = EventTwips(*event);
    // The menu opens where Qt has the click: on Wayland it places a menu from the window that
    // opens it, by its own reckoning of where that window is.
    menuAt_ = event->globalPosition().toPoint();
    MousePressed(ButtonCode(event->button()), static_cast<float>(p.x()), static_cast<float>(p.y()));
    menuAt_.reset();
}

void CreatureWidget::mouseMoveEvent(QMouseEvent* event) {
    const QPointF p = EventTwips(*event);
    MouseMoved(ButtonCode(event->buttons()), static_cast<float>(p.x()), static_cast<float>(p.y()));
}

void CreatureWidget::mouseReleaseEvent(QMouseEvent* event) {
    const QPointF p = EventTwips(*event);
    MouseReleased(ButtonCode(event->button()), static_cast<float>(p.x()),
                  static_cast<float>(p.y()));
}

void CreatureWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // Drawn with transparency, the window shows nothing outside its shape.
    if (testAttribute(Qt::WA_TranslucentBackground) && !mask().isEmpty())
        painter.setClipRegion(mask());
    creature_.Paint(painter, event->region(), devicePixelRatioF());
}

void CreatureWidget::PlaceWindow(const QRect& pixels) {
    if (pixels.size() != size())
        resize(pixels.size());
    if (pixels.topLeft() != pos())
        move(pixels.topLeft());
}

void CreatureWidget::ShowFrame(const QRegion& changed) {
    update(changed);
}

void CreatureWidget::ShowShape(const QRegion& shape) {
    orbo::SetWindowShape(*this, shape);
}

} // namespace orbo
