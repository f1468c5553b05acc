// orbo.exe under Wine on Xvfb (the window region becomes the X shape; settings in Wine's
// registry, prefix from WINEPREFIX), and the installer.
#include "e2e_env.h"

#include <QtCore/QDirIterator>
#include <QtCore/QProcess>
#include <QtCore/QRegularExpression>

#include <gtest/gtest.h>

#include <thread>

namespace orbo::e2e {
namespace {

const QString kKey = u"HKCU\\Software\\VB and VBA Program Settings\\Z Orbo\\Setting"_s;

// A program run under Wine: its output, or nothing; no desktop entries in the real home.
std::optional<QString> RunWine(const QStringList& args) {
    QProcess wine;
    wine.start(u"env"_s,
               QStringList{u"DISPLAY="_s + Display(),
                           u"WINEDLLOVERRIDES=mscoree,mshtml=;winemenubuilder.exe=d"_s, u"wine"_s} +
                   args);
    if (!wine.waitForFinished(60000) || wine.exitCode() != 0)
        return std::nullopt;
    return QString::fromLocal8Bit(wine.readAllStandardOutput());
}

// Replaces the settings key's values with these texts. Right after a test's orbo.exe was killed,
// Wine's reg has failed at once: each value is tried again for a while.
// Wine's idle time counts only input to its own windows and outlives each test, so a creature
// that is not there to doze is told never to.
bool WriteRegistry(QMap<QString, QString> values) {
    RunWine({u"reg"_s, u"delete"_s, kKey, u"/f"_s});
    if (!values.contains(u"DozeAfter"_s))
        values.insert(u"DozeAfter"_s, u"0"_s);
    for (auto it = values.begin(); it != values.end(); ++it)
        if (!WaitFor([&] {
                return RunWine({u"reg"_s, u"add"_s, kKey, u"/v"_s, it.key(), u"/t"_s, u"REG_SZ"_s,
                                u"/d"_s, it.value(), u"/f"_s})
                    .has_value();
            }))
            return false;
    return true;
}

// A key's values (the settings key's by default) as sorted "name type data" lines.
// A key that must be there is asked for again for a while: right after a test's orbo.exe ended,
// Wine's reg has failed at once on a busy machine.
QStringList ReadRegistry(const QString& key = kKey, bool present = false) {
    std::optional<QString> out;
    WaitFor([&] {
        out = RunWine({u"reg"_s, u"query"_s, key});
        return out || !present;
    });
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

// The scale of programs Wine starts from now on (the user's LogPixels, read before the machine's);
// removed at the end, so the other tests run at 96 dpi.
class WineDpi {
public:
    explicit WineDpi(int dpi)
        : set_(RunWine({u"reg"_s, u"add"_s, kDesktopKey, u"/v"_s, u"LogPixels"_s, u"/t"_s,
                        u"REG_DWORD"_s, u"/d"_s, QString::number(dpi), u"/f"_s})
                   .has_value()) {}
    ~WineDpi() { RunWine({u"reg"_s, u"delete"_s, kDesktopKey, u"/v"_s, u"LogPixels"_s, u"/f"_s}); }
    WineDpi(const WineDpi&) = delete;
    WineDpi& operator=(const WineDpi&) = delete;
    bool Set() const { return set_; }

private:
    static inline const QString kDesktopKey = u"HKCU\\Control Panel\\Desktop"_s;
    bool set_;
};

// A point of device-independent pixels in device pixels (all used here are whole).
QPoint Device(QPoint pixels, double scale) {
    return (QPointF(pixels) * scale).toPoint();
}

// The screen in device-independent pixels at this scale, as Qt rounds it.
QSize ScreenPixels(double scale) {
    return (QSizeF(kScreen) / scale).toSize();
}

// A point of the built-in creature's body, from its top-left corner (device-independent pixels).
constexpr QPoint kOnCreature(37, 40);
const QString kWineClass = u"orbo.exe,orbo.exe"_s;

// At each scale the creature is whole and cut to its outline, takes a drag and a right click,
// and comes back where it was left; "Always On Top" turned off leaves it as it is.
TEST(Wine, ScaledDisplays) {
    struct Row {
        int Dpi;
        double Scale;
    };
    const QTemporaryDir builtIn;
    const QPoint at(240, 160);
    // Device pixels: multiples of 30 are whole device-independent pixels at each scale.
    const QPoint pointer(990, 30);
    const QPoint move(60, 30);
    for (const Row row : {Row{120, 1.25}, Row{144, 1.5}, Row{192, 2}}) {
        SCOPED_TRACE(row.Dpi);
        const WineDpi dpi(row.Dpi);
        ASSERT_TRUE(dpi.Set());
        ASSERT_TRUE(WriteRegistry({{u"Left"_s, Twips(at.x())}, {u"Top"_s, Twips(at.y())}}));
        const QPoint moved = at + (QPointF(move) / row.Scale).toPoint();
        QRect shown;
        {
            OrboRun run;
            ASSERT_TRUE(run.Start()) << "no ORBO window was mapped";
            EXPECT_EQ(Device(at, row.Scale), run.Geometry().topLeft());
            Probe().MovePointer(pointer.x(), pointer.y());
            const QPoint cursor = (QPointF(pointer) / row.Scale).toPoint() - at;
            EXPECT_EQ("", WaitForRendering(run.Window(), builtIn.path(), cursor,
                                           u"wine-%1dpi"_s.arg(row.Dpi), "0,0,0", row.Scale,
                                           ScreenPixels(row.Scale)));

            const QPoint grab = Device(at + kOnCreature, row.Scale);
            Drag(grab, grab + move);
            WaitFor([&] { return run.Geometry().topLeft() == Device(moved, row.Scale); });
            shown = run.Geometry();
            EXPECT_EQ(Device(moved, row.Scale), shown.topLeft()) << "the drag did not move it";

            const auto options = ShowOptions(Device(moved + kOnCreature, row.Scale), kWineClass);
            ASSERT_TRUE(options) << "the options window did not appear";
            // The Options entry of the menu column, then the check box on that page
            // (device-independent pixels of the options window).
            Click(*options + Device({20, 40}, row.Scale));
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            Click(*options + Device({kPageLeft + 86, 22}, row.Scale));
            // The call that changed the stacking moved and shrank it when it took the wrong pixels.
            std::this_thread::sleep_for(std::chrono::seconds(1));
            EXPECT_EQ(shown, run.Geometry());
            ASSERT_TRUE(UseMenu(Device(moved + kOnCreature, row.Scale), u"&Exit"_s, kWineClass))
                << "no popup menu";
            ASSERT_TRUE(run.WaitExit(std::chrono::seconds(30))) << "orbo.exe did not end";
        }
        const QStringList stored = ReadRegistry(kKey, true);
        EXPECT_TRUE(stored.contains(u"left REG_SZ "_s + Twips(moved.x())))
            << stored.join(u", ").toStdString();
        EXPECT_TRUE(stored.contains(u"top REG_SZ "_s + Twips(moved.y())))
            << stored.join(u", ").toStdString();
        EXPECT_TRUE(stored.contains(u"ontop REG_SZ False"_s)) << "Always On Top did not change";
        OrboRun again;
        ASSERT_TRUE(again.Start());
        EXPECT_EQ(shown, again.Geometry()) << "not where it was left";
    }
}

// The animation's rest; a second orbo.exe hands over. Clicks let through as stored: a right click
// opens no menu till a second start turns it off (Wine passes clicks on to its own windows only).
TEST(Wine, WakesAtOnceAfterStillnessAndASecondStartHandsOver) {
    // Away from the top-left corner, where Wine shows the tray icon in a window of its own.
    ASSERT_TRUE(WriteRegistry(
        {{u"Left"_s, Twips(300)}, {u"Top"_s, Twips(200)}, {u"ClickThrough"_s, u"True"_s}}));
    OrboRun first;
    ASSERT_TRUE(first.Start()) << "no ORBO window was mapped";
    ASSERT_EQ(QPoint(300, 200), first.Geometry().topLeft());
    // After a long stillness the first move is answered at once, never only by the slow poll
    // (every 2 s) of a creature that stopped drawing.
    const auto woke = WakeAfterStillness(first, {1000, 40});
    ASSERT_TRUE(woke) << "the eyes never turned";
    EXPECT_LT(woke->count(), 500);
    EXPECT_FALSE(UseMenu(QPoint(300, 200) + kOnCreature, {}, kWineClass))
        << "the creature took the click";

    // Shown, and hidden from its menu: the second start shows it where it stands.
    for (const bool hidden : {false, true}) {
        SCOPED_TRACE(hidden ? "hidden" : "shown");
        if (hidden) {
            ASSERT_TRUE(UseMenu(QPoint(300, 200) + kOnCreature, u"&Hide"_s, kWineClass))
                << "no popup menu after the second start";
            ASSERT_TRUE(Probe().WaitGone(kTitle, std::chrono::seconds(30))) << "not hidden";
        }
        const auto second = OrboRun().Run({}, {}, std::chrono::seconds(60));
        ASSERT_TRUE(second) << "the second orbo.exe did not end";
        EXPECT_EQ(0, second->Status);
        ASSERT_TRUE(Probe().WaitMapped(kTitle, std::chrono::seconds(30))) << "not shown";
        std::this_thread::sleep_for(std::chrono::seconds(1));
        EXPECT_EQ(QPoint(300, 200), first.Geometry().topLeft()) << "moved";
    }
    EXPECT_TRUE(first.Alive());
}

// Windows' idle time, which Wine counts from the input its own windows get: after the wait (0.05
// minutes) the eyes look just below the creature and the lid shuts; a move over the creature wakes
// it, the eyes on the pointer.
TEST(Wine, AwayTheCreatureDozesUntilAMoveOverIt) {
    ASSERT_TRUE(WriteRegistry({{u"Left"_s, Twips(300)},
                               {u"Top"_s, Twips(200)},
                               {u"Skin"_s, u"Dozy"_s},
                               {u"DozeAfter"_s, u"0.05"_s}}));
    OrboRun run;
    Probe().MovePointer(900, 600);
    const QString skin = StartWithSkin(run, u"Dozy"_s, kDozySamples);
    ASSERT_FALSE(skin.isEmpty());
    const QRect place = run.Geometry();
    EXPECT_EQ("", WaitForRendering(run.Window(), skin, BelowCreature(place), u"wine-dozing"_s,
                                   "1,1,1", 1, {}, 100, place.topLeft()));
    const QPoint over = place.topLeft() + kOnCreature;
    Probe().MovePointer(over.x(), over.y());
    EXPECT_EQ("", WaitForRendering(run.Window(), skin, over, u"wine-woken"_s, "0,0,0", 1, {}, 100,
                                   place.topLeft()));
}

// The hot key; Wine hears keys only while its own window has the keyboard (here the options).
TEST(Wine, HotKeyHidesAndShowsTheCreature) {
    QProcess openbox;
    ASSERT_TRUE(StartOpenbox(openbox));
    ASSERT_TRUE(WriteRegistry({{u"Left"_s, Twips(300)}, {u"Top"_s, Twips(200)}}));
    OrboRun run;
    ASSERT_TRUE(run.Start());
    const auto options = ShowOptions(QPoint(300, 200) + kOnCreature, kWineClass);
    ASSERT_TRUE(options) << "the options window did not appear";
    Click(*options + QPoint(150, 60));
    for (const bool shown : {false, true}) {
        ASSERT_TRUE(Probe().TapKey("o", {"Control_L", "Alt_L"}));
        EXPECT_TRUE(shown ? Probe().WaitMapped(kTitle, std::chrono::seconds(30)).has_value()
                          : Probe().WaitGone(kTitle, std::chrono::seconds(30)))
            << (shown ? "not shown" : "not hidden");
    }
}

// The options window opens above a creature as large as the screen (Wine shows it frameless),
// and stays above when "Always On Top" is switched off and on again.
TEST(Wine, OptionsWindowAboveACreatureAsLargeAsTheScreen) {
    const QColor wall(0x12, 0x34, 0x56);
    OrboRun run;
    ASSERT_TRUE(MakePlainSkin(run.SkinsFolder() + u"/Wall"_s, kScreen, wall));
    ASSERT_TRUE(WriteRegistry({{u"Skin"_s, u"Wall"_s}}));
    ASSERT_TRUE(run.Start());
    const QRect screen(QPoint(0, 0), kScreen);
    ASSERT_TRUE(WaitFor([&] { return run.Geometry() == screen; }));
    const auto options = ShowOptions(QPoint(500, 300), kWineClass);
    ASSERT_TRUE(options) << "the options window did not appear";
    const QRect shown(*options, QSize(306, 103));
    EXPECT_TRUE(screen.contains(shown)) << ::testing::PrintToString(*options);
    // Until the window first paints, the screen still shows what was there before.
    const auto uncovered = [&] {
        return WaitFor([&] { return PixelsOf(Probe().Grab(shown), wall.rgb()).isEmpty(); },
                       std::chrono::seconds(10));
    };
    EXPECT_TRUE(uncovered()) << "the creature covers it";
    ASSERT_TRUE(ShowOptionsPage(*options)) << "the Options page did not show";
    const QRect onTopIndicator(kPageLeft + 80, 16, 14, 13);
    for (const char* onTop : {"off", "on"}) {
        SCOPED_TRACE(onTop);
        const QImage before = Shows(*options, onTopIndicator);
        Click(*options + QPoint(kPageLeft + 86, 22));
        EXPECT_TRUE(WaitFor([&] { return Shows(*options, onTopIndicator) != before; }))
            << "Always On Top did not change";
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        EXPECT_TRUE(uncovered()) << "the creature covers it";
    }
}

// The registry's skin (a GIF) shows; a close request and the session's end save texts.
TEST(Wine, RegistryNamedSkinAndEndingsSave) {
    // A 40 x 30 lime block with a magenta corner.
    const QRegion gif = QRegion(0, 0, 40, 30).subtracted(QRegion(0, 0, 10, 10));
    for (const char* ending : {"close request", "session end"}) {
        SCOPED_TRACE(ending);
        ASSERT_TRUE(WriteRegistry({{u"Left"_s, u"3000"_s},
                                   {u"Top"_s, u"1500"_s},
                                   {u"Speed"_s, u"150"_s},
                                   {u"Blink"_s, u"TRUE"_s},
                                   {u"Skin"_s, u"Gif"_s}}));
        OrboRun run;
        ASSERT_TRUE(
            CopyInto({QStringLiteral(ORBO_SOURCE_DIR "/tests/e2e/skins/Gif")}, run.SkinsFolder()));
        ASSERT_TRUE(run.Start());
        EXPECT_TRUE(WaitFor([&] { return Probe().Shape(run.Window()).xored(gif).isEmpty(); }));
        EXPECT_EQ(QRect(200, 100, 40, 30), run.Geometry());
        // Else WM_QUERYENDSESSION and WM_ENDSESSION to every program, as at log-off.
        ASSERT_TRUE(ending[0] == 'c' ? Probe().SendDeleteWindow(run.Window())
                                     : RunWine({u"wineboot"_s, u"--end-session"_s}).has_value());
        ASSERT_TRUE(run.WaitExit(std::chrono::seconds(30))) << "orbo.exe did not end";
        EXPECT_EQ(QStringList({u"allworkspaces REG_SZ True"_s, u"blink REG_SZ True"_s,
                               u"clickthrough REG_SZ False"_s, u"dozeafter REG_SZ 0"_s,
                               u"hideoverfullscreen REG_SZ True"_s, u"hotkey REG_SZ Ctrl+Alt+O"_s,
                               u"left REG_SZ 3000"_s, u"ontop REG_SZ True"_s,
                               u"pointernotice REG_SZ True"_s, u"size REG_SZ 100"_s,
                               u"skin REG_SZ Gif"_s, u"speed REG_SZ 100"_s, u"top REG_SZ 1500"_s}),
                  ReadRegistry(kKey, true));
    }
}

// A variable of Wine's environment (a folder of the user's), and where the Linux side sees a path.
QString Variable(const QString& name) {
    return RunWine({u"cmd"_s, u"/c"_s, u"echo"_s, u'%' + name + u'%'})
        .value_or(QString())
        .trimmed();
}
QString UnixPath(const QString& windowsPath) {
    return RunWine({u"winepath"_s, u"-u"_s, windowsPath}).value_or(QString()).trimmed();
}

// Every file under a folder, as relative paths.
QStringList Files(const QString& folder) {
    QStringList files;
    for (QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
        files.append(QDir(folder).relativeFilePath(it.next()));
    files.sort();
    return files;
}

// The installer, silent, for one user: files, shortcut, Uninstall and Run values; an upgrade
// keeps start at login, settings and the user's skin; the uninstaller leaves only those, the
// settings too when asked. A damaged 1.0.0 list of skins never makes either remove more.
TEST(Wine, InstallUpgradeUninstall) {
    const QString setup = QStringLiteral(ORBO_WINDOWS_SETUP);
    const QString uninstallKey =
        u"HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Orbo"_s;
    const QString runKey = u"HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Run"_s;
    const QString folder = Variable(u"LOCALAPPDATA"_s) + u"\\Programs\\Orbo"_s;
    const QString installed = UnixPath(folder);
    const QString shortcut = UnixPath(Variable(u"APPDATA"_s) +
                                      u"\\Microsoft\\Windows\\Start Menu\\Programs\\Orbo.lnk"_s);
    ASSERT_FALSE(installed.isEmpty());
    QDir(installed).removeRecursively(); // what a run before this one left
    const QString runValue = u"orbo REG_SZ \"%1\\orbo.exe\""_s.arg(folder);
    QStringList shipped = Files(QStringLiteral(ORBO_WINDOWS_ZIP_FOLDER));
    shipped << u"uninstall.exe"_s;
    shipped.sort();

    ASSERT_TRUE(RunWine({setup, u"/S"_s, u"/AUTOSTART=1"_s})) << "the installer failed";
    EXPECT_EQ(shipped, Files(installed));
    EXPECT_TRUE(QFileInfo(shortcut).isFile()) << "no Start-menu shortcut";
    const QStringList listed = ReadRegistry(uninstallKey);
    EXPECT_TRUE(listed.contains(u"installlocation REG_SZ "_s + folder))
        << listed.join(u", ").toStdString();
    EXPECT_TRUE(
        listed.contains(u"quietuninstallstring REG_SZ \"%1\\uninstall.exe\" /S"_s.arg(folder)))
        << listed.join(u", ").toStdString();
    EXPECT_TRUE(ReadRegistry(runKey).contains(runValue))
        << ReadRegistry(runKey).join(u", ").toStdString();

    // Shown at its stored place with the installed Compass skin; a close request saves.
    ASSERT_TRUE(WriteRegistry(
        {{u"Skin"_s, u"Compass"_s}, {u"Left"_s, Twips(300)}, {u"Top"_s, Twips(200)}}));
    {
        QProcess orbo;
        orbo.start(u"env"_s, {u"DISPLAY="_s + Display(), u"wine"_s, folder + u"\\orbo.exe"_s});
        const auto window = Probe().WaitMapped(kTitle, std::chrono::seconds(60));
        ASSERT_TRUE(window) << "the installed orbo.exe shows no window";
        EXPECT_EQ(QRect(QPoint(300, 200), QImage(kSampleSkins + u"/Compass/compass.bmp"_s).size()),
                  Probe().Geometry(*window).value_or(QRect()));
        ASSERT_TRUE(Probe().SendDeleteWindow(*window));
        ASSERT_TRUE(orbo.waitForFinished(30000)) << "orbo.exe did not end";
    }
    const QStringList settings = ReadRegistry();
    ASSERT_TRUE(settings.contains(u"skin REG_SZ Compass"_s)) << settings.join(u", ").toStdString();

    ASSERT_TRUE(MakePlainSkin(installed + u"/Skins/Mine"_s, QSize(20, 20), Qt::green));
    const QStringList mine = {u"Skins/Mine/Skin.ini"_s, u"Skins/Mine/back.bmp"_s};
    QStringList upgraded = shipped + mine;
    upgraded.sort();
    // Silently, a running Orbo is closed without asking.
    QProcess running;
    running.start(u"env"_s, {u"DISPLAY="_s + Display(), u"wine"_s, folder + u"\\orbo.exe"_s});
    ASSERT_TRUE(Probe().WaitMapped(kTitle, std::chrono::seconds(60)));
    ASSERT_TRUE(RunWine({setup, u"/S"_s})) << "the upgrade failed";
    EXPECT_TRUE(running.waitForFinished(30000)) << "the upgrade left Orbo running";
    EXPECT_EQ(upgraded, Files(installed));
    EXPECT_TRUE(ReadRegistry(runKey).contains(runValue)) << "the upgrade turned start at login off";
    EXPECT_EQ(settings, ReadRegistry());

    // The uninstaller copies itself elsewhere and returns at once; removing the Uninstall key is
    // the last thing it does.
    const auto uninstall = [&](const QStringList& options) {
        return RunWine(QStringList{folder + u"\\uninstall.exe"_s, u"/S"_s} + options) &&
               WaitFor([&] { return ReadRegistry(uninstallKey).isEmpty(); },
                       std::chrono::seconds(60));
    };
    ASSERT_TRUE(uninstall({})) << "the uninstaller did not finish";
    EXPECT_EQ(mine, Files(installed));
    EXPECT_FALSE(QFileInfo::exists(shortcut));
    EXPECT_FALSE(ReadRegistry(runKey).contains(runValue));
    EXPECT_EQ(settings, ReadRegistry());

    ASSERT_TRUE(RunWine({setup, u"/S"_s}));
    ASSERT_TRUE(uninstall({u"/REMOVESETTINGS=1"_s})) << "the uninstaller did not finish";
    EXPECT_EQ(mine, Files(installed));
    EXPECT_EQ(QStringList(), ReadRegistry());

    const QString beside = QFileInfo(installed).path() + u"/Beside.txt"_s;
    ASSERT_TRUE(QFile(beside).open(QIODevice::WriteOnly));
    for (const char* line : {" ", ". ", "\t", ".. ", "..\t", ".\\|."}) {
        SCOPED_TRACE(::testing::PrintToString(std::string(line)));
        const auto damage = [&] {
            QFile list(installed + u"/shipped-skins.txt"_s);
            return list.open(QIODevice::WriteOnly) && list.write(line + "\r\n"_ba) > 0;
        };
        ASSERT_TRUE(MakePlainSkin(installed + u"/Skins/Mine"_s, QSize(20, 20), Qt::green));
        ASSERT_TRUE(damage());
        ASSERT_TRUE(RunWine({setup, u"/S"_s})) << "the upgrade failed";
        EXPECT_EQ(upgraded, Files(installed));
        ASSERT_TRUE(damage());
        ASSERT_TRUE(uninstall({})) << "the uninstaller did not finish";
        EXPECT_EQ(mine, Files(installed));
        EXPECT_TRUE(QFileInfo::exists(beside));
    }
}

} // namespace
} // namespace orbo::e2e
