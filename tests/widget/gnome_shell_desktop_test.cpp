// The GNOME Shell desktop against a stand-in for GNOME Shell and Orbo's extension on a session bus
// of the test program's own: whom it listens to, the buttons it reports, and what it does when
// the extension is turned off and on.
#include "platform/desktop.h"
#include "platform/desktop_gnome.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QEventLoop>
#include <QtCore/QProcess>
#include <QtDBus/QDBusConnection>
#include <QtDBus/QDBusConnectionInterface>
#include <QtDBus/QDBusMessage>
#include <QtDBus/QDBusPendingCall>

#include "compositor_test_support.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <limits>

namespace orbo {
namespace {

using testing::BusAddress;
using testing::Settle;
using testing::WaitFor;

using namespace Qt::StringLiterals;

const QString kCursorName = u"org.orbo.Cursor"_s;

// A connection of its own that sends the extension's reports to whoever holds Orbo's name.
class Sender {
public:
    explicit Sender(const QString& name)
        : name_(name), bus_(QDBusConnection::connectToBus(BusAddress(), name)) {}
    ~Sender() { QDBusConnection::disconnectFromBus(name_); }
    bool Own(const QString& service) { return bus_.registerService(service); }
    bool Disown(const QString& service) { return bus_.unregisterService(service); }
    void Report(const QVariantList& arguments) {
        const QString orbo = bus_.interface()->serviceOwner(kCursorName).value();
        QDBusMessage call = QDBusMessage::createMethodCall(orbo, u"/org/orbo/Cursor"_s,
                                                           u"org.orbo.Cursor"_s, u"Pointer"_s);
        call.setArguments(arguments);
        bus_.send(call);
    }
    // The same, the answer awaited.
    QDBusPendingCall Ask(const QVariantList& arguments) {
        const QString orbo = bus_.interface()->serviceOwner(kCursorName).value();
        QDBusMessage call = QDBusMessage::createMethodCall(orbo, u"/org/orbo/Cursor"_s,
                                                           u"org.orbo.Cursor"_s, u"Pointer"_s);
        call.setArguments(arguments);
        return bus_.asyncCall(call);
    }

private:
    QString name_;
    QDBusConnection bus_;
};

// GNOME Shell: the extension runs inside it and calls from its connection.
class FakeShell : public Sender {
public:
    FakeShell() : Sender(u"fake-shell"_s) {}
    bool Appear() { return Own(u"org.gnome.Shell"_s); }
    bool EnableExtension() { return Own(u"org.orbo.GnomeShell"_s); }
    bool DisableExtension() { return Disown(u"org.orbo.GnomeShell"_s); }
};

class GnomeShellDesktopTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(shell.Appear());
        auto scripted = std::make_unique<ScriptedDesktop>();
        scripted->Cursor = {5, 5};
        scripted->Left = true;
        scripted->MonitorList = {{QRect(0, 0, 1200, 900), 1}};
        scripted->Announces = true;
        scripted->Everywhere = false; // XWayland's view
        fallback_ = scripted.get();
        fallback = std::move(scripted);
    }

    std::unique_ptr<Desktop> Follow() {
        auto desktop = FollowGnomeShell(std::move(fallback));
        desktop->SetInputListener([this] { ++wakes; });
        return desktop;
    }

    static bool Held(Desktop& desktop, int code) {
        return (desktop.GetAsyncKeyState(MouseButton::Left) ? 1 : 0) +
                   (desktop.GetAsyncKeyState(MouseButton::Right) ? 2 : 0) +
                   (desktop.GetAsyncKeyState(MouseButton::Middle) ? 4 : 0) ==
               code;
    }

    FakeShell shell;
    std::unique_ptr<Desktop> fallback;
    ScriptedDesktop* fallback_ = nullptr;
    int wakes = 0;
};

// Each report is answered with the creature's animation interval, which the extension (and the
// KWin script) take as the least time to the next report.
TEST_F(GnomeShellDesktopTest, AnswersWithTheAnimationInterval) {
    ASSERT_TRUE(shell.EnableExtension());
    const auto desktop = Follow();
    for (const int interval : {76, 501, 1}) {
        SCOPED_TRACE(interval);
        desktop->SetAnimationInterval(interval);
        const QDBusPendingCall answer = shell.Ask({100 + interval, 150, 0, 0, 1200, 900, 0});
        ASSERT_TRUE(WaitFor([&] { return answer.isFinished(); }));
        const QVariantList values = answer.reply().arguments();
        ASSERT_EQ(values.size(), 1);
        EXPECT_EQ(values.front(), QVariant::fromValue(uint(interval)));
    }
}

TEST_F(GnomeShellDesktopTest, FollowsTheExtensionsPointerAndButtons) {
    ASSERT_TRUE(shell.EnableExtension());
    const auto desktop = Follow();
    ASSERT_NE(desktop.get(), fallback_) << "GNOME Shell is on the bus";
    EXPECT_TRUE(desktop->FollowsPointerEverywhere());
    EXPECT_EQ(desktop->GetCursorPos(), QPoint(5, 5)) << "before the first report";

    struct Row {
        QVariantList report;
        QPoint cursor;
        int buttons;
    };
    const Row rows[] = {
        {{100, 150, 0, 0, 1200, 900, 0}, {100, 150}, 0},
        {{100, 150, 0, 0, 1200, 900, 2}, {100, 150}, 2},
        {{300, 20, 0, 0, 1200, 900, 5}, {300, 20}, 5},
        {{300, 20, 0, 0, 1200, 900, 0}, {300, 20}, 0},
    };
    for (const Row& row : rows) {
        const int before = wakes;
        shell.Report(row.report);
        EXPECT_TRUE(WaitFor([&] {
            return desktop->GetCursorPos() == row.cursor && Held(*desktop, row.buttons);
        })) << row.cursor.x()
            << "," << row.cursor.y() << " buttons " << row.buttons;
        EXPECT_GT(wakes, before) << "a change is input";
    }
}

