// Scaled displays, monitors side by side, and stored places that no monitor shows.
#include "e2e_env.h"

#include <gtest/gtest.h>

#include <cmath>
#include <csignal>

namespace orbo::e2e {
namespace {

constexpr QSize kWide(2560, 1024);

// Settings that place the creature at a point (pixels), with a skin when one is named.
QMap<QString, QString> Place(QPoint at, const QString& skin = {}) {
    QMap<QString, QString> values{{u"Left"_s, Twips(at.x())}, {u"Top"_s, Twips(at.y())}};
    if (!skin.isEmpty())
        values.insert(u"Skin"_s, skin);
    return values;
}

bool Quit(OrboRun& run) {
    run.Signal(SIGTERM);
    return run.WaitExit() == std::optional<int>(0);
}

// Xvfb's one screen cut into two monitors of 1280 x 1024 side by side (RandR 1.5), which Qt
// takes for two screens; the first made is the primary.
bool SplitScreen(bool primaryLeft) {
    const QString left = u"L 1280/338x1024/270+0+0 "_s;
    const QString right = u"R 1280/338x1024/270+1280+0 "_s;
    // The output goes with the primary, so the whole-screen monitor it made of itself goes away.
    const QStringList first = ((primaryLeft ? left : right) + u"screen"_s).split(u' ');
    const QStringList second = ((primaryLeft ? right : left) + u"none"_s).split(u' ');
    return RunOnDisplay(u"xrandr"_s, QStringList{u"--setmonitor"_s} + first) &&
           RunOnDisplay(u"xrandr"_s, QStringList{u"--setmonitor"_s} + second);
}

// At each scale and size the creature starts at the centre, comes back there, and shows its
// skin cut to its outline, pixel for pixel as orbo-skin-check renders it.
TEST(Screens, ScaledDisplays) {
    struct Row {
        const char* Name;
        QMap<QString, QString> Environment;
        const char* XftDpi; // for xrdb, when the scale comes from there
        double Scale;
        int Size = 100; // the size chosen on top of the scale
    };
    const Row rows[] = {
        {"QT_SCALE_FACTOR=2", {{u"QT_SCALE_FACTOR"_s, u"2"_s}}, nullptr, 2},
        {"QT_SCALE_FACTOR=1.25", {{u"QT_SCALE_FACTOR"_s, u"1.25"_s}}, nullptr, 1.25},
        // Before the Xft.dpi row, whose resource stays on the display.
        {"QT_SCALE_FACTOR=1.25, 150 %", {{u"QT_SCALE_FACTOR"_s, u"1.25"_s}}, nullptr, 1.25, 150},
        {"50 %", {}, nullptr, 1, 50},
        {"200 %", {}, nullptr, 1, 200},
        {"Xft.dpi 144", {}, "Xft.dpi: 144\n", 1.5}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        ASSERT_TRUE(!row.XftDpi || RunOnDisplay(u"xrdb"_s, {u"-merge"_s}, row.XftDpi));
        OrboRun first;
        const QMap<QString, QString> size{{u"Size"_s, QString::number(row.Size)}};
        ASSERT_TRUE(first.WriteSettings(size) && first.Start(row.Environment));
        const QRect place = first.Geometry();
        EXPECT_LE(std::abs(place.x() - kScreen.width() / 2), 1) << "not at the centre";
        EXPECT_LE(std::abs(place.y() - kScreen.height() / 2), 1) << "not at the centre";
        ASSERT_TRUE(Quit(first));
        const auto saved = first.ReadSettings();
        ASSERT_TRUE(first.Start(row.Environment));
        EXPECT_EQ(place, first.Geometry()) << "moved between two runs";
        ASSERT_TRUE(Quit(first));
        EXPECT_EQ(saved, first.ReadSettings());

        OrboRun shown;
        QMap<QString, QString> settings = Place({0, 0}, u"Donut"_s);
        settings.insert(size);
        ASSERT_TRUE(shown.AddSampleSkin(u"Donut"_s) && shown.WriteSettings(settings) &&
                    shown.Start(row.Environment));
        // Qt's screen in device-independent pixels, and the pointer there.
        const QSize screen(qRound(kScreen.width() / row.Scale),
                           qRound(kScreen.height() / row.Scale));
        const QPoint pointer(1000, 60);
        Probe().MovePointer(pointer.x(), pointer.y());
        const QPoint cursor(qRound(pointer.x() / row.Scale), qRound(pointer.y() / row.Scale));
        EXPECT_EQ("", WaitForRendering(shown.Window(), shown.SkinsFolder() + u"/Donut"_s, cursor,
                                       u"scaled-%1-%2"_s.arg(row.Scale).arg(row.Size), "0,0,0",
                                       row.Scale, screen, row.Size));
    }
}

// The first place is the primary's centre; a drag crosses the seam and stops at the pair's far
// edge; the place is kept; a monitor that goes brings the creature onto the nearest, whole.
TEST(Screens, TwoMonitorsSideBySide) {
    StartDisplay(kWide);
    for (const bool primaryLeft : {true, false}) {
        SCOPED_TRACE(primaryLeft ? "primary left" : "primary right");
        ASSERT_TRUE(SplitScreen(primaryLeft));
        OrboRun run;
        ASSERT_TRUE(run.Start());
        const QPoint centre(primaryLeft ? 640 : 1920, 512);
        EXPECT_EQ(centre, run.Geometry().topLeft());
        // Across the seam to the other monitor, then past the pair's far edge.
        const QPoint grab(37, 30);
        const int across = primaryLeft ? 1000 : -1000;
        Drag(centre + grab, centre + grab + QPoint(across, 0));
        EXPECT_TRUE(WaitFor([&] { return run.Geometry().topLeft() == centre + QPoint(across, 0); }))
            << ::testing::PrintToString(run.Geometry().topLeft());
        const QPoint here = run.Geometry().topLeft();
        const int farEdge = primaryLeft ? kWide.width() - 75 : 0;
        Drag(here + grab, QPoint(primaryLeft ? kWide.width() - 1 : 0, here.y() + grab.y()));
        EXPECT_TRUE(WaitFor([&] { return run.Geometry().topLeft() == QPoint(farEdge, 512); }))
            << ::testing::PrintToString(run.Geometry().topLeft());
        ASSERT_TRUE(Quit(run));
        ASSERT_TRUE(run.Start());
        EXPECT_EQ(QPoint(farEdge, 512), run.Geometry().topLeft()) << "not kept on that monitor";
        ASSERT_TRUE(RunOnDisplay(u"xrandr"_s, {u"--delmonitor"_s, primaryLeft ? u"R"_s : u"L"_s}));
        const QPoint back(primaryLeft ? 1280 - 75 : 1280, 512);
        EXPECT_TRUE(WaitFor([&] { return run.Geometry().topLeft() == back; }))
            << ::testing::PrintToString(run.Geometry().topLeft());
        ASSERT_TRUE(Quit(run));
        RunOnDisplay(u"xrandr"_s, {u"--delmonitor"_s, primaryLeft ? u"L"_s : u"R"_s});
    }
}

// A matrix skin's lamps stand for parts of the whole desktop, on either monitor, also when the
// monitors have different scales.
TEST(Screens, MatrixLampsOnEveryMonitor) {
    StartDisplay(kWide);
    ASSERT_TRUE(SplitScreen(true));
    struct Row {
        const char* Name;
        QMap<QString, QString> Environment;
        QPoint At;        // the creature, pixels
        double LeftScale; // of the left monitor; the right one is never scaled
    };
    // L at 200 % is 640 x 512 pixels at 0,0; R keeps its 1280 x 1024 at 1280,0.
    const QMap<QString, QString> mixed{{u"QT_SCREEN_SCALE_FACTORS"_s, u"L=2;R=1"_s}};
    for (const Row& row : {Row{"one scale", {}, {0, 0}, 1}, Row{"L at 200 %", mixed, {0, 0}, 2},
                           Row{"L at 200 %, on R", mixed, {1400, 0}, 2}}) {
        SCOPED_TRACE(row.Name);
        OrboRun run;
        ASSERT_TRUE(run.AddSampleSkin(u"Gridlock"_s) &&
                    run.WriteSettings(Place(row.At, u"Gridlock"_s)) && run.Start(row.Environment));
        const double scale = row.At.x() < 1280 ? row.LeftScale : 1;
        EXPECT_EQ(row.At * scale, run.Geometry().topLeft());
        for (const QPoint pointer : {QPoint(300, 300), QPoint(2300, 900)}) {
            Probe().MovePointer(pointer.x(), pointer.y());
            const QPoint cursor = pointer.x() < 1280 ? pointer / row.LeftScale : pointer;
            EXPECT_EQ("", WaitForRendering(run.Window(), run.SkinsFolder() + u"/Gridlock"_s, cursor,
                                           u"lamps-%1"_s.arg(pointer.x()), "0,0,0", scale, kWide));
        }
        ASSERT_TRUE(Quit(run));
        EXPECT_EQ(Place(row.At).value(u"Left"_s), run.ReadSettings().value(u"left"_s));
    }
}

} // namespace
} // namespace orbo::e2e
