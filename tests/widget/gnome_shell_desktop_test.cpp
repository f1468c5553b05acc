// The GNOME Shell desktop against a stand-in shell on a bus of its own: whom it hears, its answers.
#include "platform/desktop/desktop.h"
#include "platform/desktop/desktop_gnome.h"
#include "scripted_desktop.h"
#include "wait_for.h"

#include <QtDBus/QDBusConnection>
#include <QtDBus/QDBusConnectionInterface>
#include <QtDBus/QDBusMessage>
#include <QtDBus/QDBusPendingCall>

#include <gtest/gtest.h>

#include <chrono>

namespace orbo {
namespace {

using testing::BusAddress;
using testing::Settle;
using testing::WaitFor;

using namespace Qt::StringLiterals;

const QString kCursorName = u"org.orbo.Cursor"_s;
const QString kShell = u"org.gnome.Shell"_s;
// Held by Orbo's extension while it is on.
const QString kExtension = u"org.orbo.GnomeShell"_s;

// A connection of its own that sends the extension's reports to whoever holds Orbo's name.
class Sender {
public:
    explicit Sender(const QString& name)
        : name_(name), bus_(QDBusConnection::connectToBus(BusAddress(), name)) {}
    ~Sender() { QDBusConnection::disconnectFromBus(name_); }
    bool Own(const QString& service) { return bus_.registerService(service); }
    bool Disown(const QString& service) { return bus_.unregisterService(service); }
    // A report; the answer can be awaited.
    QDBusPendingCall Report(const QVariantList& arguments) {
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

class GnomeShellDesktopTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(shell.Own(kShell) && shell.Own(kExtension));
        auto view = XWaylandView({5, 5});
        view->Left = true;
        desktop = FollowGnomeShell(std::move(view));
    }

    // GNOME Shell: the extension runs inside it and calls from its connection.
    Sender shell{u"fake-shell"_s};
    std::unique_ptr<Desktop> desktop;
};

// Each report is answered with the animation interval, the least time to the next report.
TEST_F(GnomeShellDesktopTest, AnswersWithTheAnimationInterval) {
    for (const int interval : {76, 501, 1}) {
        SCOPED_TRACE(interval);
        desktop->SetAnimationInterval(interval);
        const QDBusPendingCall answer = shell.Report({100 + interval, 150, 0, 0, 1200, 900, 0});
        ASSERT_TRUE(WaitFor([&] { return answer.isFinished(); }));
        const QVariantList values = answer.reply().arguments();
        ASSERT_EQ(values.size(), 2);
        EXPECT_EQ(values.front(), QVariant::fromValue(uint(interval)));
        EXPECT_EQ(values.back(), QString()); // no hot key asked for
    }
}

// Only the extension in the shell is listened to, however many others call.
TEST_F(GnomeShellDesktopTest, IgnoresOthers) {
    shell.Report({100, 150, 0, 0, 1200, 900, 0});
    ASSERT_TRUE(WaitFor([&] { return desktop->GetCursorPos() == QPoint(100, 150); }));

    Sender other(u"other"_s);
    for (int i = 0; i < 500; ++i)
        other.Report({400 + i % 100, 400, 0, 0, 1200, 900, 1});
    Settle(std::chrono::milliseconds(1000));
    EXPECT_EQ(desktop->GetCursorPos(), QPoint(100, 150));
    EXPECT_FALSE(desktop->GetAsyncKeyState(MouseButton::Left)) << "the extension's buttons";

    shell.Report({700, 800, 0, 0, 1200, 900, 4});
    EXPECT_TRUE(WaitFor([&] { return desktop->GetCursorPos() == QPoint(700, 800); }))
        << "still listening after the flood";
}

// The extension off or the shell gone: its last report and buttons dropped at once, never
// merely because no report came.
TEST_F(GnomeShellDesktopTest, DropsTheLastReportWhenTheLinkGoes) {
    for (const QString& name : {kExtension, kShell}) {
        SCOPED_TRACE(name.toStdString());
        shell.Report({100, 150, 0, 0, 1200, 900, 0});
        ASSERT_TRUE(WaitFor([&] { return desktop->GetCursorPos() == QPoint(100, 150); }));
        Settle(std::chrono::milliseconds(500));
        EXPECT_EQ(desktop->GetCursorPos(), QPoint(100, 150)) << "dropped for want of reports";
        EXPECT_FALSE(desktop->GetAsyncKeyState(MouseButton::Left));
        ASSERT_TRUE(shell.Disown(name));
        EXPECT_TRUE(WaitFor([&] { return desktop->GetCursorPos() == QPoint(5, 5); }));
        EXPECT_TRUE(desktop->GetAsyncKeyState(MouseButton::Left)) << "XWayland's buttons";
        ASSERT_TRUE(shell.Own(name));
    }
}

// A stranger holding the extension's name is not the extension, and while it holds the name not
// even the shell's connection is heard; the user is still told how to turn the extension on.
TEST(GnomeShellDesktop, TrustsOnlyTheShellsOwnConnection) {
    Sender shell(u"fake-shell"_s);
    ASSERT_TRUE(shell.Own(kShell));
    Sender stranger(u"stranger"_s);
    ASSERT_TRUE(stranger.Own(kExtension));
    auto desktop = FollowGnomeShell(XWaylandView({5, 5}));
    EXPECT_FALSE(desktop->FollowsPointerEverywhere());
    const QDBusPendingCall answer = stranger.Report({100, 150, 0, 0, 1200, 900, 1});
    ASSERT_TRUE(WaitFor([&] { return answer.isFinished(); }));
    EXPECT_EQ(desktop->GetCursorPos(), QPoint(5, 5));
    EXPECT_FALSE(desktop->GetAsyncKeyState(MouseButton::Left));
    // Even the shell's connection is not the extension while the name is another's.
    const QDBusPendingCall early = shell.Report({200, 150, 0, 0, 1200, 900, 0});
    ASSERT_TRUE(WaitFor([&] { return early.isFinished(); }));
    EXPECT_EQ(desktop->GetCursorPos(), QPoint(5, 5));
}

} // namespace
} // namespace orbo
