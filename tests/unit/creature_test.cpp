// The creature model: what reaches the window per activation, where the window goes, and a drag
// along one axis, following inside the span and held at its edges.
#include "animation/tick.h"
#include "creature/creature.h"
#include "creature/drag.h"
#include "creature/settings_io.h"
#include "memory_settings_store.h"
#include "scripted_desktop.h"
#include "skin_pictures.h"

#include <QtCore/QDir>
#include <QtCore/QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace orbo {
namespace {

// Counts what the model shows.
struct CountingView : CreatureView {
    void PlaceWindow(const QRect& pixels) override {
        ++Places;
        Place = pixels;
    }
    void ShowFrame(const QRegion& changed) override {
        if (changed == QRegion(QRect(QPoint(), Place.size())))
            ++WholeFrames;
    }
    void ShowShape(const QRegion& shape) override {
        ++Shapes;
        Shape = shape;
    }
    void ShowPace(const Pace& pace) override { Told = pace; }
    void ShowResting(bool resting) override { Hidden = resting; }
    void Reset() { Places = WholeFrames = Shapes = 0; }

    int Places = 0;
    int WholeFrames = 0;
    int Shapes = 0;
    QRect Place;
    QRegion Shape;
    Pace Told;
    bool Hidden = false;
};

// The pace the window is told as the creature starts, goes still, is woken, rests while hidden,
// changes speed and ends; a desktop that announces nothing keeps it ticking.
TEST(Creature, PaceThroughStillnessRestAndWaking) {
    enum Runs { Stopped, Ticking, Checking };
    ScriptedDesktop desk;
    desk.Announces = true;
    Creature creature(desk, {});
    creature.ActivateSkin(QStringLiteral("< none >"));
    CountingView view;
    creature.SetView(&view);
    // Ticks until a tick repeats the frame before it: three at most for a still pointer.
    const auto still = [&] {
        for (int i = 0; i < 3 && creature.CurrentPace().Ticking; ++i)
            creature.Step();
    };
    const struct {
        const char* What;
        std::function<void()> Act;
        Runs Expected;
        bool Hidden;
    } steps[] = {
        {"loaded, not yet started", [] {}, Stopped, false},
        {"started", [&] { creature.StartAnimation(); }, Ticking, false},
        {"one tick after the start", [&] { creature.Step(); }, Ticking, false},
        {"nothing moves", still, Checking, false},
        {"slow check, nothing moved", [&] { creature.SlowCheck(); }, Checking, false},
        {"slow check after a warp", [&] { desk.Cursor = QPoint(400, 5), creature.SlowCheck(); },
         Ticking, false},
        {"a tick sees the warp", [&] { creature.Step(); }, Ticking, false},
        {"still again", still, Checking, false},
        {"an announced move", [&] { desk.Announce(); }, Ticking, false},
        {"blink", [&] { still(), creature.SetBlink(false); }, Ticking, false},
        {"on top", [&] { still(), creature.SetOnTop(true); }, Ticking, false},
        {"a skin", [&] { still(), creature.ActivateSkin(QStringLiteral("x")); }, Ticking, false},
        {"moved", [&] { still(), creature.WindowMoved(QPoint(30, 40)); }, Ticking, false},
        {"hidden by the user", [&] { creature.SetHiddenByUser(true); }, Stopped, true},
        {"announced while hidden", [&] { desk.Announce(); }, Stopped, true},
        {"a full-screen window too", [&] { creature.SetHiddenForFullScreen(true); }, Stopped, true},
        {"shown by the user", [&] { creature.SetHiddenByUser(false); }, Stopped, true},
        {"the full-screen window gone", [&] { creature.SetHiddenForFullScreen(false); }, Ticking,
         false},
        {"the fastest speed", [&] { creature.SetSpeed(100); }, Ticking, false},
        {"still at the slowest", [&] { creature.SetSpeed(0), still(); }, Checking, false},
        {"a desktop that announces nothing", [&] { desk.Announces = false, desk.Announce(); },
         Ticking, false},
        {"still there", [&] { still(), still(), still(); }, Ticking, false},
        {"ended", [&] { creature.EndAnimation(); }, Stopped, false},
        {"announced after the end", [&] { desk.Announce(); }, Stopped, false},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.What);
        step.Act();
        const Pace& pace = view.Told;
        EXPECT_EQ(step.Expected == Ticking, pace.Ticking);
        EXPECT_EQ(step.Expected == Checking, pace.SlowCheck);
        EXPECT_EQ(step.Hidden, view.Hidden);
        EXPECT_EQ(step.Hidden, creature.Resting());
        EXPECT_EQ(TimerInterval(creature.General().Speed), pace.Interval);
        EXPECT_EQ(pace.Interval, desk.AnimationInterval) << "the desktop's reports keep the pace";
    }
}

