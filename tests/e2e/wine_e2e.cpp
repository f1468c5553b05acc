// orbo.exe under Wine on Xvfb: Wine turns the window region into the X window's shape and
// keeps the settings in its registry, so the same X checks as on Linux apply, and the registry
// is read back with Wine's own reg tool. The Wine prefix is the one WINEPREFIX names (made once
// per run by scripts/test-windows).
#include "e2e_env.h"
#include "motion_expect.h"

#include <QtCore/QProcess>
#include <QtCore/QRegularExpression>

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace orbo::e2e {
namespace {

const QString kExe = QStringLiteral(ORBO_WINDOWS_EXE);
const QString kResources = QStringLiteral(ORBO_SOURCE_DIR "/src/resources/");
const QString kKey = QStringLiteral("HKCU\\Software\\VB and VBA Program Settings\\Z Orbo\\Setting");
constexpr QRgb kLime = 0xCCFF00;
constexpr QRgb kBlack = 0x000000;
const EyeBox kEye1{10, 53, 32, 34, 17, 16};
const EyeBox kEye2{43, 62, 22, 22, 7, 7};

// Runs a Windows program of Wine's own; its output, or nothing when it failed.
std::optional<QString> RunWine(const QStringList& args) {
    QProcess wine;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), Server().Display());
    wine.setProcessEnvironment(env);
    wine.start(QStringLiteral("wine"), args);
    if (!wine.waitForFinished(60000) || wine.exitCode() != 0)
        return std::nullopt;
    return QString::fromLocal8Bit(wine.readAllStandardOutput());
}

std::optional<QString> Reg(const QStringList& args) {
    return RunWine(QStringList{QStringLiteral("reg")} + args);
}

// The values under the settings key, names lower-cased, with their registry types.
struct RegValue {
    QString Type;
    QString Data;
};
QMap<QString, RegValue> ReadRegistry() {
    QMap<QString, RegValue> values;
    const auto out = Reg({QStringLiteral("query"), kKey});
    if (!out)
        return values;
    static const QRegularExpression line(QStringLiteral("^\\s+(\\S+)\\s+(REG_\\w+)\\s*(.*?)\\r?$"),
                                         QRegularExpression::MultilineOption);
    for (auto it = line.globalMatch(*out); it.hasNext();) {
        const auto m = it.next();
        values[m.captured(1).toLower()] = {m.captured(2), m.captured(3)};
    }
    return values;
}

void ClearRegistry() {
    Reg({QStringLiteral("delete"), kKey, QStringLiteral("/f")});
}

bool WriteRegistry(const QMap<QString, QString>& values) {
    for (auto it = values.begin(); it != values.end(); ++it) {
        if (!Reg({QStringLiteral("add"), kKey, QStringLiteral("/v"), it.key(), QStringLiteral("/t"),
                  QStringLiteral("REG_SZ"), QStringLiteral("/d"), it.value(),
                  QStringLiteral("/f")}))
            return false;
    }
    return true;
}

// orbo.exe copied into a program folder of its own with a Skins folder beside it.
class WineRun {
public:
    WineRun() {
        QFile::copy(kExe, program_.filePath(QStringLiteral("orbo.exe")));
        QDir(program_.path()).mkdir(QStringLiteral("Skins"));
    }
    ~WineRun() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
    }
    QString SkinsFolder() const { return program_.filePath(QStringLiteral("Skins")); }

    bool Start() {
        const QByteArray exe = program_.filePath(QStringLiteral("orbo.exe")).toLocal8Bit();
        const QByteArray display = Server().Display().toLocal8Bit();
        const QByteArray folder = program_.path().toLocal8Bit();
        const pid_t pid = ::fork();
        if (pid < 0)
            return false;
        if (pid == 0) {
            if (::chdir(folder.constData()) != 0)
                ::_exit(126);
            ::setenv("DISPLAY", display.constData(), 1);
            ::unsetenv("QT_QPA_PLATFORM");
            ::execlp("wine", "wine", exe.constData(), nullptr);
            ::_exit(127);
        }
        pid_ = pid;
        return WaitFor(
            [&] {
                const auto window = Probe().FindWindow(kTitle);
                if (!window || !Probe().IsShown(*window))
                    return false;
                window_ = *window;
                return true;
            },
            std::chrono::seconds(60));
    }
    unsigned long Window() const { return window_; }

    std::optional<int> WaitExit(std::chrono::milliseconds timeout) {
        const auto deadline = std::chrono::steady_clock::now() + timeout;
        while (pid_ > 0 && std::chrono::steady_clock::now() < deadline) {
            int status = 0;
            if (::waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return std::nullopt;
    }

private:
    QTemporaryDir program_;
    pid_t pid_ = -1;
    unsigned long window_ = 0;
};

// Right-clicks at a point of the creature and waits for orbo.exe's popup menu: a new shown window
// of the program other than the creature (Wine's own desktop windows come and go meanwhile).
std::optional<QRect> OpenProgramMenu(QPoint at) {
    const auto before = Probe().ShownTopLevels();
    Click(at, 3);
    std::optional<QRect> menu;
    WaitFor([&] {
        for (const unsigned long w : Probe().ShownTopLevels()) {
            if (std::find(before.begin(), before.end(), w) == before.end() &&
                Probe().WmClass(w) == QStringLiteral("orbo.exe,orbo.exe") &&
                Probe().Title(w) != kTitle) {
                menu = Probe().Geometry(w);
                return true;
            }
        }
        return false;
    });
    return menu;
}

class Wine : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(QFileInfo(kExe).isFile()) << kExe.toStdString();
        ClearRegistry();
    }
};

