// Scaled displays, and monitors side by side.
#include "e2e_env.h"

#include <gtest/gtest.h>

#include <cmath>
#include <csignal>

namespace orbo::e2e {
namespace {

constexpr QSize kWide(2560, 1024);

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

// At each scale and size the creature starts at the centre and shows its skin cut to its
// outline, pixel for pixel as orbo-skin-check renders it (a place kept at a scale: Wine's test).
TEST(Screens, ScaledDisplays) {
    const struct Row {
        const char* Name;
        QMap<QString, QString> Environment;
        const char* XftDpi; // for xrdb, when the scale comes from there
        double Scale;
        int Size = 100; // the size chosen on top of the scale
    } rows[] = {
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

        OrboRun shown;
        QMap<QString, QString> settings{
            {u"Left"_s, u"0"_s}, {u"Top"_s, u"0"_s}, {u"Skin"_s, u"Donut"_s}};
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

} // namespace
} // namespace orbo::e2e
