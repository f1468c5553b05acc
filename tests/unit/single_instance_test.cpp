// Windows only: what an installer relies on to reach the running program.
#include "platform/system/single_instance.h"

#include <QtCore/QCoreApplication>

#include <gtest/gtest.h>

#include <windows.h>

namespace orbo {
namespace {

// The first program's hidden window, found by its class and title, takes WM_APP + 1 as
// BringBack and WM_CLOSE as Exit, each run once from the event loop however often it was asked
// meanwhile; a later claim in the session hands over to it.
TEST(SingleInstance, WindowTakesBringBackAndExit) {
    int argc = 0;
    const QCoreApplication app(argc, nullptr);
    SingleInstance first;
    ASSERT_EQ(std::nullopt, first.Claim());
    int bringBacks = 0;
    int exits = 0;
    first.OnBringBack([&] { ++bringBacks; });
    first.OnExit([&] { ++exits; });
    HWND window = ::FindWindowW(L"OrboInstanceWindow", L"Orbo");
    ASSERT_NE(nullptr, window);
    EXPECT_FALSE(::IsWindowVisible(window));
    EXPECT_EQ(0, ::SendMessageW(window, WM_APP + 1, 0, 0));
    EXPECT_EQ(0, ::SendMessageW(window, WM_APP + 1, 0, 0)); // joins the one waiting
    EXPECT_EQ(0, ::SendMessageW(window, WM_CLOSE, 0, 0));
    EXPECT_EQ(0, bringBacks + exits) << "ran inside the sender's call";
    QCoreApplication::processEvents();
    EXPECT_EQ(1, bringBacks);
    EXPECT_EQ(1, exits);
    EXPECT_EQ(std::optional<int>(0), SingleInstance().Claim());
    QCoreApplication::processEvents();
    EXPECT_EQ(2, bringBacks);
}

} // namespace
} // namespace orbo