// Each activation, to a sample skin or back to the built-in one, reaches the window as one
// whole frame and one shape (the built-in skin first and the empty region stay inside), and as
// one place when the size changed. The same name again shows nothing.
TEST(Creature, OneActivationShowsOneFrameAndOneShape) {
    ScriptedDesktop desk;
    Creature creature(desk, {QStringLiteral(ORBO_SOURCE_DIR "/Skins")});
    CountingView view;
    creature.SetView(&view);
    const QStringList names =
        QDir(QStringLiteral(ORBO_SOURCE_DIR "/Skins")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    ASSERT_GE(names.size(), 6);
    for (const QString& name : names) {
        for (const QString& activated : {name, QStringLiteral("< none >")}) {
            SCOPED_TRACE(activated.toStdString());
            view.Reset();
            creature.ActivateSkin(activated);
            EXPECT_EQ(1, view.WholeFrames);
            EXPECT_EQ(1, view.Shapes);
            EXPECT_EQ(1, view.Places) << "the sample skins differ in size from the built-in one";
            EXPECT_EQ(creature.Window().Geometry.Pixels(), view.Place);
            EXPECT_TRUE(view.Shape.xored(creature.Window().Region).isEmpty());
            EXPECT_FALSE(view.Shape.isEmpty());
            view.Reset();
            creature.ActivateSkin(activated.toUpper());
            EXPECT_EQ(0, view.WholeFrames + view.Shapes + view.Places);
        }
    }
}

// Brought back, the window is centred in the work area, the odd pixel going right and down, also
// when it is larger than the area; the place reaches the window once.
TEST(Creature, BringBackCentresInTheWorkArea) {
    const struct {
        QRect Area;
        QPoint Expected; // for the built-in skin's 75 x 100 pixels at this size
        int Size = 100;
        QSize Shown = {75, 100};
    } rows[] = {{{0, 0, 1024, 768}, {474, 334}},
                {{-1280, 30, 1280, 994}, {-678, 477}},
                {{10, 20, 70, 95}, {7, 17}},
                {{0, 0, 1024, 768}, {437, 284}, 200, {150, 200}}};
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::PrintToString(row.Expected));
        ScriptedDesktop desk;
        Creature creature(desk, {});
        creature.ActivateSkin(QStringLiteral("< none >"));
        creature.SetSize(row.Size);
        creature.MoveTo(-30000, 90000);
        CountingView view;
        creature.SetView(&view);
        creature.BringBack(row.Area);
        EXPECT_EQ(QRect(row.Expected, row.Shown), creature.Window().Geometry.Pixels());
        EXPECT_EQ(1, view.Places);
        EXPECT_EQ(creature.Window().Geometry.Pixels(), view.Place);
    }
}

// At a size, a drag holds the window's real edges at the screen's, and a larger size pulls it
// back from the right and bottom edges as a larger skin would.
TEST(Creature, DragAndPullBackGoByTheSizeShown) {
    ScriptedDesktop desk;
    desk.Screen = QSize(1024, 768);
    Creature creature(desk, {});
    creature.ActivateSkin(QStringLiteral("< none >"));
    creature.SetSize(200);
    creature.DragTo(20000, 9000);
    EXPECT_EQ(QRect(874, 568, 150, 200), creature.Window().Geometry.Pixels());
    creature.SetSize(300);
    EXPECT_EQ(QRect(799, 468, 225, 300), creature.Window().Geometry.Pixels());

    // A background of 2000 x 1700 fits the pictures' budget at double size, not at triple: that
    // size is refused, as a picture that would pass the budget is.
    QTemporaryDir skins;
    QImage huge = testing::SolidImage(2000, 1700, Qt::green);
    ASSERT_TRUE(testing::WriteBytes(skins.path(), QStringLiteral("Huge/Skin.ini"),
                                    "[setting]\nback=back.png\n") &&
                huge.save(skins.filePath(QStringLiteral("Huge/back.png"))));
    Creature big(desk, {skins.path()});
    big.ActivateSkin(QStringLiteral("Huge"));
    ASSERT_EQ(QSize(2000, 1700), big.Window().Geometry.Pixels().size());
    big.SetSize(300);
    EXPECT_EQ(QSize(2000, 1700), big.Window().Geometry.Pixels().size()) << "over the budget";
    big.SetSize(200);
    EXPECT_EQ(QSize(4000, 3400), big.Window().Geometry.Pixels().size());

    // At start the same rule: the skin kept, the size refused for the run and stored as it was.
    MemorySettingsStore store;
    store.SaveSetting(kSettingsApp, kSettingsSection, QStringLiteral("Skin"),
                      QStringLiteral("Huge"));
    store.SaveSetting(kSettingsApp, kSettingsSection, QStringLiteral("Size"),
                      QStringLiteral("300"));
    Creature started(desk, {skins.path()});
    started.LoadInfo(store);
    EXPECT_EQ(QSize(2000, 1700), started.Window().Geometry.Pixels().size());
    ASSERT_EQ(std::nullopt, started.SaveInfo(store));
    EXPECT_EQ(u"300", store.GetSetting(kSettingsApp, kSettingsSection, QStringLiteral("Size"), {}));
}

// A window 1125 twips wide on a screen of 15360, also on a span starting left of 0: it follows
// inside, stops flush at either edge, and stays put when it already lies flush.
TEST(DragAxis, FollowsInsideAndHoldsAtTheEdges) {
    struct Row {
        const char* name;
        float proposed, size;
        std::optional<float> expected;
    };
    const Row rows[] = {{"inside", 300, 1125, 300.0f},
                        {"one twip inside the left edge", 1, 1125, 1.0f},
                        {"exactly at the left edge", 0, 1125, std::nullopt},
                        {"one twip past the left edge", -1, 1125, 0.0f},
                        {"one twip inside the right edge", 14234, 1125, 14234.0f},
                        {"exactly at the right edge", 14235, 1125, std::nullopt},
                        {"one twip past the right edge", 14236, 1125, 14235.0f},
                        {"far past the right edge", 20000, 1125, 14235.0f},
                        {"wider than the screen, past the left", -30, 20000, 0.0f},
                        {"wider than the screen, at the left", 0, 20000, -4640.0f},
                        {"wider than the screen, inside", 30, 20000, -4640.0f}};
    for (const float low : {0.0f, -19200.0f}) {
        for (const Row& row : rows) {
            SCOPED_TRACE(row.name);
            SCOPED_TRACE(low);
            const auto shifted = row.expected ? std::optional(*row.expected + low) : std::nullopt;
            EXPECT_EQ(shifted, DragAxis(row.proposed + low, row.size, Span{low, 15360 + low}));
        }
    }
}

} // namespace
} // namespace orbo
