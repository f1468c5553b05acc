// The notice that the eyes follow the pointer only over X11 windows on this desktop.
#include "main/pointer_notice.h"
#include "memory_settings_store.h"
#include "scripted_desktop.h"

#include "creature/settings_io.h"
#include "platform/desktop/desktop.h"
#include "platform/system/settings_store.h"

#include <QtWidgets/QAbstractButton>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QMessageBox>

#include <gtest/gtest.h>

#include <memory>

namespace orbo {
namespace {

struct Row {
    const char* name;
    bool everywhere;
    const char* stored; // nullptr: nothing stored
    const char* advice;
    const char* shown; // nullptr: not told
};

// Told only where the pointer is hidden: what to do where the user can (GNOME Shell with the
// extension off), else where the eyes would follow everywhere.
TEST(PointerNotice, ToldOnlyWhereThePointerIsHidden) {
    const Row rows[] = {
        {"X11, or KWin telling", true, nullptr, "", nullptr},
        {"X11, the notice never dismissed", true, "True", "", nullptr},
        {"another Wayland desktop", false, nullptr, "", "In an X11 session"},
        {"an extension to turn on", false, nullptr, "Run: gnome-extensions enable x@y",
         "gnome-extensions enable x@y"},
        {"another Wayland desktop, asked to tell", false, "True", "", "In an X11 session"},
        {"another Wayland desktop, told not to tell", false, "False", "", nullptr},
        {"another Wayland desktop, told not to tell in other letters", false, "false", "", nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ScriptedDesktop desktop;
        desktop.Everywhere = row.everywhere;
        desktop.Advice = QLatin1String(row.advice);
        MemorySettingsStore store;
        if (row.stored)
            store.SaveSetting(kSettingsApp, kSettingsSection, QStringLiteral("PointerNotice"),
                              QLatin1String(row.stored));
        EXPECT_EQ(ShouldTellWherePointerIsSeen(desktop, store), row.shown != nullptr);
        const std::unique_ptr<QMessageBox> box(TellWherePointerIsSeen(desktop, store));
        ASSERT_EQ(box != nullptr, row.shown != nullptr);
        if (!box)
            continue;
        EXPECT_TRUE(box->text().contains(QLatin1String(row.shown))) << box->text().toStdString();
        EXPECT_TRUE(box->text().contains(QLatin1String("only while it is over Orbo")));
    }
}

// Only ticking the box and closing the notice stops it for good.
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

} // namespace
} // namespace orbo
