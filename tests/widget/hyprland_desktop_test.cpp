// The Hyprland desktop against a stand-in for Hyprland's request socket: what it makes of the
// answers, whom it asks, and that nothing waits for them.
#include "platform/desktop/desktop_hyprland.h"
#include "scripted_desktop.h"
#include "wait_for.h"

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QTemporaryDir>
#include <QtNetwork/QLocalServer>
#include <QtNetwork/QLocalSocket>

#include <gtest/gtest.h>

#include <functional>

#include <sys/stat.h>
#include <unistd.h>

namespace orbo {
namespace {

using testing::Settle;
using testing::WaitFor;
using namespace Qt::StringLiterals;

TEST(HyprlandCursor, TakesOnlyTwoPlausibleNumbers) {
    const std::pair<const char*, std::optional<QPoint>> rows[] = {
        {"\n{\n    \"x\": 1234,\n    \"y\": 567\n}\n", QPoint(1234, 567)}, // as Hyprland writes
        {R"({"y": 5, "x": -1920, "more": [1]})", QPoint(-1920, 5)},
        {R"({"x": 10.7, "y": -3.2})", QPoint(10, -4)},
        {R"({"x": 1048576, "y": -1048576})", QPoint(1048576, -1048576)},
        {R"({"x": 1048577, "y": 0})", {}},
        {R"({"x": 0, "y": -1e300})", {}},
        {R"({"x": NaN, "y": 0})", {}},
        {R"({"x": "12", "y": 3})", {}},
        {R"({"x": 12, "y": null})", {}},
        {R"({"x": 12})", {}},
        {"unknown request", {}},
    };
    for (const auto& [reply, cursor] : rows)
        EXPECT_EQ(ParseHyprlandCursor(reply), cursor) << reply;
    EXPECT_EQ(ParseHyprlandCursor(QByteArray(5000, ' ') + R"({"x": 1, "y": 2})"), std::nullopt);
}

// Hyprland's socket in a runtime folder of its own, named by the environment while it lives:
// each request answered with Reply, or held unanswered while Silent.
struct FakeHyprland {
    FakeHyprland() {
        EXPECT_TRUE(QDir(runtime.path()).mkpath(u"hypr/sig"_s));
        for (const char* folder : {"/hypr", "/hypr/sig"})
            EXPECT_EQ(::chmod(QFile::encodeName(runtime.path() + folder).constData(), 0700), 0);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
        qputenv("HYPRLAND_INSTANCE_SIGNATURE", "sig");
        QObject::connect(&server, &QLocalServer::newConnection, &server, [this] {
            while (QLocalSocket* client = server.nextPendingConnection()) {
                clients.push_back(client);
                QObject::connect(client, &QLocalSocket::readyRead, client, [this, client] {
                    requests.append(client->readAll());
                    if (!silent)
                        client->write(reply), client->disconnectFromServer();
                });
            }
        });
        EXPECT_TRUE(server.listen(Path()));
    }
    ~FakeHyprland() {
        qputenv("XDG_RUNTIME_DIR", runtimeBefore);
        qunsetenv("HYPRLAND_INSTANCE_SIGNATURE");
    }
    QString Path() const { return runtime.filePath(u"hypr/sig/.socket.sock"_s); }

