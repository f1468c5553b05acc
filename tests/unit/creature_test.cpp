// The creature model: what reaches the window per activation, where the window goes, and a drag
// along one axis, following inside the span and held at its edges; skin activation: size, shape,
// pull-back onto the monitors, names and skins folders.
#include "animation/tick.h"
#include "creature/activation.h"
#include "creature/creature.h"
#include "creature/drag.h"
#include "creature/stored_choices.h"
#include "memory_settings_store.h"
#include "platform/system/files.h"
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
        EXPECT_EQ(TimerInterval(creature.Chosen().Speed), pace.Interval);
        EXPECT_EQ(pace.Interval, desk.AnimationInterval) << "the desktop's reports keep the pace";
    }
}

// Away by the desktop's idle time, the creature draws one frame, its eyes on a point just below
// it and its lid shut where blinking is on, and then nothing; back, it ticks at once and the eyes
// are on the pointer. The wait it asks the desktop for is the chosen one.
TEST(Creature, DozesWhileAwayAndWakesAtTheFirstInput) {
    const QStringList skins{QStringLiteral(ORBO_SOURCE_DIR "/Skins")};
    MemorySettingsStore store;
    for (const auto& [key, value] :
         {std::pair{"Skin", "Sleepy"}, {"Left", "1500"}, {"Top", "3000"}, {"DozeAfter", "0.05"}})
        store.SaveSetting(kSettingsApp, kSettingsSection, key, value);
    // What a creature draws for this pointer, all buttons held or none.
    const auto drawn = [&](QPoint cursor, bool held, bool blink) {
        ScriptedDesktop desk;
        desk.Cursor = cursor;
        desk.Left = desk.Right = desk.Middle = held;
        Creature creature(desk, skins);
        creature.LoadChoices(store);
        creature.SetBlink(blink);
        creature.Tick();
        return creature.Frame();
    };
    ScriptedDesktop desk;
    desk.Announces = true;
    desk.Cursor = QPoint(900, 20);
    Creature creature(desk, skins);
    creature.LoadChoices(store);
    EXPECT_EQ(std::chrono::milliseconds(3000), desk.AwayAfter);
    const QRect place = creature.Window().Geometry.Pixels();
    const QPoint below(place.center().x(), place.bottom() + place.height() / 2);
    const QImage asleep = drawn(below, true, true);
    ASSERT_NE(asleep, drawn(below, false, true)) << "the lid shows in the picture";
    ASSERT_NE(drawn(below, false, true), drawn(desk.Cursor, false, true)) << "the eyes move";
    CountingView view;
    creature.SetView(&view);
    creature.StartAnimation();
    enum Runs { Stopped, Ticking, Checking };
    const auto step = [&] { creature.Step(); };
    const auto still = [&] {
        for (int i = 0; i < 3 && creature.CurrentPace().Ticking; ++i)
            step();
    };
    const struct {
        const char* What;
        std::function<void()> Act;
        Runs Expected;
        bool Dozing;
        int Draws;
        std::optional<QImage> Shows;
    } steps[] = {
        {"still", still, Checking, false, 2, drawn({900, 20}, false, true)},
        {"away", [&] { desk.Away(true); }, Ticking, true, 0, {}},
        {"the one dozing frame", step, Stopped, true, 1, asleep},
        {"a screen change while away", [&] { desk.Announce(), step(); }, Stopped, true, 1, asleep},
        {"back, the pointer moved",
         [&] {
             desk.Cursor = {40, 700}, desk.Away(false);
         },
         Ticking,
         false,
         0,
         {}},
        {"the eyes on the pointer", step, Ticking, false, 1, drawn({40, 700}, false, true)},
        {"away without blinking", [&] { creature.SetBlink(false), desk.Away(true), step(); },
         Stopped, true, 1, drawn(below, true, false)},
        {"never", [&] { creature.SetDozeAfter(0); }, Ticking, false, 0, {}},
        {"away, never dozing", [&] { still(), desk.Away(true); }, Checking, false, 2, {}},
    };
    for (const auto& row : steps) {
        SCOPED_TRACE(row.What);
        const std::uint64_t draws = creature.Draws();
        row.Act();
        EXPECT_EQ(row.Expected == Ticking, view.Told.Ticking);
        EXPECT_EQ(row.Expected == Checking, view.Told.SlowCheck);
        EXPECT_EQ(row.Dozing, creature.Dozing());
        EXPECT_EQ(row.Draws, creature.Draws() - draws);
        EXPECT_EQ(row.Shows.value_or(creature.Frame()), creature.Frame());
    }
    EXPECT_EQ(std::chrono::milliseconds(0), desk.AwayAfter);
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
    store.SaveSetting(kSettingsApp, kSettingsSection, "Skin", "Huge");
    store.SaveSetting(kSettingsApp, kSettingsSection, "Size", "300");
    Creature started(desk, {skins.path()});
    started.LoadChoices(store);
    EXPECT_EQ(QSize(2000, 1700), started.Window().Geometry.Pixels().size());
    ASSERT_EQ(std::nullopt, started.SaveChoices(store));
    EXPECT_EQ(u"300", store.GetSetting(kSettingsApp, kSettingsSection, QStringLiteral("Size"), {}));
}

