// The creature's own menu and the tray's, under openbox.
#include "e2e_env.h"

#include <QtCore/QFile>
#include <QtCore/QProcess>

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <thread>
#include <vector>

namespace orbo::e2e {
namespace {

using namespace std::chrono_literals;

// An XEMBED system tray of its own process, as a panel started at login would be.
const QString kTray = u"trayer"_s;

// Orbo's tray icon, once a tray holds it: a window of Orbo's inside one of the tray's.
std::optional<QRect> EmbeddedIcon() {
    for (const unsigned long window : Probe().ShownWindows()) {
        if (!Probe().WmClass(window).startsWith(u"orbo,"_s) || Probe().Title(window) == kTitle)
            continue;
        for (unsigned long up = Probe().Parent(window); up != 0 && up != Probe().Root();
             up = Probe().Parent(up))
            if (Probe().WmClass(up).contains(kTray, Qt::CaseInsensitive))
                return Probe().Geometry(window);
    }
    return std::nullopt;
}

// No tray (as on stock GNOME): each desktop choice is changed from the creature's own menu and its
// effect shows; hidden from there, the creature comes back with a second start, where it was.
TEST(Menu, TheCreatureReachesEveryChoiceWithNoTray) {
    QProcess openbox;
    ASSERT_TRUE(StartOpenbox(openbox)) << "openbox did not start";
    OrboRun run;
    ASSERT_TRUE(run.WriteSettings({{u"Left"_s, Twips(300)}, {u"Top"_s, Twips(200)}}));
    ASSERT_TRUE(run.Start());
    const QRect place = run.Geometry();
    const QPoint on = place.topLeft() + QPoint(37, 30);
    const auto shown = [] { return Probe().WaitMapped(kTitle, 0ms).has_value(); };

    const QString entry = run.ConfigFolder() + u"/autostart/orbo.desktop"_s;
    for (const bool atLogin : {true, false}) {
        ASSERT_TRUE(UseMenu(on, u"Start at &login"_s)) << "no popup menu";
        EXPECT_TRUE(WaitFor([&] { return QFile::exists(entry) == atLogin; })) << atLogin;
    }
    // Off every workspace but the one it is on, as openbox keeps it.
    ASSERT_TRUE(UseMenu(on, u"Show on every &workspace"_s));
    EXPECT_TRUE(WaitFor([&] {
        return Probe().Property32(run.Window(), "_NET_WM_DESKTOP") == std::vector<unsigned long>{0};
    })) << "still on every workspace";
    // No longer out of the way of a full-screen window.
    ASSERT_TRUE(UseMenu(on, u"Hide over &full-screen windows"_s));
    const unsigned long film = Probe().CreatePlainWindow(QRect(500, 400, 300, 200));
    ASSERT_TRUE(Probe().SetFullScreen(film, true));
    std::this_thread::sleep_for(2s);
    EXPECT_TRUE(shown()) << "hidden for a full-screen window though told not to";
    // Its frame, over the whole screen, goes a moment after it: the next click must reach the
    // creature.
    const unsigned long frame = Probe().Parent(film);
    Probe().DestroyWindow(film);
    ASSERT_TRUE(WaitFor([&] { return !Probe().Geometry(frame); })) << "the frame stayed";

    ASSERT_TRUE(UseMenu(on, u"&Hide"_s));
    ASSERT_TRUE(Probe().WaitGone(kTitle, 30s)) << "not hidden";
    const auto second = OrboRun().Run({});
    ASSERT_TRUE(second && second->Status == 0) << "the second start did not hand over";
    ASSERT_TRUE(Probe().WaitMapped(kTitle, 30s)) << "a second start did not show it";
    EXPECT_EQ(place, run.Geometry());

    ASSERT_TRUE(UseMenu(on, u"&Exit"_s));
    ASSERT_EQ(std::optional<int>(0), run.WaitExit());
    const auto saved = run.ReadSettings();
    EXPECT_EQ(u"False", saved.value(u"hideoverfullscreen"_s));
    EXPECT_EQ(u"False", saved.value(u"allworkspaces"_s));
}

// A window manager and panel that start after Orbo, the creature off every screen: the icon's
// "Bring back" centres and saves it; clicks on the icon hide and show it.
TEST(Tray, StartedAfterOrboShowsTheIconThatBringsBackHidesAndShows) {
    OrboRun run;
    ASSERT_TRUE(run.Start());
    const QSize size = run.Geometry().size();
    // No window manager yet to keep a part of it on the screen.
    ASSERT_TRUE(RunOnDisplay(
        u"xdotool"_s, {u"windowmove"_s, QString::number(run.Window()), u"3000"_s, u"2000"_s}));
    ASSERT_TRUE(WaitFor([&] { return run.Geometry().topLeft() == QPoint(3000, 2000); }));
    EXPECT_FALSE(EmbeddedIcon());

    QProcess openbox;
    ASSERT_TRUE(StartOpenbox(openbox)) << "openbox did not start";
    QProcess tray;
    // A panel: the work area is the screen less the tray's strip.
    tray.start(u"env"_s, {u"DISPLAY="_s + Display(), kTray, u"--SetDockType"_s, u"true"_s,
                          u"--SetPartialStrut"_s, u"true"_s});
    std::optional<QRect> icon;
    // The tray, a process of its own, may be slow to start on a busy machine.
    ASSERT_TRUE(WaitFor([&] { return (icon = EmbeddedIcon()).has_value(); }, 20s))
        << "no icon in the tray started after Orbo";
    // Orbo's icon shows there: more than the tray's background.
    ASSERT_TRUE(WaitFor([&] {
        const QImage shown = Probe().Grab(*icon);
        std::set<QRgb> colours;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                colours.insert(shown.pixel(x, y));
        return colours.size() > 3;
    })) << "the tray shows no icon";
    std::vector<unsigned long> workArea;
    ASSERT_TRUE(WaitFor([&] {
        workArea = Probe().Property32(Probe().Root(), "_NET_WORKAREA");
        return workArea.size() >= 4 && workArea[3] < unsigned(kScreen.height());
    })) << "the panel takes no room";
    EXPECT_EQ(QPoint(3000, 2000), run.Geometry().topLeft()) << "openbox moved the creature";

    ASSERT_TRUE(UseMenu(icon->center(), u"&Bring back"_s)) << "the tray icon's menu did not show";
    const QRect area{int(workArea[0]), int(workArea[1]), int(workArea[2]), int(workArea[3])};
    const QPoint centre = area.topLeft() + QPoint((area.width() - size.width()) / 2,
                                                  (area.height() - size.height()) / 2);
    EXPECT_TRUE(WaitFor([&] { return run.Geometry().topLeft() == centre; }))
        << "brought back to " << ::testing::PrintToString(run.Geometry().topLeft()) << ", not "
        << ::testing::PrintToString(centre);
    // Saved while the program runs on, not only when it ends.
    EXPECT_TRUE(WaitFor([&] {
        const auto saved = run.ReadSettings();
        return saved.value(u"left"_s) == Twips(centre.x()) &&
               saved.value(u"top"_s) == Twips(centre.y());
    })) << "the place was not saved";

    Click(icon->center());
    EXPECT_TRUE(Probe().WaitGone(kTitle, std::chrono::seconds(30))) << "not hidden";
    // Further apart than a double click, which is no second click.
    std::this_thread::sleep_for(std::chrono::milliseconds(600));
    Click(icon->center());
    ASSERT_TRUE(Probe().WaitMapped(kTitle, std::chrono::seconds(30))) << "not shown again";
    EXPECT_TRUE(WaitFor([&] { return run.Geometry() == QRect(centre, size); }))
        << "shown at " << ::testing::PrintToString(run.Geometry());
    EXPECT_TRUE(WaitFor([&] {
        return Probe().AtomNames(run.Window(), "_NET_WM_STATE").contains(u"_NET_WM_STATE_ABOVE"_s);
    })) << "no longer always on top";

    ASSERT_TRUE(UseMenu(run.Geometry().topLeft() + QPoint(37, 30), u"&Exit"_s));
    EXPECT_EQ(std::optional<int>(0), run.WaitExit());
}

} // namespace
} // namespace orbo::e2e
