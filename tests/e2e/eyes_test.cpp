// The eyes on a real X server against orbo-skin-check's rendering of the same skin and pointer.
#include "e2e_env.h"

#include <gtest/gtest.h>

namespace orbo::e2e {
namespace {

// The eyes follow the pointer, also while another program holds it (a window being moved, a menu
// open): the first move after a long stillness is answered by the pointer's own event.
TEST(Eyes, FollowThePointer) {
    OrboRun run;
    const QString skin = StartWithSkin(run, u"Kinds"_s, kKindsSamples);
    ASSERT_FALSE(skin.isEmpty());
    for (const QPoint cursor : {QPoint(1000, 60), QPoint(300, 700), QPoint(70, 300)}) {
        const QString name = u"eyes-%1-%2"_s.arg(cursor.x()).arg(cursor.y());
        SCOPED_TRACE(name.toStdString());
        Probe().MovePointer(cursor.x(), cursor.y());
        EXPECT_EQ("", WaitForRendering(run.Window(), skin, cursor, name));
    }
    ASSERT_TRUE(Probe().GrabPointer(true));
    EXPECT_TRUE(AnsweredAtOnce(run, [] { Probe().MovePointer(1023, 60); }));
    EXPECT_EQ("", WaitForRendering(run.Window(), skin, {1023, 60}, u"grab-eyes"_s));
    Probe().GrabPointer(false);
}

// Three lids, one for each button: X11 numbers the middle button 2 and the right one 3. Pressed in
// another program's window (text being selected) each shows and goes at once.
TEST(Eyes, ButtonsShowTheirLids) {
    OrboRun run;
    const QString skin = StartWithSkin(run, u"Lids"_s, {u"Sleepy"_s});
    ASSERT_FALSE(skin.isEmpty());
    const QPoint inOther(800, 600);
    Probe().CreatePlainWindow(QRect(inOther - QPoint(100, 100), QSize(200, 200)));
    Probe().MovePointer(inOther.x(), inOther.y());
    struct Row {
        const char* Name;
        int XButton;
        const char* Held; // left, right, middle, as orbo-skin-check takes them
    };
    for (const Row& row :
         {Row{"left", 1, "1,0,0"}, Row{"right", 3, "0,1,0"}, Row{"middle", 2, "0,0,1"}}) {
        SCOPED_TRACE(row.Name);
        EXPECT_TRUE(AnsweredAtOnce(run, [&] { Probe().Button(row.XButton, true); }));
        EXPECT_EQ("",
                  WaitForRendering(run.Window(), skin, inOther, u"lids-"_s + row.Name, row.Held));
        EXPECT_TRUE(AnsweredAtOnce(run, [&] { Probe().Button(row.XButton, false); }));
        EXPECT_EQ("", WaitForRendering(run.Window(), skin, inOther, u"lids-open"_s));
    }
}

// An eyes-applet theme imported with orbo-skin-import into the user's skins shows its eyes.
TEST(Eyes, ImportedTheme) {
    OrboRun run;
    ASSERT_EQ(0, QProcess::execute(u"env"_s,
                                   {u"XDG_DATA_HOME="_s + run.DataFolder(),
                                    QStringLiteral(ORBO_SKIN_IMPORT_BINARY),
                                    QStringLiteral(ORBO_SOURCE_DIR "/tests/e2e/themes/Goggle")}));
    ASSERT_TRUE(
        run.WriteSettings({{u"Left"_s, u"0"_s}, {u"Top"_s, u"0"_s}, {u"Skin"_s, u"Goggle"_s}}));
    ASSERT_TRUE(run.Start());
    EXPECT_EQ(QRect(0, 0, 120, 44), run.Geometry());
    const QString imported = run.DataFolder() + u"/orbo/Skins/Goggle"_s;
    for (const QPoint cursor : {QPoint(1000, 22), QPoint(60, 700)}) {
        Probe().MovePointer(cursor.x(), cursor.y());
        EXPECT_EQ("",
                  WaitForRendering(run.Window(), imported, cursor, u"theme-%1"_s.arg(cursor.x())));
    }
}

} // namespace
} // namespace orbo::e2e