// Any program of the session can call; only the extension in the shell is listened to, and only
// with a report that makes sense.
TEST_F(GnomeShellDesktopTest, IgnoresOthersAndNonsense) {
    ASSERT_TRUE(shell.EnableExtension());
    const auto desktop = Follow();
    shell.Report({100, 150, 0, 0, 1200, 900, 0});
    ASSERT_TRUE(WaitFor([&] { return desktop->GetCursorPos() == QPoint(100, 150); }));

    Sender other(u"other"_s);
    for (int i = 0; i < 500; ++i)
        other.Report({400 + i % 100, 400, 0, 0, 1200, 900, 1});
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const QVariantList nonsense[] = {
        {500, 500, 0, 0, 1200, 900},
        {500, 500, 0, 0, 1200, 900, 9},
        {nan, 500.0, 0, 0, 1200, 900, 1},
        {5000, 500, 0, 0, 1200, 900, 1},
        {500, 500, 0, 0, 1920, 1080, 1},
        {u"500"_s, 500, 0, 0, 1200, 900, 1},
        {},
    };
    for (int i = 0; i < 100; ++i)
        for (const QVariantList& arguments : nonsense)
            shell.Report(arguments);
    Settle(std::chrono::milliseconds(1000));
    EXPECT_EQ(desktop->GetCursorPos(), QPoint(100, 150));
    EXPECT_TRUE(Held(*desktop, 0));

    shell.Report({700, 800, 0, 0, 1200, 900, 4});
    EXPECT_TRUE(WaitFor([&] { return desktop->GetCursorPos() == QPoint(700, 800); }))
        << "still listening after the flood";
}

// Turned off, the extension leaves the pointer and buttons to XWayland; turned on again, it is
// followed again. The user learns how to turn it on.
TEST_F(GnomeShellDesktopTest, ExtensionTurnedOffAndOn) {
    const auto desktop = Follow();
    ASSERT_NE(desktop.get(), fallback_);
    EXPECT_FALSE(desktop->FollowsPointerEverywhere()) << "the extension is off";
    EXPECT_TRUE(desktop->HowToFollowEverywhere().contains(
        u"gnome-extensions enable orbo-pointer@orbo.example"_s));
    shell.Report({100, 150, 0, 0, 1200, 900, 0});
    Settle();
    EXPECT_EQ(desktop->GetCursorPos(), QPoint(5, 5)) << "no extension, no reports";

    ASSERT_TRUE(shell.EnableExtension());
    EXPECT_TRUE(WaitFor([&] { return desktop->FollowsPointerEverywhere(); }));
    shell.Report({100, 150, 0, 0, 1200, 900, 0});
    ASSERT_TRUE(WaitFor([&] { return desktop->GetCursorPos() == QPoint(100, 150); }));
    EXPECT_TRUE(Held(*desktop, 0)) << "the extension's buttons, not XWayland's";

    const int before = wakes;
    ASSERT_TRUE(shell.DisableExtension());
    EXPECT_TRUE(WaitFor([&] { return desktop->GetCursorPos() == QPoint(5, 5); }));
    EXPECT_TRUE(Held(*desktop, 1)) << "XWayland's buttons again";
    EXPECT_FALSE(desktop->FollowsPointerEverywhere());
    EXPECT_GT(wakes, before) << "going back to XWayland is input";

    ASSERT_TRUE(shell.EnableExtension());
    ASSERT_TRUE(WaitFor([&] { return desktop->FollowsPointerEverywhere(); }));
    shell.Report({600, 450, 0, 0, 1200, 900, 2});
    EXPECT_TRUE(
        WaitFor([&] { return desktop->GetCursorPos() == QPoint(600, 450) && Held(*desktop, 2); }));
}

// Of two creatures the first is reported to; the second takes over when it ends.
TEST_F(GnomeShellDesktopTest, OneCreatureAtATime) {
    ASSERT_TRUE(shell.EnableExtension());
    auto first = Follow();
    QDBusConnection secondBus = QDBusConnection::connectToBus(BusAddress(), u"second"_s);
    auto scripted = std::make_unique<ScriptedDesktop>();
    scripted->Cursor = {9, 9};
    scripted->MonitorList = {{QRect(0, 0, 1200, 900), 1}};
    auto second = FollowGnomeShell(std::move(scripted), secondBus);
    shell.Report({100, 150, 0, 0, 1200, 900, 0});
    ASSERT_TRUE(WaitFor([&] { return first->GetCursorPos() == QPoint(100, 150); }));
    EXPECT_EQ(second->GetCursorPos(), QPoint(9, 9));
    first.reset();
    ASSERT_TRUE(WaitFor([&] {
        return secondBus.interface()->serviceOwner(kCursorName).value() == secondBus.baseService();
    }));
    shell.Report({200, 250, 0, 0, 1200, 900, 0});
    EXPECT_TRUE(WaitFor([&] { return second->GetCursorPos() == QPoint(200, 250); }));
    second.reset();
    QDBusConnection::disconnectFromBus(u"second"_s);
}

TEST(GnomeShellDesktop, NoShellNoExtension) {
    auto scripted = std::make_unique<ScriptedDesktop>();
    const Desktop* fallback = scripted.get();
    const auto desktop = FollowGnomeShell(std::move(scripted));
    EXPECT_EQ(desktop.get(), fallback) << "GNOME Shell is not on the bus";
}

} // namespace
} // namespace orbo