TEST_F(Wine, BuiltInSkinIsShapedAndItsEyesFollowThePointer) {
    WineRun run;
    ASSERT_TRUE(run.Start()) << "no ORBO window was mapped";
    const auto geometry = Probe().Geometry(run.Window());
    ASSERT_TRUE(geometry);
    const QImage background(kResources + QStringLiteral("defskin0.bmp"));
    EXPECT_EQ(*geometry, QRect(QPoint(kScreenWidth / 2, kScreenHeight / 2), background.size()));
    const QRegion expected = NonMagentaRegion(background);
    QRegion shape;
    WaitFor([&] {
        shape = RegionOf(Probe().ShapeRectangles(run.Window()));
        return shape.xored(expected).isEmpty();
    });
    EXPECT_TRUE(shape.xored(expected).isEmpty()) << "shape has " << shape.rectCount() << " rects";

    const QPoint window = geometry->topLeft();
    const QRect ringBox =
        VisibleBox(QStringLiteral("defskin1.bmp"), QStringLiteral("defskin2.bmp"), kLime);
    const QRect pupilBox =
        VisibleBox(QStringLiteral("defskin3.bmp"), QStringLiteral("defskin4.bmp"), kBlack);
    const QRect eye1Area(kEye1.X, kEye1.Y, kEye1.Width, kEye1.Height);
    const QRect eye2Area(kEye2.X, kEye2.Y, kEye2.Width, kEye2.Height);
    for (const QPoint cursor : {QPoint(0, 450), QPoint(1023, 450), QPoint(540, 0)}) {
        const QPoint expected1 =
            window + ExpectedAutoPosition(window, kEye1, cursor) + ringBox.topLeft();
        const QPoint expected2 =
            window + ExpectedAutoPosition(window, kEye2, cursor) + pupilBox.topLeft();
        Probe().MovePointer(cursor.x(), cursor.y());
        QPoint found1;
        QPoint found2;
        const auto near = [](QPoint a, QPoint b) { return (a - b).manhattanLength() <= 2; };
        WaitFor([&] {
            found1 = BoundingBoxOf(GrabWindowArea(run.Window(), eye1Area), kLime)
                         .translated(window + eye1Area.topLeft())
                         .topLeft();
            found2 = BoundingBoxOf(GrabWindowArea(run.Window(), eye2Area), kBlack)
                         .translated(window + eye2Area.topLeft())
                         .topLeft();
            return near(found1, expected1) && near(found2, expected2);
        });
        if (!near(found1, expected1) || !near(found2, expected2))
            SaveArtifact(Probe().Grab(geometry->adjusted(-40, -40, 40, 40)),
                         QStringLiteral("wine-gaze-%1-%2").arg(cursor.x()).arg(cursor.y()));
        EXPECT_TRUE(near(found1, expected1)) << cursor.x() << "," << cursor.y();
        EXPECT_TRUE(near(found2, expected2)) << cursor.x() << "," << cursor.y();
    }

    // After a long stillness the first move is answered at once, never only by the slow poll
    // (every 2 s) of a creature that stopped drawing.
    std::this_thread::sleep_for(std::chrono::seconds(5));
    const QImage still = GrabWindowArea(run.Window(), eye1Area);
    const auto moved = std::chrono::steady_clock::now();
    Probe().MovePointer(0, 450);
    ASSERT_TRUE(WaitFor([&] { return GrabWindowArea(run.Window(), eye1Area) != still; },
                        std::chrono::seconds(4)))
        << "the eyes never turned";
    EXPECT_LT(std::chrono::duration_cast<std::chrono::milliseconds>(
                  std::chrono::steady_clock::now() - moved)
                  .count(),
              500);
}

