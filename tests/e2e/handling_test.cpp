// The creature handled as a user does: dragged, its menu and options used, ended, under openbox.
#include "e2e_env.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <thread>

namespace orbo::e2e {
namespace {

// A pixel of the built-in (75 x 100) creature's forehead, well inside its outline.
constexpr QPoint kGrab(37, 30);

const QRect kBlinkIndicator(kPageLeft + 80, 32, 14, 13);
const QRect kSliderArea(kPageLeft + 10, 5, 65, 92);

TEST(Handling, OptionsKeptAfterRestart) {
    OrboRun run;
    const QImage donut(kSampleSkins + u"/Donut/donut.bmp"_s);
    ASSERT_TRUE(run.AddSampleSkin(u"Blobby"_s));
    ASSERT_TRUE(run.AddSampleSkin(u"Donut"_s));
    ASSERT_TRUE(run.WriteSettings({{u"Left"_s, Twips(600)}, {u"Top"_s, Twips(400)}}));
    ASSERT_TRUE(run.Start());
    auto options = ShowOptions(run.Geometry().topLeft() + kGrab);
    ASSERT_TRUE(options) << "the options window did not appear";

    // The list (its first row clicked) reads "< none >", Blobby, Donut: two steps down is Donut.
    Click(*options + QPoint(kPageLeft + 45, 13));
    for (int i = 0; i < 2; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        ASSERT_TRUE(Probe().TapKey("Down"));
    }
    EXPECT_TRUE(WaitFor([&] { return run.Geometry() == QRect(QPoint(600, 400), donut.size()); }))
        << "the creature did not take Donut's size";
    // The window goes beside the larger creature again.
    const unsigned long window = Probe().WaitMapped(kOptionsTitle, {}).value_or(0);
    EXPECT_TRUE(WaitFor([&] {
        options = Probe().Geometry(window).value_or(QRect()).topLeft();
        return !QRect(*options, QSize(306, 103)).intersects(run.Geometry());
    })) << "not beside the creature";

    ASSERT_TRUE(ShowOptionsPage(*options)) << "the Options page did not show";
    const QImage blinkBefore = Shows(*options, kBlinkIndicator);
    const QImage sliderBefore = Shows(*options, kSliderArea);
    Click(*options + QPoint(kPageLeft + 86, 38)); // Allow Blink
    // From Speed 85 past the top of the track: the handle stops there, at Speed 100.
    const QPoint handle = *options + QPoint(kPageLeft + 24, 26);
    Drag(handle, handle - QPoint(0, 60));
    QImage blinkAfter, sliderAfter;
    EXPECT_TRUE(WaitFor([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        return (blinkAfter = Shows(*options, kBlinkIndicator)) != blinkBefore &&
               (sliderAfter = Shows(*options, kSliderArea)) != sliderBefore;
    })) << "the check box or the slider did not change";

    // Donut's ring, above its hole, takes the right click now.
    ASSERT_TRUE(UseMenu(run.Geometry().topLeft() + QPoint(70, 20), u"&Exit"_s));
    ASSERT_EQ(std::optional<int>(0), run.WaitExit());
    // The changed values; every value's spelling is the endings' test.
    const auto saved = run.ReadSettings();
    EXPECT_EQ(u"Donut"_s, saved.value(u"skin"_s));
    EXPECT_EQ(u"100"_s, saved.value(u"speed"_s));
    EXPECT_EQ(u"False"_s, saved.value(u"blink"_s));

    // The same folders again: the creature and the Options page as the first run left them.
    ASSERT_TRUE(run.Start());
    EXPECT_EQ(QRect(QPoint(600, 400), donut.size()), run.Geometry());
    const auto reopened = ShowOptions(run.Geometry().topLeft() + QPoint(70, 20));
    ASSERT_TRUE(reopened && ShowOptionsPage(*reopened));
    EXPECT_TRUE(Shows(*reopened, kBlinkIndicator) == blinkAfter) << "Allow Blink is not cleared";
    EXPECT_TRUE(Shows(*reopened, kSliderArea) == sliderAfter)
        << "the slider is not where it was left";
}

// Every ending saves once: stored as the user wrote them, saved as the program keeps them.
TEST(Handling, EndingsSaveOnce) {
    struct Row {
        const char* Name;
        std::vector<int> Signals; // a close request when empty
        bool MenuOpen = false;
    };
    for (const Row& row :
         {Row{"SIGTERM", {SIGTERM}}, Row{"SIGINT", {SIGINT}}, Row{"SIGHUP", {SIGHUP}},
          Row{"four at once", {SIGTERM, SIGINT, SIGHUP, SIGTERM}},
          Row{"SIGTERM with the menu open", {SIGTERM}, true}, Row{"close request", {}}}) {
        SCOPED_TRACE(row.Name);
        OrboRun run;
        ASSERT_TRUE(run.AddSampleSkin(u"Blobby"_s));
        // Blobby is 120 pixels wide: it is pulled back to 904.
        ASSERT_TRUE(run.WriteSettings({{u"Left"_s, Twips(1000)},
                                       {u"Top"_s, Twips(300)},
                                       {u"Blink"_s, u"FALSE"_s},
                                       {u"OnTop"_s, u"no"_s},
                                       {u"Speed"_s, u"150"_s},
                                       {u"Skin"_s, u"  Blobby  "_s}}));
        ASSERT_TRUE(run.Start());
        ASSERT_TRUE(!row.MenuOpen || UseMenu(QPoint(904 + 60, 300 + 45), {})) << "no popup menu";
        ASSERT_TRUE(!row.Signals.empty() || Probe().SendDeleteWindow(run.Window()));
        for (const int signal : row.Signals)
            run.Signal(signal);
        EXPECT_EQ(std::optional<int>(0), run.WaitExit());
        const QMap<QString, QString> expected{{u"left"_s, Twips(904)},
                                              {u"top"_s, Twips(300)},
                                              {u"blink"_s, u"False"_s},
                                              {u"ontop"_s, u"False"_s},
                                              {u"speed"_s, u"100"_s},
                                              {u"skin"_s, u"Blobby"_s},
                                              {u"hideoverfullscreen"_s, u"True"_s},
                                              {u"allworkspaces"_s, u"True"_s},
                                              {u"clickthrough"_s, u"False"_s},
                                              {u"size"_s, u"100"_s},
                                              {u"hotkey"_s, u"Ctrl+Alt+O"_s},
                                              {u"pointernotice"_s, u"True"_s},
                                              {u"dozeafter"_s, u"5"_s}};
        EXPECT_EQ(expected, run.ReadSettings());
        // No temporary file of an unfinished save is left beside the settings.
        EXPECT_EQ(QStringList({u"Z Orbo.ini"_s, u"orbo.log"_s}),
                  QDir(run.ConfigFolder()).entryList(QDir::Files | QDir::Hidden, QDir::Name));
    }
}

// A full disk at the end costs nothing that was saved before: the settings file is left byte for
// byte, no temporary file stays beside it, and one line and the exit status say the save failed.
TEST(Handling, FullDiskKeepsTheSettingsFile) {
    for (const long limit : {0L, 40L}) {
        SCOPED_TRACE(limit);
        OrboRun run;
        ASSERT_TRUE(run.WriteSettings({{u"Left"_s, Twips(200)}, {u"Top"_s, Twips(100)}}));
        const QByteArray before = Contents(run.SettingsFile());
        run.LimitFileSize(limit);
        ASSERT_TRUE(run.Start());
        Drag(QPoint(200, 100) + kGrab, QPoint(400, 300) + kGrab);
        ASSERT_TRUE(WaitFor([&] { return run.Geometry().topLeft() == QPoint(400, 300); }));
        run.Signal(SIGTERM);
        EXPECT_EQ(std::optional<int>(1), run.WaitExit());
        const QString said = run.Output();
        EXPECT_EQ(1, said.count(run.SettingsFile() + u": File too large\n"_s))
            << said.toStdString();
        EXPECT_EQ(before.toStdString(), Contents(run.SettingsFile()).toStdString());
        EXPECT_EQ(QStringList({u"Z Orbo.ini"_s}),
                  QDir(run.ConfigFolder()).entryList(QDir::Files | QDir::Hidden, QDir::Name));
    }
}

// Under a window manager: no taskbar or pager entry, on top, on every workspace, the focus left
// where the user types; the options window, framed, goes beside the creature with its frame.
TEST(Handling, DesktopToyUnderOpenbox) {
    QProcess openbox;
    ASSERT_TRUE(StartOpenbox(openbox)) << "openbox did not start";
    OrboRun run;
    ASSERT_TRUE(MakePlainSkin(run.SkinsFolder() + u"/Wall"_s, kScreen, Qt::blue));
    ASSERT_TRUE(run.Start());
    const QStringList states = Probe().AtomNames(run.Window(), "_NET_WM_STATE");
    for (const char* state :
         {"_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER", "_NET_WM_STATE_ABOVE"})
        EXPECT_TRUE(states.contains(QLatin1String(state))) << states.join(u' ').toStdString();
    // WM_HINTS: flags (1 the input field is set), then the input field itself.
    const auto hints = Probe().Property32(run.Window(), "WM_HINTS");
    EXPECT_TRUE(hints.size() >= 2 && (hints[0] & 1) != 0 && hints[1] == 0) << "takes the focus";

    const unsigned long typing = Probe().CreatePlainWindow(QRect(20, 20, 200, 120));
    ASSERT_TRUE(WaitFor([&] { return Probe().FocusedWindow() == typing; }));
    const QPoint before = run.Geometry().topLeft();
    Click(before + kGrab);
    Drag(before + kGrab, before + kGrab - QPoint(120, 90));
    EXPECT_TRUE(WaitFor([&] { return run.Geometry().topLeft() == before - QPoint(120, 90); }))
        << "the creature is at " << ::testing::PrintToString(run.Geometry().topLeft());
    EXPECT_EQ(typing, Probe().FocusedWindow());

    // Near the right edge the options window opens left of the creature; hidden, the creature
    // dragged back, it opens again right of it. Both times its frame lies beside the creature.
    const auto showBeside = [&](QPoint creature) {
        Drag(run.Geometry().topLeft() + kGrab, creature + kGrab);
        ASSERT_TRUE(WaitFor([&] { return run.Geometry().topLeft() == creature; }));
        const auto options = ShowOptions(run.Geometry().topLeft() + kGrab);
        ASSERT_TRUE(options) << "the options window did not appear";
        // _NET_FRAME_EXTENTS: left, right, top, bottom.
        const auto e = Probe().Property32(Probe().WaitMapped(kOptionsTitle, {}).value_or(0),
                                          "_NET_FRAME_EXTENTS");
        ASSERT_EQ(4u, e.size());
        const QRect frame =
            QRect(*options, QSize(306, 103)).adjusted(-int(e[0]), -int(e[2]), int(e[1]), int(e[3]));
        EXPECT_FALSE(frame.intersects(run.Geometry())) << ::testing::PrintToString(frame);
        EXPECT_TRUE(frame.adjusted(-1, -1, 1, 1).intersects(run.Geometry()))
            << "not beside the creature: " << ::testing::PrintToString(frame);
    };
    showBeside(QPoint(900, 300));
    ASSERT_TRUE(UseMenu(run.Geometry().topLeft() + kGrab, u"&Options"_s) &&
                Probe().WaitGone(kOptionsTitle, std::chrono::seconds(30)));
    showBeside(QPoint(400, 300));

    // The options window, opened by the user, takes the focus (what the keys then do is the
    // options window's own test).
    const unsigned long window = Probe().WaitMapped(kOptionsTitle, {}).value_or(0);
    EXPECT_TRUE(WaitFor([&] { return Probe().FocusedWindow() == window; }));

    // A skin as large as the screen chosen there: the creature, above all other windows, keeps
    // the options window above it (its lower half, the skin list, shows what it showed).
    const auto lowerHalf = [&] {
        return Shows(Probe().Geometry(window).value_or(QRect()).topLeft(), QRect(0, 52, 306, 51));
    };
    const QImage listShown = lowerHalf();
    // The list reads "< none >" and Wall: its first row clicked, one step down.
    Click(Probe().Geometry(window).value_or(QRect()).topLeft() + QPoint(kPageLeft + 45, 13));
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    ASSERT_TRUE(Probe().TapKey("Down"));
    ASSERT_TRUE(WaitFor([&] { return run.Geometry().size() == kScreen; })) << "no wall";
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_TRUE(WaitFor([&] { return lowerHalf() == listShown; })) << "the creature covers it";

    // Another workspace shown: the window typed in stays behind, the creature comes along.
    const auto shown = [](unsigned long window) {
        const auto all = Probe().ShownWindows();
        return std::find(all.begin(), all.end(), window) != all.end();
    };
    ASSERT_TRUE(RunOnDisplay(u"xdotool"_s, {u"set_desktop"_s, u"1"_s}));
    EXPECT_TRUE(WaitFor([&] { return !shown(typing); })) << "the workspace did not change";
    EXPECT_TRUE(shown(run.Window()));
}

} // namespace
} // namespace orbo::e2e
