#include "main/form1.h"
#include "main/mdl_general.h"
#include "options/frm_options.h"
#include "options/options_host.h"
#include "platform/desktop.h"
#include "platform/settings_store.h"

#include <QtCore/QCoreApplication>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QLabel>

#include <gtest/gtest.h>

namespace orbo {
namespace {

TEST(OptionsHost, MakesTheWindowHiddenOnceAndAfreshAfterItWasClosed) {
    mdlGeneral general;
    ScriptedDesktop desk;
    MemorySettingsStore store;
    Form1 form(general, desk, store);
    form.Form_Load();
    OptionsHost host(general, form);

    QMenu* menu = host.Menu();
    frmOptions* first = host.Window();
    ASSERT_NE(nullptr, first);
    EXPECT_EQ(menu, &first->mnuMain);
    EXPECT_EQ(menu, host.Menu()) << "a living window is not made again";

    // Closing through the frame destroys the window...
    first->mnuOptions_Click();
    ASSERT_TRUE(first->isVisible());
    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(host.Window(), nullptr);

    // ...and the next one starts from the settings as they are now, on the Skins page.
    general.Speed = 40;
    general.Blink = false;
    host.Menu();
    frmOptions* second = host.Window();
    ASSERT_NE(nullptr, second);
    EXPECT_FALSE(second->isVisible());
    EXPECT_EQ(u"40", second->lblSpeedHelp[1]->text());
    EXPECT_EQ(732, second->Slider().HandleTop);
    EXPECT_FALSE(second->chkBlink->isChecked());
    EXPECT_FALSE(second->picMenu[3]->isVisibleTo(second));
}

} // namespace
} // namespace orbo
