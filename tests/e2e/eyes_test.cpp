// What the eyes show on a real X server, compared with orbo-skin-check's rendering of the same
// skin for the same pointer and buttons.
#include "e2e_env.h"

#include <QtCore/QProcess>
#include <QtGui/QPainter>

#include <gtest/gtest.h>

#include <csignal>
#include <thread>

namespace orbo::e2e {
namespace {

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Starts orbo at the screen's top-left corner (where the rendering puts the creature).
bool StartAtCorner(OrboRun& run, const QString& skin, const char* blink = "True") {
    return run.WriteSettings({{QStringLiteral("Left"), QStringLiteral("0")},
                              {QStringLiteral("Top"), QStringLiteral("0")},
                              {QStringLiteral("Blink"), QLatin1String(blink)},
                              {QStringLiteral("Skin"), skin}}) &&
           run.Start();
}

TEST(Eyes, EveryKindFollowsThePointer) {
    OrboRun run;
    const QString skin = run.SkinsFolder() + QStringLiteral("/Kinds");
    QStringList pictures;
    for (const char* sample : {"Donut", "Compass", "Radar", "Peeker", "Gridlock"})
        pictures.append(SampleSkins() + u'/' + QLatin1String(sample) + QStringLiteral("/."));
    ASSERT_TRUE(CopyInto(pictures, skin));
    ASSERT_TRUE(WriteFile(skin + QStringLiteral("/Skin.ini"),
                          "[setting]\r\nback=donut.bmp\r\neyes=5\r\n"
                          "[eye1]\r\ntype=auto\r\nxy=50,8\r\nsize=40,30\r\npic=pupil.bmp\r\n"
                          "mask=pupilmask.bmp\r\n"
                          "[eye2]\r\ntype=frames\r\nxy=8,58\r\nsize=24,24\r\nframes=8\r\n"
                          "pic=arrows.bmp\r\nmask=arrowsmask.bmp\r\n"
                          "[eye3]\r\ntype=distance\r\nxy=108,58\r\nsize=24,24\r\nframes=5\r\n"
                          "pic=screen.bmp\r\nmask=screenmask.bmp\r\n"
                          "[eye4]\r\ntype=rect\r\nxy=30,100\r\nsize=40,36\r\npic=face.bmp\r\n"
                          "mask=facemask.bmp\r\n"
                          "[eye5]\r\ntype=matrix\r\nxy=80,104\r\nsize=3,2\r\npic=cells.bmp\r\n"
                          "mask=cellsmask.bmp\r\n"));
    ASSERT_TRUE(StartAtCorner(run, QStringLiteral("Kinds")));
    for (const QPoint cursor : {QPoint(1000, 60), QPoint(300, 700), QPoint(70, 300)}) {
        const QString name = QStringLiteral("eyes-%1-%2").arg(cursor.x()).arg(cursor.y());
        SCOPED_TRACE(name.toStdString());
        Probe().MovePointer(cursor.x(), cursor.y());
        EXPECT_EQ("", WaitForRendering(run.Window(), Render(skin, cursor), name));
    }
}

// Three lids, one for each button: X11 numbers the middle button 2 and the right one 3.
TEST(Eyes, EachButtonShowsItsOwnBlinkEye) {
    OrboRun run;
    const QString skin = run.SkinsFolder() + QStringLiteral("/Lids");
    ASSERT_TRUE(CopyInto({SampleSkins() + QStringLiteral("/Sleepy/.")}, skin));
    QImage back(222, 40, QImage::Format_RGB32);
    back.fill(QColor(40, 90, 160));
    ASSERT_TRUE(back.save(skin + QStringLiteral("/back.bmp")));
    QByteArray ini("[setting]\r\nback=back.bmp\r\neyes=3\r\n");
    for (const int code : {1, 2, 4})
        ini += QStringLiteral("[eye%1]\r\ntype=blink\r\nxy=%2,7\r\nsize=68,26\r\nonbutton=%3\r\n"
                              "pic=lids.bmp\r\nmask=lidsmask.bmp\r\n")
                   .arg(code == 4 ? 3 : code)
                   .arg(2 + 74 * (code == 4 ? 2 : code - 1))
                   .arg(code)
                   .toLatin1();
    ASSERT_TRUE(WriteFile(skin + QStringLiteral("/Skin.ini"), ini));
    ASSERT_TRUE(StartAtCorner(run, QStringLiteral("Lids")));
    // Away from the creature: the presses start no drag and open no menu.
    const QPoint away(800, 600);
    Probe().MovePointer(away.x(), away.y());
    struct Row {
        const char* Name;
        int XButton;
        const char* Held; // left, right, middle, as orbo-skin-check takes them
    };
    for (const Row& row : {Row{"none", 0, "0,0,0"}, Row{"left", 1, "1,0,0"},
                           Row{"right", 3, "0,1,0"}, Row{"middle", 2, "0,0,1"}}) {
        SCOPED_TRACE(row.Name);
        if (row.XButton != 0)
            Probe().Button(row.XButton, true);
        EXPECT_EQ("", WaitForRendering(run.Window(), Render(skin, away, row.Held),
                                       QStringLiteral("lids-") + row.Name));
        if (row.XButton != 0)
            Probe().Button(row.XButton, false);
    }

    // With Blink off no lid ever shows.
    run.Signal(SIGTERM);
    ASSERT_EQ(std::optional<int>(0), run.WaitExit());
    ASSERT_TRUE(StartAtCorner(run, QStringLiteral("Lids"), "False"));
    Probe().Button(1, true);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_EQ("", WaitForRendering(run.Window(), Render(skin, away), QStringLiteral("lids-off")));
    Probe().Button(1, false);
}

// A still creature stops drawing, but the first move after a long stillness is answered by the
// pointer's own event, well before the slow poll (every 2 s) could have noticed it.
TEST(Eyes, FirstMoveAfterStillnessIsAnsweredAtOnce) {
    OrboRun run;
    ASSERT_TRUE(run.Start());
    const QRect eyes = run.Geometry().adjusted(10, 53, -10, -13);
    Probe().MovePointer(0, 450);
    std::this_thread::sleep_for(std::chrono::seconds(5));
    const QImage before = Probe().Grab(eyes);
    const auto moved = std::chrono::steady_clock::now();
    Probe().MovePointer(1023, 450);
    ASSERT_TRUE(WaitFor([&] { return Probe().Grab(eyes) != before; }, std::chrono::seconds(4)))
        << "the eyes never turned";
    EXPECT_LT(std::chrono::duration_cast<std::chrono::milliseconds>(
                  std::chrono::steady_clock::now() - moved)
                  .count(),
              500);
}

// An eyes-applet theme imported with orbo-skin-import into the user's skins shows its eyes.
TEST(Eyes, ImportedThemeShowsItsEyes) {
    OrboRun run;
    QTemporaryDir themes;
    const QString theme = themes.filePath(QStringLiteral("Goggle"));
    QDir().mkpath(theme);
    QImage eye(60, 44, QImage::Format_ARGB32);
    eye.fill(Qt::transparent);
    {
        QPainter painter(&eye);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(230, 230, 230));
        painter.drawEllipse(eye.rect());
    }
    QImage pupil(16, 16, QImage::Format_ARGB32);
    pupil.fill(Qt::transparent);
    QPainter(&pupil).fillRect(2, 2, 12, 12, Qt::blue);
    ASSERT_TRUE(eye.save(theme + QStringLiteral("/eye.png")));
    ASSERT_TRUE(pupil.save(theme + QStringLiteral("/pupil.png")));
    ASSERT_TRUE(WriteFile(theme + QStringLiteral("/config"),
                          "wall-thickness = 8\nnum-eyes = 2\neye-pixmap = \"eye.png\"\n"
                          "pupil-pixmap = \"pupil.png\""));
    QProcess import;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), run.DataFolder());
    import.setProcessEnvironment(env);
    import.start(QStringLiteral(ORBO_SKIN_IMPORT_BINARY), {theme});
    ASSERT_TRUE(import.waitForFinished(30000));
    ASSERT_EQ(0, import.exitCode()) << import.readAllStandardError().toStdString();

    ASSERT_TRUE(StartAtCorner(run, QStringLiteral("Goggle")));
    const QString imported = run.DataFolder() + QStringLiteral("/orbo/Skins/Goggle");
    EXPECT_EQ(QRect(0, 0, 120, 44), run.Geometry());
    for (const QPoint cursor : {QPoint(1000, 22), QPoint(60, 700)}) {
        Probe().MovePointer(cursor.x(), cursor.y());
        EXPECT_EQ("", WaitForRendering(run.Window(), Render(imported, cursor),
                                       QStringLiteral("theme-%1").arg(cursor.x())));
    }
}

} // namespace
} // namespace orbo::e2e
