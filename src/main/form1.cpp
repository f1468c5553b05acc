#include "form1.h"

#include "animation/motion.h"
#include "animation/tick.h"
#include "main/drag.h"
#include "main/mdl_general.h"
#include "main/set_form_on_top.h"
#include "main/settings_io.h"
#include "platform/arith.h"
#include "platform/desktop.h"
#include "platform/files.h"
#include "platform/native_window.h"
#include "platform/settings_store.h"
#include "platform/work_area.h"
#include "platform/workspaces.h"
#include "resources/resources.h"
#include "skin/activation.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QLoggingCategory>
#include <QtGui/QCloseEvent>
#include <QtGui/QMouseEvent>
#include <QtGui/QPaintEvent>
#include <QtGui/QPainter>
#include <QtWidgets/QMenu>

namespace orbo {

namespace {

// While the animation is idle the pointer is asked for this often, for the moves nothing
// announces (a warped pointer).
constexpr int kIdlePollMs = 2000;

// Off unless asked for (QT_LOGGING_RULES="orbo.stats.debug=true"): long runs count the ticks.
Q_LOGGING_CATEGORY(lcStats, "orbo.stats", QtWarningMsg)

} // namespace

Form1::Form1(mdlGeneral& general, Desktop& desktop, SettingsStore& store, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), general_(general), desktop_(desktop),
      store_(store), units_(desktop.ScreenUnits()), imgDefSkin_(DefaultSkinPictures::Load()),
      surface_(units_) {
    setWindowTitle(QStringLiteral("ORBO"));
    setWindowIcon(AppIcon());
    MakeDesktopToy(*this);
    SetOnAllWorkspaces(*this, true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setAutoFillBackground(false);
    // The size at design time; every skin activation replaces it.
    resize(75, 100);
    BackgroundChanged();
    Timer1.setInterval(100);
    connect(&Timer1, &IntervalTimer::timeout, this, &Form1::Timer1_Timer);
    idlePoll_.setInterval(kIdlePollMs);
    connect(&idlePoll_, &QTimer::timeout, this, &Form1::IdlePoll_Timer);
    desktop_.SetInputListener([this] { Wake(); });
}

Form1::~Form1() {
    desktop_.SetInputListener({});
}

void Form1::Form_Load() {
    if (windowState() != Qt::WindowNoState)
        setWindowState(Qt::WindowNoState);
    monitors_ = desktop_.GetMonitors();
    LoadInfo();
    Timer1.setInterval(TimerInterval(general_.Speed));
    desktop_.SetAnimationInterval(Timer1.interval());
    Timer1.start();
}

void Form1::LoadInfo() {
    const StoredSettings s = ReadStoredSettings(store_, desktop_);
    SetLeft(s.Left);
    SetTop(s.Top);
    general_.Blink = s.Blink;
    general_.OnTop = s.OnTop;
    SetFormOnTop(*this, *this, general_.OnTop);
    general_.Speed = s.Speed;
    ActivateSkin(s.Skin);
}

bool Form1::SaveInfo() {
    return WriteStoredSettings(store_, Left(), Top(), general_);
}

void Form1::Form_QueryUnload() {
    if (unloaded_)
        return;
    unloaded_ = true;
    const bool saved = SaveInfo();
    Timer1.stop();
    idlePoll_.stop();
    QCoreApplication::exit(saved ? 0 : 1);
}

void Form1::closeEvent(QCloseEvent* event) {
    Form_QueryUnload();
    event->accept();
}

void Form1::BringBack() {
    const QRect area = PrimaryWorkArea();
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    store_.SaveSettings(kSettingsApp, kSettingsSection,
                        {{QStringLiteral("Left"), SingleToText(Left())},
                         {QStringLiteral("Top"), SingleToText(Top())}});
    show();
    raise();
}

void Form1::ActivateSkin(const QString& name) {
    orbo::ActivateSkin(SkinContext{general_.SkinDef, general_.SkinName, *this, desktop_,
                                   imgDefSkin_, SkinsFolders()},
                       name);
    Wake();
}

void Form1::ActivateDefSkin() {
    orbo::ActivateDefSkin(general_.SkinDef, *this, units_, imgDefSkin_);
}

void Form1::SetSpeed(std::uint8_t speed) {
    general_.Speed = speed;
    Timer1.setInterval(TimerInterval(general_.Speed));
    desktop_.SetAnimationInterval(Timer1.interval());
    Wake();
}

void Form1::SetOnTop(bool onTop) {
    general_.OnTop = onTop;
    SetFormOnTop(*this, *this, general_.OnTop);
    Wake();
}

void Form1::SetBlink(bool blink) {
    general_.Blink = blink;
    Wake();
}

std::int16_t Form1::GetFrameIndex(std::int16_t frames, float x, float y) {
    return orbo::GetFrameIndex(frames, x, y, desktop_.GetCursorPos()).value_or(0);
}

void Form1::Timer1_Timer() {
    if (++ticks_ % 1000 == 0)
        qCDebug(lcStats, "ticks %llu", static_cast<unsigned long long>(ticks_));
    RunTick(general_.SkinDef, general_.Blink, desktop_, Left(), Top(), surface_);
    const QRegion changed = surface_.Present();
    if (!changed.isEmpty())
        update(changed);
    // A tick draws the same frame from the same inputs, so once one changed nothing and nothing
    // moved since the one before, ticking on would only repeat it: stop until told otherwise.
    const TickInputs inputs = ReadInputs();
    // Monitors added, removed or resized: a creature left on none comes back to the nearest.
    if (inputs.monitors != monitors_) {
        monitors_ = inputs.monitors;
        KeepOnMonitors(*this, desktop_);
    }
    const bool still = changed.isEmpty() && inputs == lastInputs_ && !announced_;
    lastInputs_ = inputs;
    announced_ = false;
    if (still && desktop_.AnnouncesInput()) {
        idle_ = true;
        Timer1.stop();
        idlePoll_.start();
    }
}

Form1::TickInputs Form1::ReadInputs() {
    return {desktop_.GetCursorPos(),
            desktop_.GetAsyncKeyState(MouseButton::Left),
            desktop_.GetAsyncKeyState(MouseButton::Right),
            desktop_.GetAsyncKeyState(MouseButton::Middle),
            pos(),
            desktop_.GetMonitors()};
}

void Form1::Wake() {
    announced_ = true;
    if (!idle_ || unloaded_)
        return;
    idle_ = false;
    idlePoll_.stop();
    Timer1.resume();
}

void Form1::IdlePoll_Timer() {
    desktop_.Refresh();
    if (ReadInputs() != lastInputs_)
        Wake();
}

void Form1::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
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
    // The edges are those of the monitors the creature is on: first across, then up or down
    // from where that left it.
    const Monitors monitors = desktop_.GetMonitors();
    const auto here = [this] { return TwipsRect{Left(), Top(), Width(), Height()}; };
    if (const auto left =
            DragAxis(Left() + x - grabX_, Width(), HorizontalSpan(monitors, here(), units_)))
        SetLeft(*left);
    if (const auto top =
            DragAxis(Top() + y - grabY_, Height(), VerticalSpan(monitors, here(), units_)))
        SetTop(*top);
}

void Form1::Form_MouseUp(int, float, float) {
    dragging_ = false;
    // Between monitors of different scales a drag can end where no monitor shows it.
    KeepOnMonitors(*this, desktop_);
}

QPointF Form1::EventTwips(const QMouseEvent& event) const {
    // The window may have moved since the event was made: measure from where it is now.
    const QPointF local = event.globalPosition() - QPointF(pos());
    return {units_.ScaleX(local.x(), ScaleUnit::Pixels, ScaleUnit::Twips),
            units_.ScaleY(local.y(), ScaleUnit::Pixels, ScaleUnit::Twips)};
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
    surface_.Draw(painter, event->region(), devicePixelRatioF());
}

PixelGeometry Form1::Geometry() const {
    PixelGeometry g(units_);
    g.SetPixels(QRect(pos(), size()));
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
    // The new background shows at once, with the eyes as last drawn, not at the next tick.
    surface_.Present();
    update();
}

void Form1::SetWindowRgn(const QRegion& region) {
    orbo::SetWindowRgn(*this, region);
}

} // namespace orbo