    const QByteArray runtimeBefore = qgetenv("XDG_RUNTIME_DIR");
    QTemporaryDir runtime;
    QLocalServer server;
    std::vector<QLocalSocket*> clients;
    QByteArrayList requests;
    QByteArray reply = R"({"x": 100, "y": 150})";
    bool silent = false;
};

TEST(HyprlandDesktop, FollowsTheAnswersAndWakesOnlyWhenTheyMove) {
    FakeHyprland hyprland;
    auto desktop = FollowHyprland(XWaylandView({5, 5}));
    int wakes = 0;
    desktop->SetInputListener([&] { ++wakes; });
    EXPECT_EQ(desktop->PointerPosition(), QPoint(5, 5)) << "the fallback's until an answer";
    ASSERT_TRUE(WaitFor([&] { return desktop->PointerPosition() == QPoint(100, 150); }));
    EXPECT_EQ(hyprland.requests.value(0), "j/cursorpos");
    EXPECT_TRUE(desktop->AnnouncesInput() && desktop->FollowsPointerEverywhere());
    Settle();
    const qsizetype asked = hyprland.requests.size();
    Settle();
    EXPECT_EQ(hyprland.requests.size(), asked) << "asked while nothing reads";
    desktop->Refresh();
    ASSERT_TRUE(WaitFor([&] { return hyprland.requests.size() > asked; }));
    Settle();
    EXPECT_EQ(wakes, 1) << "woken by an answer that moved nothing";
    hyprland.reply = R"({"x": 300, "y": 40})";
    desktop->Refresh();
    ASSERT_TRUE(WaitFor([&] { return wakes == 2; }));
    EXPECT_EQ(desktop->PointerPosition(), QPoint(300, 40));
    // A bad answer, then a refused connection: the last cursor kept, and asked again.
    for (const bool refused : {false, true}) {
        hyprland.reply = "unknown request";
        if (refused)
            hyprland.server.close();
        ASSERT_TRUE(
            WaitFor([&] { return desktop->Refresh(), !desktop->FollowsPointerEverywhere(); }));
        EXPECT_EQ(desktop->PointerPosition().x(), 300 + refused);
        hyprland.reply = refused ? R"({"x": 302, "y": 40})" : R"({"x": 301, "y": 40})";
        ASSERT_TRUE(!refused || hyprland.server.listen(hyprland.Path()));
        EXPECT_TRUE(WaitFor([&] { return desktop->PointerPosition().x() == 301 + refused; }));
        EXPECT_TRUE(desktop->FollowsPointerEverywhere());
    }
}

// A socket someone else listens on is never sent the request.
TEST(HyprlandDesktop, AsksNoStranger) {
    FakeHyprland hyprland;
    auto desktop = FollowHyprlandAt(XWaylandView({5, 5}), hyprland.Path(), ::geteuid() + 1);
    ASSERT_TRUE(WaitFor([&] { return desktop->PointerPosition(), hyprland.clients.size() > 2; }));
    Settle();
    EXPECT_EQ(desktop->PointerPosition(), QPoint(5, 5));
    EXPECT_FALSE(desktop->FollowsPointerEverywhere());
    EXPECT_TRUE(hyprland.requests.isEmpty()) << hyprland.requests.join('|').toStdString();
}

// The socket only as named, in the user's own folders of the runtime folder.
TEST(HyprlandDesktop, TrustsOnlyTheUsersSocketInTheRuntimeFolder) {
    const uid_t user = ::geteuid();
    const QTemporaryDir elsewhere;
    QLocalServer lookalike;
    const struct Row {
        const char* name;
        std::function<void(const QString& runtime)> arrange;
        uid_t user = ::geteuid();
    } rows[] = {
        {"another user's", [](const QString&) {}, user + 1},
        {"a signature of two names",
         [](const QString&) { qputenv("HYPRLAND_INSTANCE_SIGNATURE", "sig/."); }},
        {"a signature that climbs out",
         [&](const QString& runtime) {
             qputenv("HYPRLAND_INSTANCE_SIGNATURE", "..");
             ASSERT_TRUE(lookalike.listen(runtime + u"/.socket.sock"_s));
         }},
        {"a link out of the runtime folder",
         [&](const QString& runtime) {
             ASSERT_TRUE(QDir().rename(runtime + u"/hypr"_s, elsewhere.filePath(u"hypr"_s)));
             ASSERT_TRUE(QFile::link(elsewhere.filePath(u"hypr"_s), runtime + u"/hypr"_s));
         }},
        {"a folder others can write",
         [](const QString& runtime) {
             ASSERT_EQ(::chmod(QFile::encodeName(runtime + u"/hypr/sig"_s).constData(), 0777), 0);
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FakeHyprland hyprland;
        ASSERT_EQ(HyprlandSocket(user), hyprland.Path());
        row.arrange(hyprland.runtime.path());
        EXPECT_EQ(HyprlandSocket(row.user), std::nullopt);
        auto fallback = XWaylandView({5, 5});
        const Desktop* given = fallback.get();
        if (row.user == user) {
            EXPECT_EQ(FollowHyprland(std::move(fallback)).get(), given) << "not the fallback";
        }
        lookalike.close();
    }
}

// A socket that takes the request and never answers: the read returns at once, the request is
// dropped in time, and later ones go out.
TEST(HyprlandDesktop, ASilentSocketHoldsNothingUp) {
    FakeHyprland hyprland;
    hyprland.silent = true;
    auto desktop = FollowHyprland(XWaylandView({5, 5}));
    EXPECT_EQ(desktop->PointerPosition(), QPoint(5, 5));
    // No event has run since: a request that was waited for and given up has closed its end.
    hyprland.server.waitForNewConnection(20000); // taken at once by the stand-in
    ASSERT_EQ(hyprland.clients.size(), 1u);
    ASSERT_TRUE(hyprland.clients.back()->waitForReadyRead(20000));
    EXPECT_FALSE(hyprland.clients.back()->waitForReadyRead(200));
    EXPECT_EQ(hyprland.clients.back()->state(), QLocalSocket::ConnectedState);
    ASSERT_TRUE(WaitFor([&] { return !desktop->FollowsPointerEverywhere(); }));
    hyprland.silent = false;
    EXPECT_TRUE(WaitFor([&] { return desktop->PointerPosition() == QPoint(100, 150); }));
}

} // namespace
} // namespace orbo