// A skin named in the registry is shown, its background a GIF; the position is read too.
TEST_F(Wine, ShowsTheGifSkinAndPlaceTheRegistryNames) {
    WineRun run;
    const QString skin = run.SkinsFolder() + QStringLiteral("/Gif");
    ASSERT_TRUE(QDir().mkpath(skin));
    // A 40 x 30 lime block with a magenta corner, as a GIF.
    QImage back(40, 30, QImage::Format_RGB32);
    back.fill(QColor(0xCC, 0xFF, 0x00));
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            back.setPixel(x, y, qRgb(255, 0, 255));
    ASSERT_TRUE(back.save(skin + QStringLiteral("/back.bmp")));
    ASSERT_EQ(QProcess::execute(QStringLiteral("convert"), {skin + QStringLiteral("/back.bmp"),
                                                            skin + QStringLiteral("/back.gif")}),
              0);
    QFile::remove(skin + QStringLiteral("/back.bmp"));
    QFile ini(skin + QStringLiteral("/Skin.ini"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[info]\r\nname=Gif\r\n[setting]\r\nback=BACK.GIF\r\n");
    ini.close();
    ASSERT_TRUE(WriteRegistry({{QStringLiteral("Skin"), QStringLiteral("Gif")},
                               {QStringLiteral("Left"), QStringLiteral("1500")},
                               {QStringLiteral("Top"), QStringLiteral("3000")}}));
    ASSERT_TRUE(run.Start());
    QRect geometry;
    QRegion shape;
    const QRegion expected = QRegion(0, 0, 40, 30).subtracted(QRegion(0, 0, 10, 10));
    WaitFor([&] {
        geometry = Probe().Geometry(run.Window()).value_or(QRect());
        shape = RegionOf(Probe().ShapeRectangles(run.Window()));
        return geometry == QRect(100, 200, 40, 30) && shape.xored(expected).isEmpty();
    });
    EXPECT_EQ(geometry, QRect(100, 200, 40, 30));
    EXPECT_TRUE(shape.xored(expected).isEmpty());
}

enum class Ending { Exit, CloseRequest, SessionEnd };

struct EndRow {
    const char* Name;
    Ending How;
};

class WineEnd : public Wine, public ::testing::WithParamInterface<EndRow> {};

TEST_P(WineEnd, SavesTheSixValuesAsTextsAndTheNextStartReadsThem) {
    ASSERT_TRUE(WriteRegistry({{QStringLiteral("Left"), QStringLiteral("3000")},
                               {QStringLiteral("Top"), QStringLiteral("1500")},
                               {QStringLiteral("Speed"), QStringLiteral("150")},
                               {QStringLiteral("Blink"), QStringLiteral("TRUE")}}));
    {
        WineRun run;
        ASSERT_TRUE(run.Start());
        const auto geometry = Probe().Geometry(run.Window());
        ASSERT_TRUE(geometry);
        EXPECT_EQ(geometry->topLeft(), QPoint(200, 100));
        switch (GetParam().How) {
        case Ending::Exit: {
            const auto menu = OpenProgramMenu(geometry->topLeft() + QPoint(37, 40));
            ASSERT_TRUE(menu) << "no popup menu";
            ChooseMenuItem(*menu, 1, 2);
            break;
        }
        case Ending::CloseRequest:
            ASSERT_TRUE(Probe().SendDeleteWindow(run.Window()));
            break;
        case Ending::SessionEnd:
            // WM_QUERYENDSESSION and WM_ENDSESSION to every program, as at log-off.
            ASSERT_TRUE(RunWine({QStringLiteral("wineboot"), QStringLiteral("--end-session")}));
            break;
        }
        ASSERT_TRUE(run.WaitExit(std::chrono::seconds(30))) << "orbo.exe did not end";
    }
    const auto values = ReadRegistry();
    const QMap<QString, QString> expected = {{QStringLiteral("left"), QStringLiteral("3000")},
                                             {QStringLiteral("top"), QStringLiteral("1500")},
                                             {QStringLiteral("skin"), QStringLiteral("< none >")},
                                             {QStringLiteral("speed"), QStringLiteral("100")},
                                             {QStringLiteral("ontop"), QStringLiteral("True")},
                                             {QStringLiteral("blink"), QStringLiteral("True")}};
    EXPECT_EQ(values.size(), 6);
    for (auto it = expected.begin(); it != expected.end(); ++it) {
        ASSERT_TRUE(values.contains(it.key())) << it.key().toStdString();
        EXPECT_EQ(values[it.key()].Type, QStringLiteral("REG_SZ")) << it.key().toStdString();
        EXPECT_EQ(values[it.key()].Data, it.value()) << it.key().toStdString();
    }

    // The second start finds the window where the first one left it.
    ASSERT_TRUE(WriteRegistry({{QStringLiteral("Left"), QStringLiteral("4500")}}));
    WineRun again;
    ASSERT_TRUE(again.Start());
    QRect geometry;
    WaitFor([&] {
        geometry = Probe().Geometry(again.Window()).value_or(QRect());
        return geometry.topLeft() == QPoint(300, 100);
    });
    EXPECT_EQ(geometry.topLeft(), QPoint(300, 100));
}

const EndRow kEndRows[] = {{"Exit", Ending::Exit},
                           {"CloseRequest", Ending::CloseRequest},
                           {"SessionEnd", Ending::SessionEnd}};
INSTANTIATE_TEST_SUITE_P(End, WineEnd, ::testing::ValuesIn(kEndRows),
                         [](const auto& info) { return std::string(info.param.Name); });

} // namespace
} // namespace orbo::e2e
