// Under a real window manager (openbox) the creature behaves like a desktop toy: no taskbar,
// pager or window-switcher entry, and clicking or dragging it leaves the keyboard focus where the
// user is typing. Both windows carry the program's icon; the options window has one fixed size
// and Escape closes it.
#include "e2e_env.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace orbo::e2e {
namespace {

const QString kOptionsTitle = QStringLiteral("Orbo - Options");
// A pixel of the built-in creature's forehead, well inside its outline.
constexpr QPoint kGrab(37, 30);

// openbox on the test's display, for the life of the object.
class Openbox {
public:
    Openbox() {
        const QByteArray display = Server().Display().toLocal8Bit();
        pid_ = ::fork();
        if (pid_ == 0) {
            const int null = ::open("/dev/null", O_RDWR);
            ::dup2(null, 1);
            ::dup2(null, 2);
            ::setenv("DISPLAY", display.constData(), 1);
            ::execlp("openbox", "openbox", "--sm-disable", nullptr);
            ::_exit(127);
        }
    }
    ~Openbox() {
        if (pid_ > 0) {
            ::kill(pid_, SIGTERM);
            ::waitpid(pid_, nullptr, 0);
        }
    }
    Openbox(const Openbox&) = delete;
    Openbox& operator=(const Openbox&) = delete;

    bool Running() const {
        return pid_ > 0 && WaitFor([] { return Probe().WindowManagerRunning(); });
    }

private:
    pid_t pid_ = -1;
};

// Whether the window carries Orbo's icon: _NET_WM_ICON holds, for each size, its width, height
// and pixels; the 32-pixel one is compared with the picture it was made from.
bool HasOrboIcon(unsigned long window) {
    const QImage expected(QStringLiteral(ORBO_SOURCE_DIR "/src/resources/icons/orbo-32.png"));
    const auto icon = Probe().Property32(window, "_NET_WM_ICON");
    for (std::size_t at = 0; at + 2 <= icon.size();) {
        const std::size_t width = icon[at];
        const std::size_t height = icon[at + 1];
        if (width == 0 || at + 2 + width * height > icon.size())
            return false;
        if (width == 32 && height == 32 && expected.size() == QSize(32, 32)) {
            // Premultiplied: fully transparent pixels may carry any colour.
            for (int y = 0; y < 32; ++y)
                for (int x = 0; x < 32; ++x)
                    if (qPremultiply(QRgb(icon[at + 2 + std::size_t(y * 32 + x)])) !=
                        qPremultiply(expected.pixel(x, y)))
                        return false;
            return true;
        }
        at += 2 + width * height;
    }
    return false;
}

TEST(DesktopToy, StaysOutOfTheWayOfTheWindowBeingTypedIn) {
    Openbox openbox;
    ASSERT_TRUE(openbox.Running()) << "openbox did not start";
    OrboRun run;
    ASSERT_TRUE(run.Start());
    const unsigned long creature = run.Window();

    // Read once the window manager has taken the window in: it keeps _NET_WM_STATE from then on.
    const QStringList states = Probe().AtomNames(creature, "_NET_WM_STATE");
    EXPECT_TRUE(states.contains(QStringLiteral("_NET_WM_STATE_SKIP_TASKBAR")))
        << states.join(' ').toStdString();
    EXPECT_TRUE(states.contains(QStringLiteral("_NET_WM_STATE_SKIP_PAGER")))
        << states.join(' ').toStdString();
    EXPECT_TRUE(states.contains(QStringLiteral("_NET_WM_STATE_ABOVE")))
        << states.join(' ').toStdString();
    EXPECT_EQ(Probe().WmInputHint(creature), std::optional<bool>(false));
    EXPECT_TRUE(HasOrboIcon(creature));

    // The user types in another window; clicking and dragging the creature leaves it there.
    const unsigned long typing =
        Probe().CreatePlainWindow(QRect(20, 20, 200, 120), QStringLiteral("typing"));
    ASSERT_NE(typing, 0UL);
    ASSERT_TRUE(WaitFor([&] { return Probe().FocusedWindow() == typing; }));
    const QPoint before = Probe().Geometry(creature).value_or(QRect()).topLeft();
    Click(before + kGrab);
    DragPointer(before + kGrab, before + kGrab + QPoint(-120, -90));
    QPoint after;
    EXPECT_TRUE(WaitFor([&] {
        after = Probe().Geometry(creature).value_or(QRect()).topLeft();
        return after == before + QPoint(-120, -90);
    })) << "the creature stayed at "
        << after.x() << "," << after.y();
    EXPECT_EQ(Probe().FocusedWindow(), typing);

    // The popup menu still opens on the creature, and "&Options" shows the options window.
    const auto menu = OpenPopupMenu(after + kGrab);
    ASSERT_TRUE(menu);
    ChooseMenuItem(*menu, 0, 2);
    const auto options = Probe().WaitMapped(kOptionsTitle, std::chrono::seconds(10));
    ASSERT_TRUE(options);
    EXPECT_TRUE(HasOrboIcon(*options));
    const auto limits = Probe().SizeLimits(*options);
    ASSERT_TRUE(limits);
    EXPECT_EQ(limits->first, QSize(306, 103));
    EXPECT_EQ(limits->second, limits->first);
    EXPECT_FALSE(Probe()
                     .AtomNames(*options, "_NET_WM_ALLOWED_ACTIONS")
                     .contains(QStringLiteral("_NET_WM_ACTION_MAXIMIZE_HORZ")));

    // The window the user opened has the focus; Escape closes it, and nothing else.
    ASSERT_TRUE(WaitFor([&] { return Probe().FocusedWindow() == *options; }));
    ASSERT_TRUE(Probe().TapKey("Escape"));
    EXPECT_TRUE(Probe().WaitGone(kOptionsTitle, std::chrono::seconds(5)));
    EXPECT_TRUE(run.Alive());
    EXPECT_TRUE(Probe().IsShown(creature));
    Probe().DestroyWindow(typing);
}

} // namespace
} // namespace orbo::e2e
