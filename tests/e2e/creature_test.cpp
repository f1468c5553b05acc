// Where the creature appears, with which shape, from which skin and settings.
#include "e2e_env.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/stat.h>

namespace orbo::e2e {
namespace {

const QPoint kCentre(kScreen.width() / 2, kScreen.height() / 2);

// In a Wayland session (no compositor here) the program asks for XWayland, also under the
// socket's default name. Broken settings (tests/e2e/settings, a FIFO) give the defaults, saved.
TEST(Creature, BuiltInSkinCentred) {
    struct Row {
        QString Socket;
        const char* Settings;
    };
    for (const Row& row :
         {Row{u"wayland-orbo-none"_s, "nonsense.ini"}, Row{{}, "noise.ini"}, Row{{}, "a FIFO"}}) {
        SCOPED_TRACE(row.Settings);
        OrboRun run;
        ASSERT_TRUE(
            QByteArray(row.Settings) == "a FIFO"
                ? ::mkfifo(QFile::encodeName(run.SettingsFile()).constData(), 0600) == 0
                : QFile::copy(QStringLiteral(ORBO_SOURCE_DIR "/tests/e2e/settings/") + row.Settings,
                              run.SettingsFile()));
        ASSERT_TRUE(run.Start({{u"QT_QPA_PLATFORM"_s, {}},
                               {u"XDG_SESSION_TYPE"_s, u"wayland"_s},
                               {u"WAYLAND_DISPLAY"_s, row.Socket}}))
            << "no window on the X server: did reading the settings block?";
        // No desktop there tells where the pointer is: the user is told where the eyes follow it.
        EXPECT_TRUE(row.Socket.isEmpty() ||
                    Probe().WaitMapped(u"Orbo - Where the eyes look"_s, std::chrono::seconds(30)));
        // Qt falls back to X after failing with Wayland: only its log tells that it tried.
        EXPECT_FALSE(Contents(run.ConfigFolder() + u"/orbo.log"_s).contains("wayland"))
            << "Wayland was tried before X";
        const QImage background(QStringLiteral(ORBO_SOURCE_DIR "/src/resources/defskin0.bmp"));
        EXPECT_EQ(QRect(kCentre, QSize(75, 100)), run.Geometry());
        const QRegion outline = QRegion(background.rect()) - PixelsOf(background, 0xFF00FF);
        EXPECT_TRUE(Probe().Shape(run.Window()).xored(outline).isEmpty());
        EXPECT_EQ(kTitle, Probe().Title(run.Window()));
        EXPECT_EQ(u"orbo,orbo"_s, Probe().WmClass(run.Window()));
        run.Signal(SIGTERM);
        EXPECT_EQ(std::optional<int>(0), run.WaitExit());
        const QMap<QString, QString> saved = run.ReadSettings();
        EXPECT_EQ(13, saved.size());
        EXPECT_EQ(Twips(kCentre.x()), saved.value(u"left"_s));
        EXPECT_EQ(Twips(kCentre.y()), saved.value(u"top"_s));
    }
}

} // namespace
} // namespace orbo::e2e