// A window 1125 twips wide on a screen of 15360, also on a span starting left of 0: it follows
// inside, stops flush at either edge, and stays put when it already lies flush.
TEST(DragAxis, FollowsInsideAndHoldsAtTheEdges) {
    const struct Row {
        const char* name;
        float proposed, size;
        std::optional<float> expected;
    } rows[] = {{"inside", 300, 1125, 300.0f},
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

using testing::BuiltInPictures;
using testing::SamePixels;
using testing::SolidImage;
using testing::WriteBmp;
using testing::WriteBytes;

const QRgb kM = qRgb(255, 0, 255);

class ActivationTest : public ::testing::Test {
protected:
    // A skin of the given background and further Skin.ini lines in the shipped Skins folder.
    void MakeSkin(const QString& folder, const QImage& back, const QByteArray& more = {}) {
        const QString root = app_.path() + "/Skins/" + folder;
        ASSERT_TRUE(WriteBmp(root, "back.bmp", back));
        ASSERT_TRUE(WriteBytes(root, "Skin.ini", "[setting]\nback=back.bmp\n" + more));
    }

    void Activate(const QString& name) {
        ActivateSkin(SkinContext{skin_, skinName_, window_, desk_, BuiltInPictures(),
                                 SkinsFolders(app_.path(), user_)},
                     name);
    }

    QRect Pixels() const { return window_.Geometry.Pixels(); }

    QTemporaryDir app_;
    QString user_; // the user's own skins folder, none unless a test sets one
    SkinDef skin_;
    QString skinName_;
    CreatureWindow window_;
    ScriptedDesktop desk_;
};

TEST_F(ActivationTest, WindowTakesTheBackgroundsSizeAndShape) {
    QImage holed = SolidImage(200, 50, Qt::blue);
    holed.setPixel(4, 4, kM);
    MakeSkin("Holed", holed);
    Activate("Holed");
    EXPECT_EQ(QSize(200, 50), Pixels().size());
    EXPECT_TRUE(SamePixels(QRegion(0, 0, 200, 50).subtracted(QRegion(4, 4, 1, 1)), window_.Region));
    // A line failing after the background keeps it.
    MakeSkin("Half", SolidImage(40, 30, Qt::blue), "[eye1]\npic=gone.bmp");
    Activate("Half");
    EXPECT_EQ(QSize(40, 30), Pixels().size());
    // At another size each picture pixel covers the window pixels between its scaled edges.
    const struct {
        qreal Size;
        QSize Shown;
        QRect Hole;
    } sizes[] = {{2, {400, 100}, {8, 8, 2, 2}}, {0.5, {100, 25}, {2, 2, 1, 1}}};
    for (const auto& row : sizes) {
        SCOPED_TRACE(row.Size);
        window_.Size = row.Size;
        skinName_.clear();
        Activate("Holed");
        EXPECT_EQ(row.Shown, Pixels().size());
        EXPECT_TRUE(
            SamePixels(QRegion(QRect(QPoint(), row.Shown)).subtracted(row.Hole), window_.Region));
    }
}

// Only the right and bottom edges are pulled back, to those of the monitors the window is on; a
// window on no monitor at all comes back onto the nearest one, whole.
TEST_F(ActivationTest, EdgesArePulledBackAndNothingIsLeftOffEveryMonitor) {
    const QRect primary(0, 0, 1280, 1024);
    const struct {
        const char* Name;
        QSize Screen;
        std::vector<QRect> Monitors; // the primary first; Screen alone when empty
        QPoint Before;
        QPoint After;
        qreal Size = 1; // the picture shown this many times as large, and the window's size
        QSize Shown = {75, 100};
    } rows[] = {
        {"OnePixelOutRight", {1024, 768}, {}, {950, 10}, {949, 10}},
        {"OnePixelOutBottom", {1024, 768}, {}, {10, 669}, {10, 668}},
        {"LeftAndTopOutStay", {1024, 768}, {}, {-20, -30}, {-20, -30}},
        {"WiderThanTheScreen", {50, 60}, {}, {0, 0}, {-25, -40}},
        {"OffTheLeftComesBack", {1024, 768}, {}, {-1000, 10}, {0, 10}},
        {"AboveComesBack", {1024, 768}, {}, {-10, -2000}, {0, 0}},
        {"FarBelowRightComesBack", {1024, 768}, {}, {5000, 5000}, {949, 668}},
        {"RightMonitorsRightEdge", {}, {primary, {1280, 0, 1280, 1024}}, {2500, 10}, {2485, 10}},
        {"AcrossTheSeamStays", {}, {primary, {1280, 0, 1280, 1024}}, {1250, 10}, {1250, 10}},
        {"PrimaryOnTheRight", {}, {{1280, 0, 1280, 1024}, {0, 0, 1280, 1024}}, {10, 10}, {10, 10}},
        {"LeftOfThePrimaryIsAPlace", {}, {primary, {-1280, 0, 1280, 1024}}, {-600, 10}, {-600, 10}},
        {"ShorterMonitorsBottom", {}, {primary, {1280, 0, 1024, 768}}, {2000, 700}, {2000, 668}},
        {"OnAMonitorThatIsGone", {}, {primary}, {1900, 300}, {1205, 300}},
        {"OneAndAHalfOnTheEdges", {1024, 768}, {}, {949, 668}, {911, 618}, 1.5, {113, 150}},
        {"TripleSizeFarOffComesBack", {1024, 768}, {}, {5000, 5000}, {799, 468}, 3, {225, 300}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        skinName_ = "other";
        desk_.Screen = row.Screen;
        desk_.MonitorList.clear();
        for (const QRect& m : row.Monitors)
            desk_.MonitorList.push_back({m, 1});
        window_.Geometry.SetPixels(QRect(row.Before, QSize(10, 10)));
        window_.Size = row.Size;
        Activate(kNoSkin);
        EXPECT_EQ(QRect(row.After, row.Shown), Pixels());
    }
}

TEST_F(ActivationTest, BuiltInNamesNeverTouchTheDisk) {
    // Folders that would be read if these names were looked up.
    MakeSkin("< none >", SolidImage(40, 30, Qt::blue), "[info]\nname=From disk");
    MakeSkin("< NONE >", SolidImage(40, 30, Qt::blue), "[info]\nname=From disk");
    for (const char* name : {"< none >", "< NONE >", ""}) {
        SCOPED_TRACE(name);
        skinName_ = "Something";
        Activate(name);
        EXPECT_EQ(name, skinName_);
        EXPECT_EQ("Ally McOrbo", skin_.Name);
        EXPECT_EQ(QSize(75, 100), Pixels().size());
    }
}

// Shipped skins: Both, Shipped, File; the user's: Both (as "BOTH"), Own, and a plain file "File".
// Folders are found in any letter case and the name is kept as asked.
TEST_F(ActivationTest, TheUsersOwnSkinWinsOnANameInBoth) {
    QTemporaryDir home;
    user_ = home.path() + "/orbo/Skins";
    const QByteArray ini = "[info]\nname=";
    for (const char* name : {"Both", "Shipped", "File"})
        ASSERT_TRUE(WriteBytes(app_.path() + "/Skins/" + name, "Skin.ini", ini + "shipped"));
    for (const char* name : {"BOTH", "Own"})
        ASSERT_TRUE(WriteBytes(user_ + "/" + name, "Skin.ini", ini + "own"));
    ASSERT_TRUE(WriteBytes(user_, "File", "not a skin"));
    const std::pair<const char*, const char*> rows[] = {
        {"Both", "own"}, {"Shipped", "shipped"}, {"own", "own"}, {"File", "shipped"}};
    for (const auto& [ask, shown] : rows) {
        Activate(ask);
        EXPECT_EQ(shown, skin_.Name) << ask;
        EXPECT_EQ(ask, skinName_);
    }
}

// A folder missing or outside the Skins folders: the built-in skin, under the name asked.
TEST_F(ActivationTest, MissingOrOutsideFolderKeepsTheBuiltInSkin) {
    ASSERT_TRUE(WriteBytes(app_.path(), "Skin.ini", "[info]\nname=Evil"));
    ASSERT_TRUE(WriteBytes(app_.path(), "evil/Skin.ini", "[info]\nname=Evil"));
    for (const char* name : {"Nowhere", "../evil", "..", "../Skins/.."}) {
        SCOPED_TRACE(name);
        Activate(name);
        EXPECT_EQ(name, skinName_);
        EXPECT_EQ("Ally McOrbo", skin_.Name);
        EXPECT_TRUE(SamePixels(BuildMaskRegion(BuiltInPictures().builtInSkin[0], kMagenta),
                               window_.Region));
    }
}

// Nothing another skin set is left behind, not even in element 0, which is never drawn.
TEST_F(ActivationTest, EveryActivationStartsFromTheBuiltInSkin) {
    MakeSkin("A", SolidImage(40, 30, Qt::blue),
             "eyes=5\n[info]\nname=A\ncomment=c\n[eye0]\ntype=rect\nframes=3");
    ASSERT_TRUE(WriteBytes(app_.path() + "/Skins/B", "Skin.ini", "[info]\ncreator=B"));
    Activate("A");
    ASSERT_EQ(5, skin_.LastEyeIndex());
    ASSERT_EQ(3, skin_.Eyes[0].Frames);
    Activate("B");
    EXPECT_EQ("Ally McOrbo|B|18/2/0|",
              skin_.Name + u'|' + skin_.Creator + u'|' + skin_.Date + u'|' + skin_.Comment);
    ASSERT_EQ(2, skin_.LastEyeIndex());
    EXPECT_EQ(KindText(), skin_.Eyes[0].Kind);
    EXPECT_EQ(0, skin_.Eyes[0].Frames);
    EXPECT_TRUE(skin_.Eyes[1].Pic.SameAs(BuiltInPictures().builtInSkin[1]));
    EXPECT_TRUE(skin_.Eyes[2].Mask.SameAs(BuiltInPictures().builtInSkin[4]));
    EXPECT_TRUE(window_.Background.SameAs(BuiltInPictures().builtInSkin[0]));
}

} // namespace
} // namespace orbo
