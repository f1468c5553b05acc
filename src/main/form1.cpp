// The creature window: shows the model, runs its timer, passes on the mouse, closes once.
#include "form1.h"

#include "animation/tick.h"
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
#include <QtWidgets/QMenu>

#include <cstdio>

namespace orbo {

namespace {

// While the animation is idle the pointer is asked for this often, for the moves nothing
// announces (a warped pointer).
constexpr int kIdlePollMs = 2000;

// Off unless asked for (QT_LOGGING_RULES="orbo.stats.debug=true"): long runs count the ticks.
Q_LOGGING_CATEGORY(lcStats, "orbo.stats", QtWarningMsg)

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
    creature_.SetView(this);
    Timer1.setInterval(100);
    connect(&Timer1, &IntervalTimer::timeout, this, &Form1::Timer1_Timer);
    idlePoll_.setInterval(kIdlePollMs);
    connect(&idlePoll_, &QTimer::timeout, this, &Form1::IdlePoll_Timer);
    desktop_.SetInputListener([this] { Wake(); });
}

Form1::~Form1() {
    desktop_.SetInputListener({});
    creature_.SetView(nullptr);
}

void Form1::Form_Load() {
    if (windowState() != Qt::WindowNoState)
        setWindowState(Qt::WindowNoState);
    LoadInfo();
    Timer1.setInterval(TimerInterval(creature_.General().Speed));
    desktop_.SetAnimationInterval(Timer1.interval());
    Timer1.start();
}

void Form1::LoadInfo() {
    // Put on top or released before the skin shapes it: on X11 that can make the window anew.
    creature_.LoadInfo(
        store_, [this] { SetFormOnTop(*this, creature_.Window(), creature_.General().OnTop); });
    SetAllWorkspaces(creature_.General().AllWorkspaces);
    SetHideOverFullScreen(creature_.General().HideOverFullScreen);
    Wake();
}

std::optional<QString> Form1::SaveInfo() {
    return creature_.SaveInfo(store_);
}

void Form1::Form_QueryUnload() {
    if (unloaded_)
        return;
    unloaded_ = true;
    const auto notSaved = SaveInfo();
    Timer1.stop();
    idlePoll_.stop();
    // Settings lost are worth a line where someone may read it; a window would be in the way.
    if (notSaved) {
        UseStartingConsole();
        std::fprintf(stderr, "orbo: the settings were not saved: %s\n",
                     notSaved->toLocal8Bit().constData());
    }
    QCoreApplication::exit(notSaved ? 1 : 0);
}

void Form1::closeEvent(QCloseEvent* event) {
    Form_QueryUnload();
    event->accept();
}

void Form1::ActivateSkin(const QString& name) {
    creature_.ActivateSkin(name);
    Wake();
}

void Form1::ActivateDefSkin() {
    creature_.ActivateDefSkin();
}

void Form1::SetSpeed(std::uint8_t speed) {
    creature_.SetSpeed(speed);
    Timer1.setInterval(TimerInterval(speed));
    desktop_.SetAnimationInterval(Timer1.interval());
    Wake();
}

void Form1::SetOnTop(bool onTop) {
    creature_.SetOnTop(onTop);
    SetFormOnTop(*this, creature_.Window(), onTop);
    Wake();
}

void Form1::SetBlink(bool blink) {
    creature_.SetBlink(blink);
    Wake();
}

void Form1::SetHideOverFullScreen(bool hide) {
    creature_.SetHideOverFullScreen(hide);
    if (choiceHooks_.HideOverFullScreen)
        choiceHooks_.HideOverFullScreen(hide);
}

void Form1::SetAllWorkspaces(bool all) {
    creature_.SetAllWorkspaces(all);
    if (choiceHooks_.AllWorkspaces)
        choiceHooks_.AllWorkspaces(*this, all);
}

void Form1::BringBack() {
    creature_.BringBack(PrimaryWorkArea());
    SaveInfo();
    SetCreatureShown(true);
    raise();
    Wake();
}

void Form1::SetCreatureShown(bool shown) {
    hiddenByUser_ = !shown;
    ApplyVisibility();
}

void Form1::SetHiddenForFullScreen(bool hidden) {
    hiddenForFullScreen_ = hidden;
    ApplyVisibility();
}

void Form1::ApplyVisibility() {
    const bool rest = hiddenByUser_ || hiddenForFullScreen_;
    if (rest == resting_ || unloaded_)
        return;
    resting_ = rest;
    if (resting_) {
        Timer1.stop();
        idlePoll_.stop();
        idle_ = false;
        hide();
        return;
    }
    show();
    // A window shown anew is stacked and placed on workspaces afresh, from what Qt last knew.
    SetFormOnTop(*this, creature_.Window(), creature_.General().OnTop);
    if (choiceHooks_.AllWorkspaces)
        choiceHooks_.AllWorkspaces(*this, creature_.General().AllWorkspaces);
    creature_.Announce();
    Timer1.resume();
}

void Form1::Timer1_Timer() {
    if (++ticks_ % 1000 == 0)
        qCDebug(lcStats, "ticks %llu", static_cast<unsigned long long>(ticks_));
    // Stop until told otherwise while a tick can only repeat the last frame.
    if (creature_.Tick() && desktop_.AnnouncesInput()) {
        idle_ = true;
        Timer1.stop();
        idlePoll_.start();
    }
}

void Form1::Wake() {
    creature_.Announce();
    if (!idle_ || unloaded_)
        return;
    idle_ = false;
    idlePoll_.stop();
    Timer1.resume();
}

void Form1::IdlePoll_Timer() {
    desktop_.Refresh();
    if (creature_.InputsChanged())
        Wake();
}

void Form1::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    creature_.WindowMoved(pos());
    Wake();
}

void Form1::Form_MouseDown(int button, float x, float y) {
    if (button == ButtonCode(MouseButton::Left)) {
        dragging_ = true;
        grabX_ = x;
        grabY_ = y;
    } else if (button == ButtonCode(MouseButton::Right)) {
        if (QMenu* menu = menuProvider_ ? menuProvider_() : nullptr)
            menu->exec(desktop_.GetCursorPos());
    }
}

void Form1::Form_MouseMove(int button, float x, float y) {
    if (button != ButtonCode(MouseButton::Left) || !dragging_)
        return;
    const CreatureWindow& w = creature_.Window();
    creature_.DragTo(w.Left() + x - grabX_, w.Top() + y - grabY_);
}

void Form1::Form_MouseUp(int, float, float) {
    dragging_ = false;
    // Between monitors of different scales a drag can end where no monitor shows it.
    creature_.KeepOnMonitors();
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
    orbo::SetWindowRgn(*this, shape);
}

} // namespace orbo
