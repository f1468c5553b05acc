// What the eyes show on a real X server, compared with orbo-skin-check's rendering of the same
// skin for the same pointer and buttons.
#include "e2e_env.h"

#include <QtCore/QProcess>

#include <gtest/gtest.h>

#include <csignal>
#include <thread>

namespace orbo::e2e {
namespace {

// A skin of the test's own (tests/e2e/skins) over the pictures of a few sample skins, started at
// the screen's top-left corner, where the rendering puts the creature.
QString StartWithSkin(OrboRun& run, const QString& name, const QStringList& samples,
                      const char* blink = "True") {
    const QString folder = run.SkinsFolder() + u'/' + name;
    QStringList sources{QStringLiteral(ORBO_SOURCE_DIR "/tests/e2e/skins/") + name + "/."};
    for (const QString& sample : samples)
        sources.prepend(SampleSkins() + u'/' + sample + "/.");
    const bool started = CopyInto(sources, folder) &&
                         run.WriteSettings({{QStringLiteral("Left"), QStringLiteral("0")},
                                            {QStringLiteral("Top"), QStringLiteral("0")},
                                            {QStringLiteral("Blink"), QLatin1String(blink)},
                                            {QStringLiteral("Skin"), name}}) &&
                         run.Start();
    return started ? folder : QString();
}

TEST(Eyes, FollowThePointer) {
    OrboRun run;
    const QString skin =
        StartWithSkin(run, QStringLiteral("Kinds"),
                      {QStringLiteral("Donut"), QStringLiteral("Compass"), QStringLiteral("Radar"),
                       QStringLiteral("Peeker"), QStringLiteral("Gridlock")});
    ASSERT_FALSE(skin.isEmpty());
    for (const QPoint cursor : {QPoint(1000, 60), QPoint(300, 700), QPoint(70, 300)}) {
        const QString name = QStringLiteral("eyes-%1-%2").arg(cursor.x()).arg(cursor.y());
        SCOPED_TRACE(name.toStdString());
        Probe().MovePointer(cursor.x(), cursor.y());
        EXPECT_EQ("", WaitForRendering(run.Window(), Render(skin, cursor), name));
    }
}

// Three lids, one for each button: X11 numbers the middle button 2 and the right one 3.
TEST(Eyes, ButtonsShowTheirLids) {
    OrboRun run;
    const QString skin = StartWithSkin(run, QStringLiteral("Lids"), {QStringLiteral("Sleepy")});
    ASSERT_FALSE(skin.isEmpty());
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
    OrboRun off;
    ASSERT_FALSE(
        StartWithSkin(off, QStringLiteral("Lids"), {QStringLiteral("Sleepy")}, "False").isEmpty());
    Probe().Button(1, true);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_EQ("", WaitForRendering(off.Window(), Render(skin, away), QStringLiteral("lids-off")));
    Probe().Button(1, false);
}

// A still creature stops drawing, but the first move after a long stillness is answered by the
// pointer's own event, well before the slow poll (every 2 s) could have noticed it.
TEST(Eyes, WakeOnFirstMove) {
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
TEST(Eyes, ImportedTheme) {
    OrboRun run;
    QProcess import;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), run.DataFolder());
    import.setProcessEnvironment(env);
    import.start(QStringLiteral(ORBO_SKIN_IMPORT_BINARY),
                 {QStringLiteral(ORBO_SOURCE_DIR "/tests/e2e/themes/Goggle")});
    ASSERT_TRUE(import.waitForFinished(30000));
    ASSERT_EQ(0, import.exitCode()) << import.readAllStandardError().toStdString();
    ASSERT_TRUE(run.WriteSettings({{QStringLiteral("Left"), QStringLiteral("0")},
                                   {QStringLiteral("Top"), QStringLiteral("0")},
                                   {QStringLiteral("Skin"), QStringLiteral("Goggle")}}));
    ASSERT_TRUE(run.Start());
    EXPECT_EQ(QRect(0, 0, 120, 44), run.Geometry());
    const QString imported = run.DataFolder() + QStringLiteral("/orbo/Skins/Goggle");
    for (const QPoint cursor : {QPoint(1000, 22), QPoint(60, 700)}) {
        Probe().MovePointer(cursor.x(), cursor.y());
        EXPECT_EQ("", WaitForRendering(run.Window(), Render(imported, cursor),
                                       QStringLiteral("theme-%1").arg(cursor.x())));
    }
}

} // namespace
} // namespace orbo::e2e
