// The options window on Qt's offscreen platform: pages, credits, slider, toggles, skin list.
#include "memory_settings_store.h"
#include "scripted_desktop.h"
#include "wait_for.h"

#include "creature/activation.h"
#include "creature/creature.h"
#include "creature/settings_io.h"
#include "main/form1.h"
#include "options/frm_options.h"
#include "options/options_host.h"
#include "options/options_layout.h"
#include "options/shape_box.h"
#include "platform/desktop/desktop.h"
#include "platform/system/files.h"
#include "platform/system/settings_store.h"

#include <QtCore/QUuid>
#include <QtGui/QImage>
#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QLabel>
#include <QtWidgets/QListWidget>

#include <gtest/gtest.h>

namespace orbo {
namespace {

const QColor kPage(191, 255, 0);
const QColor kSelected(199, 255, 0);
const QColor kInk(253, 0, 177);

// A skin folder copied beside the test program under a name of its own; removed afterwards.
class InstalledSkin {
public:
    explicit InstalledSkin(const QString& source)
        : name_(QStringLiteral("test-") + QUuid::createUuid().toString(QUuid::WithoutBraces)),
          path_(QCoreApplication::applicationDirPath() + QStringLiteral("/Skins/") + name_) {
        QDir().mkpath(path_);
        const QDir from(source);
        for (const QString& f : from.entryList(QDir::Files))
            QFile::copy(from.filePath(f), path_ + u'/' + f);
    }
    ~InstalledSkin() { QDir(path_).removeRecursively(); }
    const QString& Name() const { return name_; }
    const QString& Path() const { return path_; }

private:
    QString name_;
    QString path_;
};

class OptionsWindowTest : public ::testing::Test {
protected:
    void SetUp() override { form1.Form_Load(); }

    // Made the way the popup menu's owner makes it, then shown.
    frmOptions& Shown() {
        options = std::make_unique<frmOptions>(general, form1);
        options->mnuOptions_Click();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(options.get()));
        return *options;
    }
    static QColor Back(const QWidget& w) { return w.palette().color(QPalette::Window); }
    // What the window shows at a point of a control.
    static QColor ShownAt(QWidget& window, const QWidget& control, QPoint local) {
        return window.grab().toImage().pixelColor(control.mapTo(&window, local));
    }
    // Only `page` is shown, its entry bold in the marking colours, as the window shows it.
    void ExpectMarked(frmOptions& o, int page, const QColor& back) {
        for (std::size_t i = 0; i < 4; ++i) {
            SCOPED_TRACE(i);
            const QLabel& entry = *o.lblMenu[i];
            const bool marked = int(i) == page;
            EXPECT_EQ(!marked, o.picMenu[i]->isHidden());
            EXPECT_EQ(marked, entry.font().bold());
            EXPECT_EQ(marked ? back : o.palette().color(QPalette::Button), Back(entry));
            EXPECT_EQ(marked ? kInk : o.palette().color(QPalette::ButtonText),
                      entry.palette().color(QPalette::WindowText));
            // The focused entry wears the style's focus frame over its colours.
            if (!entry.hasFocus()) {
                EXPECT_EQ(Back(entry), ShownAt(o, entry, {1, 1}));
            }
        }
    }

