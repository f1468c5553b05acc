// The creature model: settings, skin activation, place, shape and the animation's frames.
#include "creature.h"

#include "animation/tick.h"
#include "creature/activation.h"
#include "creature/drag.h"
#include "creature/stored_choices.h"
#include "platform/desktop/desktop.h"

#include <chrono>
#include <cmath>
#include <utility>

namespace orbo {

namespace {

// The desktop as a dozing creature's eyes take it: the pointer resting at a point, every button
// held, so that each eye kind looks there by its own rule and every lid a button closes is shut.
class DozingEyes : public Desktop {
public:
    DozingEyes(const Desktop& desktop, QPoint point) : desktop_(desktop), point_(point) {}
    QPoint PointerPosition() override { return point_; }
    bool ButtonDown(MouseButton) override { return true; }
    QSize ScreenSizePixels() const override { return desktop_.ScreenSizePixels(); }
    Units ScreenUnits() const override { return desktop_.ScreenUnits(); }
    Monitors GetMonitors() const override { return desktop_.GetMonitors(); }

private:
    const Desktop& desktop_;
    QPoint point_;
};

} // namespace

Creature::Creature(Desktop& desktop, QStringList skinsFolders)
    : desktop_(desktop), skinsFolders_(std::move(skinsFolders)), units_(desktop.ScreenUnits()),
      builtInSkin_(DefaultSkinPictures::Load()), window_(units_), surface_(units_) {
    // The size at design time; every skin activation replaces it.
    window_.Geometry.SetPixels(QRect(0, 0, 75, 100));
    surface_.SetBackground(window_.Canvas, kMagenta, window_.Background);
    surface_.Present();
    shownPlace_ = window_.Geometry.Pixels();
    monitors_ = desktop_.GetMonitors();
    pace_.Interval = TimerInterval(chosen_.Speed);
    desktop_.SetAnimationInterval(pace_.Interval);
    desktop_.SetInputListener([this] { Wake(); });
    desktop_.SetAwayListener([this](bool away) { SetAway(away); });
}

void Creature::SetView(CreatureView* view) {
    view_ = view;
    if (view_)
        view_->ShowPace(pace_);
}

Creature::~Creature() {
    desktop_.SetInputListener({});
    desktop_.SetAwayListener({});
}

void Creature::LoadChoices(SettingsStore& store) {
    ReadChoices(store, desktop_, chosen_);
    MoveTo(chosen_.Left, chosen_.Top);
    // Put on top or released before the skin shapes it: on X11 that can make the window anew.
    if (view_)
        view_->ShowOnTop(chosen_.OnTop);
    SetSpeed(chosen_.Speed);
    // The skin first, at its own size, then the stored size by the menu's rule: a size past the
    // pictures' budget is refused for this run, the skin kept and the stored size left as it is.
    const int size = chosen_.Size;
    chosen_.Size = 100;
    window_.Size = 1.0;
    // Named, the stored skin would count as the one on show already.
    ActivateSkin(std::exchange(chosen_.SkinName, QString()));
    if (!ApplySize(size))
        storedSize_ = size;
    WatchAway();
    Wake();
}

std::optional<QString> Creature::SaveChoices(SettingsStore& store) const {
    Choices stored = chosen_;
    stored.Left = window_.Left();
    stored.Top = window_.Top();
    stored.Size = storedSize_.value_or(chosen_.Size);
    return WriteChoices(store, stored);
}

void Creature::SetSpeed(std::uint8_t speed) {
    chosen_.Speed = speed;
    desktop_.SetAnimationInterval(TimerInterval(speed));
    Wake();
    UpdatePace();
}

void Creature::SetBlink(bool blink) {
    chosen_.Blink = blink;
    Wake();
}

void Creature::SetOnTop(bool onTop) {
    chosen_.OnTop = onTop;
    if (view_)
        view_->ShowOnTop(onTop);
    Wake();
}

void Creature::SetDozeAfter(float minutes) {
    chosen_.DozeAfter = minutes;
    WatchAway();
    SetAway(false);
}

void Creature::WatchAway() {
    desktop_.WatchAway(std::chrono::milliseconds(std::llround(chosen_.DozeAfter * 60000.0)));
}

void Creature::SetAway(bool away) {
    const bool doze = away && chosen_.DozeAfter > 0;
    if (doze == dozing_)
        return;
    dozing_ = doze;
    // One tick draws the dozing eyes, or the eyes on the pointer again at once.
    Wake();
}

void Creature::SetSize(int percent) {
    if (ApplySize(percent))
        storedSize_.reset();
}

bool Creature::ApplySize(int percent) {
    if (percent == chosen_.Size)
        return true;
    if (!IsSizeChoice(percent))
        return false;
    // A size at which the background's frames would pass the pictures' budget is refused, as a
    // picture that would is when the skin is read.
    const QSize back = window_.Picture().Image().size();
    const qreal scale = LargestScale(desktop_.GetMonitors()) * percent / 100.0;
    if (qint64(back.width()) * back.height() + SurfacePixels(back, scale) > kMaxSkinPixels)
        return false;
    chosen_.Size = percent;
    window_.Size = percent / 100.0;
    FitWindowToBackground(window_, desktop_, units_);
    ShowActivated();
    Wake();
    return true;
}

SkinContext Creature::Context() {
    return SkinContext{skin_, chosen_.SkinName, window_, desktop_, builtInSkin_, skinsFolders_};
}

void Creature::ActivateSkin(const QString& name) {
    if (orbo::ActivateSkin(Context(), name))
        ShowActivated();
    Wake();
}

std::optional<SkinReadResult> Creature::ActivateSkinFolder(const QString& folder,
                                                           const SkinLineObserver& observer) {
    chosen_.SkinName = folder;
    auto read = orbo::ActivateSkinFolder(Context(), folder, observer);
    ShowActivated();
    return read;
}

void Creature::ActivateDefSkin() {
    orbo::ActivateDefSkin(skin_, window_, units_, builtInSkin_);
}

void Creature::ShowActivated() {
    surface_.SetBackground(window_.Canvas, kMagenta, window_.Background);
    // The new background shows at once, with the eyes as last drawn, not at the next tick.
    surface_.Present();
    Announce();
    if (!view_)
        return;
    ShowPlace();
    view_->ShowFrame(QRegion(QRect(QPoint(), window_.Geometry.Pixels().size())));
    view_->ShowShape(window_.Region);
}

void Creature::ShowPlace() {
    const QRect place = window_.Geometry.Pixels();
    if (place == shownPlace_)
        return;
    shownPlace_ = place;
    Announce();
    if (view_)
        view_->PlaceWindow(place);
}

void Creature::MoveTo(float left, float top) {
    window_.SetLeft(left);
    window_.SetTop(top);
    ShowPlace();
}

void Creature::DragTo(float left, float top) {
    const Monitors monitors = desktop_.GetMonitors();
    const auto here = [this] {
        return TwipsRect{window_.Left(), window_.Top(), window_.Width(), window_.Height()};
    };
    if (const auto x = DragAxis(left, window_.Width(), HorizontalSpan(monitors, here(), units_)))
        window_.SetLeft(*x);
    if (const auto y = DragAxis(top, window_.Height(), VerticalSpan(monitors, here(), units_)))
        window_.SetTop(*y);
    ShowPlace();
}

void Creature::Grab(float x, float y) {
    grab_ = QPointF(x, y);
}

void Creature::DragMove(float x, float y) {
    if (grab_)
        DragTo(window_.Left() + x - float(grab_->x()), window_.Top() + y - float(grab_->y()));
}

void Creature::LetGo() {
    grab_.reset();
    KeepOnMonitors();
}

void Creature::WindowMoved(QPoint pixels) {
    QRect place = window_.Geometry.Pixels();
    place.moveTopLeft(pixels);
    window_.Geometry.SetPixels(place);
    shownPlace_.moveTopLeft(pixels);
    Wake();
}

void Creature::KeepOnMonitors() {
    orbo::KeepOnMonitors(window_, desktop_);
    ShowPlace();
}

void Creature::BringBack(const QRect& workArea) {
    const auto centred = [](int start, int span, int size) {
        const int spare = span - size;
        // Floored, so a window larger than the area overhangs it by the same rule.
        return start + (spare >= 0 ? spare / 2 : -((1 - spare) / 2));
    };
    const QSize size = window_.Geometry.Pixels().size();
    window_.Geometry.SetPixels(
        QRect(QPoint(centred(workArea.x(), workArea.width(), size.width()),
                     centred(workArea.y(), workArea.height(), size.height())),
              size));
    ShowPlace();
}

bool Creature::Tick() {
    ++draws_;
    const auto draw = [this](Desktop& eyes) {
        RunTick(skin_, chosen_.Blink, eyes, window_.Left(), window_.Top(), surface_,
                static_cast<float>(window_.Size));
    };
    if (dozing_) {
        // The eyes look just below the creature: half its height under its lower edge.
        const QRect place = window_.Geometry.Pixels();
        DozingEyes below(desktop_, QPoint(place.center().x(), place.bottom() + place.height() / 2));
        draw(below);
    } else {
        draw(desktop_);
    }
    const QRegion changed = surface_.Present();
    if (!changed.isEmpty() && view_)
        view_->ShowFrame(DeviceRegion(changed, window_.Size));
    // A tick draws the same frame from the same inputs, so once one changed nothing and nothing
    // moved since the one before, ticking on would only repeat it.
    const TickInputs inputs = ReadInputs();
    // Monitors added, removed or resized: a creature left on none comes back to the nearest.
    if (inputs.monitors != monitors_) {
        monitors_ = inputs.monitors;
        KeepOnMonitors();
    }
    const bool still = changed.isEmpty() && inputs == lastInputs_ && !announced_;
    lastInputs_ = inputs;
    announced_ = false;
    return still;
}

bool Creature::InputsChanged() {
    return ReadInputs() != lastInputs_;
}

void Creature::StartAnimation() {
    started_ = true;
    UpdatePace();
}

void Creature::EndAnimation() {
    ended_ = true;
    UpdatePace();
}

void Creature::Step() {
    // Stop until told otherwise while a tick can only repeat the last frame; a desktop that
    // does not announce its input is ticked on. A dozing creature drew its one frame.
    const bool still = Tick() && desktop_.AnnouncesInput();
    if ((still || dozing_) && !idle_) {
        idle_ = true;
        UpdatePace();
    }
}

void Creature::Wake() {
    Announce();
    if (!idle_)
        return;
    idle_ = false;
    UpdatePace();
}

void Creature::SlowCheck() {
    desktop_.Refresh();
    if (InputsChanged())
        Wake();
}

void Creature::SetHiddenByUser(bool hidden) {
    hiddenByUser_ = hidden;
    UpdateRest();
}

void Creature::SetHiddenForFullScreen(bool hidden) {
    hiddenForFullScreen_ = hidden;
    UpdateRest();
}

void Creature::UpdateRest() {
    const bool rest = hiddenByUser_ || hiddenForFullScreen_;
    if (rest == resting_ || ended_)
        return;
    resting_ = rest;
    idle_ = false;
    Announce();
    if (view_)
        view_->ShowResting(resting_);
    UpdatePace();
}

void Creature::UpdatePace() {
    Pace pace;
    pace.Interval = TimerInterval(chosen_.Speed);
    const bool runs = started_ && !ended_ && !resting_;
    pace.Ticking = runs && !idle_;
    // Dozing, nothing is looked at: the desktop tells when the person is back.
    pace.SlowCheck = runs && idle_ && !dozing_;
    if (pace == pace_)
        return;
    pace_ = pace;
    if (view_)
        view_->ShowPace(pace_);
}

Creature::TickInputs Creature::ReadInputs() {
    return {desktop_.PointerPosition(),
            desktop_.ButtonDown(MouseButton::Left),
            desktop_.ButtonDown(MouseButton::Right),
            desktop_.ButtonDown(MouseButton::Middle),
            window_.Geometry.Pixels(),
            desktop_.GetMonitors()};
}

void Creature::Paint(QPainter& painter, const QRegion& region, qreal ratio) {
    surface_.Draw(painter, region, ratio, window_.Size);
}

} // namespace orbo
