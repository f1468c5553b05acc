// The hot key hides and shows the creature wherever the keyboard is; a key held elsewhere is said.
#include "e2e_env.h"

#include <gtest/gtest.h>

namespace orbo::e2e {
namespace {

using namespace std::chrono_literals;

bool PressHotKey() {
    return Probe().TapKey("o", {"Control_L", "Alt_L"});
}

TEST(HotKey, HidesAndShowsTheCreatureWhereverTheKeyboardIs) {
    OrboRun run;
    ASSERT_TRUE(run.Start());
    const unsigned long editor = Probe().CreatePlainWindow(QRect(10, 10, 200, 100));
    ASSERT_TRUE(RunOnDisplay(u"xdotool"_s, {u"windowfocus"_s, QString::number(editor)}));
    ASSERT_EQ(editor, Probe().FocusedWindow());
    // Num Lock on, then Caps Lock too: each changes the state the key arrives with.
    for (const char* lock : {"", "Num_Lock", "Caps_Lock"}) {
        SCOPED_TRACE(lock);
        ASSERT_TRUE(!*lock || Probe().TapKey(lock));
        ASSERT_TRUE(PressHotKey());
        ASSERT_TRUE(Probe().WaitGone(kTitle, 30s)) << "not hidden";
        ASSERT_TRUE(PressHotKey());
        ASSERT_TRUE(Probe().WaitMapped(kTitle, 30s)) << "not shown";
    }
    Probe().TapKey("Num_Lock");
    Probe().TapKey("Caps_Lock");
    EXPECT_EQ(editor, Probe().FocusedWindow()) << "the hot key took the keyboard";
}

// A key is held as typed ("!" with Shift, a Latin-1 letter) and named in the user's language.
TEST(HotKey, AKeyIsHeldAsItIsTyped) {
    ASSERT_TRUE(RunOnDisplay(u"xmodmap"_s, {u"-e"_s, u"keycode 49 = eacute Eacute"_s}));
    const struct {
        const char* Stored;
        const char* Key;
        std::vector<const char*> Other, Held;
    } rows[] = {
        {"Ctrl+Alt+!", "1", {"Control_L", "Alt_L"}, {"Control_L", "Alt_L", "Shift_L"}},
        {"Ctrl+Alt+\u00E9", "eacute", {"Control_L", "Alt_L", "Shift_L"}, {"Control_L", "Alt_L"}},
        {"Strg+Alt+O", "o", {"Control_L"}, {"Control_L", "Alt_L"}}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Stored);
        OrboRun run;
        ASSERT_TRUE(run.WriteSettings({{u"HotKey"_s, QString::fromUtf8(row.Stored)}}) &&
                    run.Start({{u"LANG"_s, u"de_DE.UTF-8"_s}}));
        ASSERT_TRUE(Probe().TapKey(row.Key, row.Other));
        EXPECT_FALSE(Probe().WaitGone(kTitle, 1s)) << "another key hid it";
        ASSERT_TRUE(Probe().TapKey(row.Key, row.Held));
        EXPECT_TRUE(Probe().WaitGone(kTitle, 30s)) << "not hidden";
    }
}

TEST(HotKey, AKeyAnotherProgramHoldsIsSaidAndTheCreatureWorksOn) {
    XProbe other(Display());
    ASSERT_TRUE(other.GrabKey("o", 4 | 8)); // Ctrl+Alt
    OrboRun run;
    // Away from the middle of the screen, where the message shows.
    ASSERT_TRUE(run.WriteSettings({{u"Left"_s, Twips(40)}, {u"Top"_s, Twips(500)}}) && run.Start());
    EXPECT_TRUE(Probe().WaitMapped(u"Orbo"_s, 30s)) << "the taken key was not said";
    ASSERT_TRUE(UseMenu(run.Geometry().center(), u"&Hide"_s));
    EXPECT_TRUE(Probe().WaitGone(kTitle, 30s)) << "the creature's menu no longer works";
}

} // namespace
} // namespace orbo::e2e