    ScriptedDesktop desktop;
    MemorySettingsStore store;
    Creature creature{desktop, SkinsFolders()};
    const mdlGeneral& general = creature.General();
    Form1 form1{creature, desktop, store};
    std::unique_ptr<frmOptions> options;
};

TEST_F(OptionsWindowTest, OpensOnTheSkinsPageAndAClickedEntryShowsItsPage) {
    frmOptions& o = Shown();
    EXPECT_EQ(u"Orbo - Options", o.windowTitle());
    EXPECT_EQ(QSize(306, 103), o.size()); // 4590 x 1545 twips
    ExpectMarked(o, 0, kPage);
    // 80 twips is 5.33 pixels: the list lands on whole pixels, 160 twips smaller than the page.
    EXPECT_EQ(QRect(5, 5, 254, 92), o.lstSkins->geometry());
    // A click on an entry shows its page and marks it.
    QTest::mouseClick(o.lblMenu[3], Qt::LeftButton);
    ExpectMarked(o, 3, kSelected);
    EXPECT_EQ(QColor(192, 192, 192), ShownAt(o, *o.shpSpeed, {120, 80})); // the grey panel
    QTest::mouseClick(o.lblMenu[1], Qt::RightButton); // a right click is no click
    QTest::mouseClick(o.lblMenu[0], Qt::LeftButton);
    ExpectMarked(o, 0, kSelected);
    // The About Skin text is rebuilt by a click on its entry only.
    o.lblMenu_Click(2);
    const InstalledSkin skin(QStringLiteral(ORBO_SOURCE_DIR "/Skins/Peeker"));
    form1.ActivateSkin(skin.Name());
    EXPECT_TRUE(o.AboutSkinCaption().startsWith(u"'Ally McOrbo' by Quillon, 18/2/0\r"));
    o.lblMenu_Click(2);
    EXPECT_TRUE(o.AboutSkinCaption().startsWith(u"'Peeker'"));
    EXPECT_EQ(LabelText(o.AboutSkinCaption()), o.lblAboutSkin->text());
}

// The pilcrow toggles the credits; beside it, the version toggles the licence notice, whole.
TEST_F(OptionsWindowTest, ThePilcrowTogglesTheCreditsTheVersionTheLicence) {
    frmOptions& o = Shown();
    QTest::mouseClick(o.lblMenu[1], Qt::LeftButton);
    EXPECT_EQ(CreditsText(QStringLiteral(ORBO_VERSION)), o.AboutInfoCaption());
    QTest::mouseClick(o.lblAbout, Qt::LeftButton);
    EXPECT_FALSE(o.lblAboutInfo->isHidden());
    // The label grew to its six lines; the box lies exactly behind it.
    EXPECT_GT(o.lblAboutInfo->height(), 5 * 14);
    EXPECT_EQ(QPoint(104, 9), o.lblAboutInfo->pos());
    EXPECT_EQ(o.lblAboutInfo->geometry(), o.shpAboutTextBack->geometry());
    EXPECT_EQ(QColor(255, 0, 255), ShownAt(o, *o.shpAboutTextBack, {0, 0}));
    QTest::mouseClick(o.lblAbout, Qt::LeftButton);
    EXPECT_TRUE(o.shpAboutTextBack->isHidden());

    EXPECT_TRUE(o.lblLicence->text().contains(QStringLiteral(ORBO_VERSION)));
    QTest::mouseClick(o.lblLicence, Qt::LeftButton);
    ASSERT_TRUE(o.lblLicenceInfo->isVisible());
    for (const char* says : {"Copyright", "NO WARRANTY", "version 3 or later", "gpl-3.0"})
        EXPECT_TRUE(o.lblLicenceInfo->text().contains(QLatin1String(says))) << says;
    EXPECT_TRUE(o.picMenu[1]->rect().contains(o.lblLicenceInfo->geometry()))
        << "cut at the page " << o.lblLicenceInfo->width() << "x" << o.lblLicenceInfo->height()
        << " in " << o.picMenu[1]->width() << "x" << o.picMenu[1]->height();
    const QLabel& notice = *o.lblLicenceInfo;
    const QSize needs = notice.wordWrap()
                            ? QSize(notice.width(), notice.heightForWidth(notice.width()))
                            : notice.sizeHint();
    EXPECT_TRUE(needs.width() <= notice.width() && needs.height() <= notice.height()) << "cut";
    o.lblLicence->setFocus();
    QTest::keyClick(o.lblLicence, Qt::Key_Space);
    EXPECT_TRUE(o.lblLicenceInfo->isHidden());
}

// Made once, hidden; Options toggles it on the same page; closed, the next starts afresh.
TEST_F(OptionsWindowTest, OptionsCommandTogglesTheWindowAndClosingMakesItAfresh) {
    OptionsHost host(creature, form1);
    QMenu* menu = host.Menu();
    frmOptions* o = host.Window();
    ASSERT_NE(nullptr, o);
    EXPECT_EQ(menu, &o->mnuMain);
    EXPECT_EQ(menu, host.Menu()) << "a living window is not made again";
    EXPECT_FALSE(o->isVisible());
    o->mnuOptions->trigger();
    o->lblMenu_Click(3);
    o->mnuOptions->trigger();
    EXPECT_FALSE(o->isVisible());
    o->mnuOptions->trigger();
    EXPECT_TRUE(o->isVisible());
    EXPECT_FALSE(o->picMenu[3]->isHidden());
    // Escape reaches the window through the control that has the focus.
    QTest::keyClick(o->lstSkins, Qt::Key_Escape);
    EXPECT_TRUE(o->Closed());
    EXPECT_TRUE(store.Values.empty()); // only the creature window's closing saves
    form1.SetSpeed(40);
    form1.SetBlink(false);
    host.Menu();
    o = host.Window();
    ASSERT_FALSE(o->Closed());
    EXPECT_FALSE(o->isVisible());
    EXPECT_EQ(u"40", o->lblSpeedHelp[1]->text());
    EXPECT_EQ(732, o->Slider().HandleTop);
    EXPECT_FALSE(o->chkBlink->isChecked());
    EXPECT_FALSE(o->picMenu[3]->isVisibleTo(o)) << "not on the Skins page";
}

// Keys alone reach every page and move the slider (Ctrl+Page Down in the list too).
TEST_F(OptionsWindowTest, KeysReachEveryPageAndMoveTheSlider) {
    frmOptions& o = Shown();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&o));
    ASSERT_EQ(o.lstSkins, QApplication::focusWidget());
    const QString skin = general.SkinName;
    struct Step {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int page;
        QWidget* focus;
    };
    const Step steps[] = {
        {Qt::Key_PageDown, Qt::ControlModifier, 3, o.imgSpeed},
        {Qt::Key_Tab, {}, 3, o.chkOnTop},
        {Qt::Key_Tab, Qt::ControlModifier, 1, o.lblAbout},
        {Qt::Key_Return, {}, 1, o.lblAbout}, // shows the credits
        {Qt::Key_PageDown, Qt::ControlModifier, 2, o.lblMenu[2]},
        {Qt::Key_Tab, Qt::ControlModifier, 0, o.lblMenu[0]},
        {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, 2, o.lblMenu[2]},
        {Qt::Key_PageUp, Qt::ControlModifier, 1, o.lblMenu[1]},
        {Qt::Key_Backtab, Qt::ShiftModifier, 1, o.lblMenu[3]},
        {Qt::Key_Space, {}, 3, o.lblMenu[3]},
        {Qt::Key_Tab, {}, 3, o.lblMenu[1]},
        {Qt::Key_Tab, {}, 3, o.lblMenu[2]},
        {Qt::Key_Tab, {}, 3, o.imgSpeed},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(::testing::Message() << "step " << &step - steps);
        QTest::keyClick(QApplication::focusWidget(), step.key, step.modifiers);
        ExpectMarked(o, step.page, kSelected);
        EXPECT_EQ(step.focus, QApplication::focusWidget());
    }
    EXPECT_EQ(skin, general.SkinName);
    EXPECT_FALSE(o.lblAboutInfo->isHidden());
    EXPECT_TRUE(o.AboutSkinCaption().startsWith(u"'Ally McOrbo'"));

    struct Move {
        Qt::Key key;
        int speed, top, interval; // the handle's top in pixels
    };
    // Which speed each key gives is the slider's unit table; here they reach the creature.
    for (const Move& move : {Move{Qt::Key_Up, 86, 18, 71}, Move{Qt::Key_End, 100, 8, 1},
                             Move{Qt::Key_Left, 99, 9, 6}}) {
        SCOPED_TRACE(move.key);
        QTest::keyClick(o.imgSpeed, move.key);
        EXPECT_EQ(move.speed, general.Speed);
        EXPECT_EQ(QString::number(move.speed), o.lblSpeedHelp[1]->text());
        EXPECT_EQ(move.top, o.imgSpeed->y());
        EXPECT_EQ(move.interval, form1.AnimationInterval());
    }
    const QImage focused = o.imgSpeed->grab().toImage();
    QTest::keyClick(o.imgSpeed, Qt::Key_Tab);
    EXPECT_NE(focused, o.imgSpeed->grab().toImage()) << "the focus was not shown on the handle";
    o.mnuExit->trigger();
    EXPECT_EQ(u"99", store.GetSetting(kSettingsApp, kSettingsSection, "Speed", {}));
}

