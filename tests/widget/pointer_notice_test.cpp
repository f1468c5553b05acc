// The notice that the eyes follow the pointer only over X11 windows on this desktop.
#include "main/pointer_notice.h"

#include "main/settings_io.h"
#include "platform/desktop.h"
#include "platform/settings_store.h"

#include <QtWidgets/QAbstractButton>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QMessageBox>

#include <gtest/gtest.h>

namespace orbo {
namespace {

struct Row {
    const char* name;
    bool everywhere;
    const char* stored; // nullptr: nothing stored
    bool told;
};

TEST(PointerNotice, ToldOnlyWhereThePointerIsHidden) {
    const Row rows[] = {
        {"X11, or KWin telling", true, nullptr, false},
        {"X11, the notice never dismissed", true, "True", false},
        {"another Wayland desktop", false, nullptr, true},
        {"another Wayland desktop, asked to tell", false, "True", true},
        {"another Wayland desktop, told not to tell", false, "False", false},
        {"another Wayland desktop, told not to tell in other letters", false, "false", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ScriptedDesktop desktop;
        desktop.Everywhere = row.everywhere;
        MemorySettingsStore store;
        if (row.stored)
            store.SaveSetting(kSettingsApp, kSettingsSection, QStringLiteral("PointerNotice"),
                              QLatin1String(row.stored));
        EXPECT_EQ(ShouldTellWherePointerIsSeen(desktop, store), row.told);
        QMessageBox* box = TellWherePointerIsSeen(desktop, store);
        EXPECT_EQ(box != nullptr, row.told);
        delete box;
    }
}

// Ticking the box and closing the notice is the way not to be told again; closing it alone is
// not.
TEST(PointerNotice, DismissedForGoodOnlyWhenTicked) {
    for (const bool tick : {false, true}) {
        SCOPED_TRACE(tick ? "ticked" : "not ticked");
        ScriptedDesktop desktop;
        desktop.Everywhere = false;
        MemorySettingsStore store;
        QMessageBox* box = TellWherePointerIsSeen(desktop, store);
        ASSERT_NE(box, nullptr);
        EXPECT_TRUE(box->isVisible());
        ASSERT_NE(box->checkBox(), nullptr);
        box->checkBox()->setChecked(tick);
        box->button(QMessageBox::Ok)->click();
        EXPECT_EQ(ShouldTellWherePointerIsSeen(desktop, store), !tick);
        EXPECT_EQ(TellWherePointerIsSeen(desktop, store) == nullptr, tick);
    }
}

// A desktop where the user can do something about it (GNOME Shell with Orbo's extension off) says
// what; any other says where the eyes would follow the pointer everywhere.
TEST(PointerNotice, SaysWhatTheUserCanDo) {
    struct AdviceRow {
        const char* name;
        const char* advice;
        const char* shown;
    };
    const AdviceRow rows[] = {
        {"nothing to be done", "", "In an X11 session"},
        {"an extension to turn on", "Run: gnome-extensions enable x@y",
         "gnome-extensions enable x@y"},
    };
    for (const AdviceRow& row : rows) {
        SCOPED_TRACE(row.name);
        ScriptedDesktop desktop;
        desktop.Everywhere = false;
        desktop.Advice = QLatin1String(row.advice);
        MemorySettingsStore store;
        QMessageBox* box = TellWherePointerIsSeen(desktop, store);
        ASSERT_NE(box, nullptr);
        EXPECT_TRUE(box->text().contains(QLatin1String(row.shown))) << box->text().toStdString();
        EXPECT_TRUE(box->text().contains(QLatin1String("only while it is over Orbo")));
        delete box;
    }
}

} // namespace
} // namespace orbo
