// orbo.exe under Wine on Xvfb: Wine turns the window region into the X window's shape and keeps
// the settings in its registry, read back with Wine's own reg tool. The Wine prefix is the one
// WINEPREFIX names (made once per run by scripts/test-windows).
#include "e2e_env.h"

#include <QtCore/QProcess>
#include <QtCore/QRegularExpression>

#include <gtest/gtest.h>

#include <thread>

namespace orbo::e2e {
namespace {

const QString kKey = u"HKCU\\Software\\VB and VBA Program Settings\\Z Orbo\\Setting"_s;

// Runs a program of Wine's own; its output, or nothing when it failed.
std::optional<QString> RunWine(const QStringList& args) {
    QProcess wine;
    wine.start(u"env"_s, QStringList{u"DISPLAY="_s + Display(), u"wine"_s} + args);
    if (!wine.waitForFinished(60000) || wine.exitCode() != 0)
        return std::nullopt;
    return QString::fromLocal8Bit(wine.readAllStandardOutput());
}

// Replaces the settings key's values with these texts.
bool WriteRegistry(const QMap<QString, QString>& values) {
    RunWine({u"reg"_s, u"delete"_s, kKey, u"/f"_s});
    for (auto it = values.begin(); it != values.end(); ++it)
        if (!RunWine({u"reg"_s, u"add"_s, kKey, u"/v"_s, it.key(), u"/t"_s, u"REG_SZ"_s, u"/d"_s,
                      it.value(), u"/f"_s}))
            return false;
    return true;
}

// The values under the settings key as "name type data" lines, names lower-cased.
QStringList ReadRegistry() {
    const auto out = RunWine({u"reg"_s, u"query"_s, kKey});
    static const QRegularExpression line(u"^\\s+(\\S+)\\s+(REG_\\w+)\\s*(.*?)\\r?$"_s,
                                         QRegularExpression::MultilineOption);
    QStringList values;
    for (auto it = line.globalMatch(out.value_or(QString())); it.hasNext();) {
        const auto m = it.next();
        values.append(m.captured(1).toLower() + u' ' + m.captured(2) + u' ' + m.captured(3));
    }
    values.sort();
    return values;
}

TEST(Wine, ShapeAndEyes) {
    // Away from the top-left corner, where Wine shows the tray icon in a window of its own.
    const QPoint at(300, 200);
    ASSERT_TRUE(WriteRegistry({{u"Left"_s, Twips(at.x())}, {u"Top"_s, Twips(at.y())}}));
    OrboRun run;
    ASSERT_TRUE(run.Start()) << "no ORBO window was mapped";
    const QTemporaryDir builtIn; // no Skin.ini: the built-in skin
    for (const QPoint cursor : {QPoint(1000, 40), QPoint(40, 700)}) {
        SCOPED_TRACE(cursor.x());
        Probe().MovePointer(cursor.x(), cursor.y());
        // Auto eyes look from where they are: the rendering's cursor is moved with the window.
        EXPECT_EQ("", WaitForRendering(run.Window(), builtIn.path(), cursor - at,
                                       u"wine-%1"_s.arg(cursor.x())));
    }

    // After a long stillness the first move is answered at once, never only by the slow poll
    // (every 2 s) of a creature that stopped drawing.
    const auto woke = WakeAfterStillness(run, {1000, 40});
    ASSERT_TRUE(woke) << "the eyes never turned";
    EXPECT_LT(woke->count(), 500);
}

// A skin named in the registry is shown, its background a GIF; the position is read too.
TEST(Wine, RegistryNamedSkin) {
    OrboRun run;
    // A 40 x 30 lime block with a magenta corner, as a GIF.
    ASSERT_TRUE(
        CopyInto({QStringLiteral(ORBO_SOURCE_DIR "/tests/e2e/skins/Gif")}, run.SkinsFolder()));
    ASSERT_TRUE(
        WriteRegistry({{u"Skin"_s, u"Gif"_s}, {u"Left"_s, u"1500"_s}, {u"Top"_s, u"3000"_s}}));
    ASSERT_TRUE(run.Start());
    const QRegion expected = QRegion(0, 0, 40, 30).subtracted(QRegion(0, 0, 10, 10));
    WaitFor([&] { return Probe().Shape(run.Window()).xored(expected).isEmpty(); });
    EXPECT_EQ(QRect(100, 200, 40, 30), run.Geometry());
    EXPECT_TRUE(Probe().Shape(run.Window()).xored(expected).isEmpty());
}

// The options window opens beside the creature where there is room for it, and wholly on the
// screen above an always-on-top creature as large as the screen, where it stays while Always On
// Top is switched off and on again. Wine shows the window's inside, its frame left out.
TEST(Wine, OptionsWindowBesideElseAbove) {
    const QString menuClass = u"orbo.exe,orbo.exe"_s;
    const QRect screen(QPoint(0, 0), kScreen);
    const auto showOptions = [&](QPoint onCreature) {
        const auto window = UseMenu(onCreature, 0, menuClass)
                                ? Probe().WaitMapped(kOptionsTitle, std::chrono::seconds(30))
                                : std::nullopt;
        return window ? Probe().Geometry(*window).value_or(QRect()) : QRect();
    };
    {
        ASSERT_TRUE(WriteRegistry({{u"Left"_s, Twips(300)}, {u"Top"_s, Twips(200)}}));
        OrboRun run;
        ASSERT_TRUE(run.Start());
        const QRect shown = showOptions(QPoint(300 + 37, 200 + 30));
        ASSERT_TRUE(shown.isValid()) << "the options window did not appear";
        EXPECT_FALSE(shown.intersects(run.Geometry())) << ::testing::PrintToString(shown);
        EXPECT_TRUE(shown.adjusted(-1, -1, 1, 1).intersects(run.Geometry()))
            << "not beside the creature: " << ::testing::PrintToString(shown);
    }
    const QColor wall(0x12, 0x34, 0x56);
    OrboRun run;
    ASSERT_TRUE(MakePlainSkin(run.SkinsFolder() + u"/Wall"_s, kScreen, wall));
    ASSERT_TRUE(WriteRegistry({{u"Skin"_s, u"Wall"_s}}));
    ASSERT_TRUE(run.Start());
    ASSERT_TRUE(WaitFor([&] { return run.Geometry() == screen; }));
    const QRect shown = showOptions(QPoint(500, 300));
    ASSERT_TRUE(shown.isValid()) << "the options window did not appear";
    EXPECT_TRUE(screen.contains(shown)) << ::testing::PrintToString(shown);
    // The pointer away: hovering changes the controls.
    const auto shows = [&](const QRect& area) {
        Probe().MovePointer(5, kScreen.height() - 5);
        return Probe().Grab(area.translated(shown.topLeft()));
    };
    const auto uncovered = [&] {
        return WaitFor(
            [&] { return CountPixels(shows(QRect(QPoint(0, 0), shown.size())), wall) == 0; },
            std::chrono::seconds(10));
    };
    EXPECT_TRUE(uncovered()) << "the creature covers it";
    Click(shown.topLeft() + QPoint(20, 40)); // the Options entry of the menu column
    ASSERT_TRUE(WaitFor([&] { return shows(QRect(241, 80, 1, 1)).pixel(0, 0) == 0xFFC0C0C0; }))
        << "the Options page did not show";
    const QRect onTopIndicator(121, 16, 14, 13);
    for (const char* onTop : {"off", "on"}) {
        SCOPED_TRACE(onTop);
        const QImage before = shows(onTopIndicator);
        Click(shown.topLeft() + QPoint(127, 22));
        EXPECT_TRUE(WaitFor([&] { return shows(onTopIndicator) != before; }))
            << "Always On Top did not change";
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        EXPECT_TRUE(uncovered()) << "the creature covers it";
    }
}

// Exit from the menu, a close request and the end of the session all save the six values as
// texts.
TEST(Wine, EndingsSave) {
    for (const char* ending : {"Exit", "close request", "session end"}) {
        SCOPED_TRACE(ending);
        ASSERT_TRUE(WriteRegistry({{u"Left"_s, u"3000"_s},
                                   {u"Top"_s, u"1500"_s},
                                   {u"Speed"_s, u"150"_s},
                                   {u"Blink"_s, u"TRUE"_s}}));
        OrboRun run;
        ASSERT_TRUE(run.Start());
        EXPECT_EQ(QPoint(200, 100), run.Geometry().topLeft());
        if (ending[0] == 'E') {
            ASSERT_TRUE(UseMenu(QPoint(200 + 37, 100 + 40), 1, u"orbo.exe,orbo.exe"_s))
                << "no popup menu";
        } else if (ending[0] == 'c') {
            ASSERT_TRUE(Probe().SendDeleteWindow(run.Window()));
        } else {
            // WM_QUERYENDSESSION and WM_ENDSESSION to every program, as at log-off.
            ASSERT_TRUE(RunWine({u"wineboot"_s, u"--end-session"_s}));
        }
        ASSERT_TRUE(run.WaitExit(std::chrono::seconds(30))) << "orbo.exe did not end";
        EXPECT_EQ(
            QStringList({u"blink REG_SZ True"_s, u"left REG_SZ 3000"_s, u"ontop REG_SZ True"_s,
                         u"skin REG_SZ < none >"_s, u"speed REG_SZ 100"_s, u"top REG_SZ 1500"_s}),
            ReadRegistry());
    }
}

} // namespace
} // namespace orbo::e2e