TEST_F(OptionsWindowTest, TheListSelectsTheActiveSkinAndAppliesAPickAtOnce) {
    form1.ActivateSkin(QStringLiteral("no such skin"));
    Shown().lstSkins->setFocus();
    QCoreApplication::processEvents();
    EXPECT_TRUE(options->lstSkins->selectedItems().isEmpty());
    EXPECT_EQ(u"no such skin", general.SkinName) << "focusing the list picked a skin";
    options->close();

    const InstalledSkin skin(QStringLiteral(ORBO_SOURCE_DIR "/Skins/Peeker"));
    form1.ActivateSkin(skin.Name().toUpper());
    ASSERT_EQ(QSize(110, 86), form1.size());
    frmOptions& o = Shown();
    ASSERT_EQ(1, o.lstSkins->selectedItems().size());
    EXPECT_EQ(skin.Name(), o.lstSkins->selectedItems().front()->text());
    EXPECT_EQ(skin.Name().toUpper(), general.SkinName) << "loaded again under the list's name";
    o.lstSkins->setFocus();
    QTest::keyClick(o.lstSkins, Qt::Key_Home);
    EXPECT_EQ(kNoSkin, general.SkinName);
    EXPECT_EQ(QSize(75, 100), form1.size());
    const QListWidgetItem* item = o.lstSkins->findItems(skin.Name(), Qt::MatchExactly).value(0);
    ASSERT_NE(nullptr, item);
    o.lstSkins->scrollToItem(item);
    QTest::mouseClick(o.lstSkins->viewport(), Qt::LeftButton, {},
                      o.lstSkins->visualItemRect(item).center());
    EXPECT_EQ(skin.Name(), general.SkinName);
    EXPECT_EQ(QSize(110, 86), form1.size());
    EXPECT_EQ(u"Peeker", general.SkinDef.Name);

    // The list follows its folder while the window is open; the active skin stays selected.
    const auto listed = [&o](const QString& name) {
        return !o.lstSkins->findItems(name, Qt::MatchExactly).isEmpty();
    };
    const InstalledSkin added(QStringLiteral(ORBO_SOURCE_DIR "/Skins/Donut"));
    EXPECT_TRUE(testing::WaitFor([&] { return listed(added.Name()); })) << "not added";
    const QString renamed = added.Name() + QStringLiteral("-renamed");
    ASSERT_TRUE(QDir().rename(added.Path(), added.Path() + QStringLiteral("-renamed")));
    EXPECT_TRUE(testing::WaitFor([&] { return listed(renamed) && !listed(added.Name()); }))
        << "not renamed";
    ASSERT_TRUE(QDir(added.Path() + QStringLiteral("-renamed")).removeRecursively());
    EXPECT_TRUE(testing::WaitFor([&] { return !listed(renamed); })) << "not removed";
    ASSERT_EQ(1, o.lstSkins->selectedItems().size());
    EXPECT_EQ(skin.Name(), o.lstSkins->selectedItems().front()->text());
    EXPECT_EQ(skin.Name(), general.SkinName);
}

#ifndef Q_OS_WIN
// A new user's first skin shows, however many of the folders above the own skins folder were
// missing when the window opened, and again when they are made anew.
TEST_F(OptionsWindowTest, TheListFollowsAnOwnSkinsFolderMadeLater) {
    QTemporaryDir data;
    const QByteArray before = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
    frmOptions& o = Shown();
    const auto listed = [&o] {
        return !o.lstSkins->findItems(QStringLiteral("AAA-first"), Qt::MatchExactly).isEmpty();
    };
    for (int again = 0; again < 2; ++again) {
        ASSERT_TRUE(QDir().mkpath(data.filePath(QStringLiteral("orbo/Skins/AAA-first"))));
        EXPECT_TRUE(testing::WaitFor(listed)) << again;
        ASSERT_TRUE(QDir(data.filePath(QStringLiteral("orbo"))).removeRecursively());
        EXPECT_TRUE(testing::WaitFor([&] { return !listed(); })) << again;
    }
    qputenv("XDG_DATA_HOME", before);
}
#endif

} // namespace
} // namespace orbo
