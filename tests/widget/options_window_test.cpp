#include "main/form1.h"
#include "main/mdl_general.h"
#include "main/settings_io.h"
#include "options/frm_options.h"
#include "options/options_layout.h"
#include "options/shape_box.h"
#include "platform/desktop.h"
#include "platform/settings_store.h"
#include "skin/activation.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QPointer>
#include <QtGui/QImage>
#include <QtTest/QTest>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QLabel>
#include <QtWidgets/QListWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <utility>

namespace orbo {
namespace {

const QColor kPage(191, 255, 0);
const QColor kSelected(199, 255, 0);
const QColor kInk(253, 0, 177);

class OptionsWindowTest : public ::testing::Test {
protected:
    void SetUp() override { form1.Form_Load(); }

    // Made the way the creature window makes it: hidden, owned by the creature window.
    frmOptions& Open() {
        options = new frmOptions(general, form1, &form1);
        return *options;
    }
    frmOptions& Shown() {
        frmOptions& o = Open();
        o.mnuOptions_Click();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&o));
        return o;
    }
    static QColor Back(const QWidget& w) { return w.palette().color(QPalette::Window); }
    static QColor Fore(const QWidget& w) { return w.palette().color(QPalette::WindowText); }
    // What the window shows at a point of a control.
    static QColor ShownAt(QWidget& window, const QWidget& control, QPoint local) {
        const QImage image = window.grab().toImage();
        return image.pixelColor(control.mapTo(&window, local));
    }
    static QColor MostCommonColour(const QImage& image, const QRect& area) {
        std::map<QRgb, int> counts;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                ++counts[image.pixel(x, y)];
        const auto most = std::max_element(counts.begin(), counts.end(),
                                           [](auto& a, auto& b) { return a.second < b.second; });
        return most == counts.end() ? QColor() : QColor(most->first);
    }
    void ExpectOnlyPage(const frmOptions& o, int page) {
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(o.picMenu[std::size_t(i)]->isHidden(), i != page) << "page " << i;
    }

    ScriptedDesktop desktop;
    MemorySettingsStore store;
    mdlGeneral general;
    Form1 form1{general, desktop, store};
    QPointer<frmOptions> options;
};

TEST_F(OptionsWindowTest, OpensOnTheSkinsPageInTheDesignTimeColours) {
    frmOptions& o = Shown();
    EXPECT_EQ(o.windowTitle(), u"Orbo - Options");
    EXPECT_EQ(o.size(), QSize(306, 103)); // 4590 x 1545 twips
    ExpectOnlyPage(o, 0);
    EXPECT_TRUE(o.lblMenu[0]->font().bold());
    EXPECT_EQ(Back(*o.lblMenu[0]), kPage);
    EXPECT_EQ(Fore(*o.lblMenu[0]), kInk);
    for (int i : {1, 2, 3}) {
        EXPECT_FALSE(o.lblMenu[std::size_t(i)]->font().bold());
        EXPECT_EQ(Back(*o.lblMenu[std::size_t(i)]), o.palette().color(QPalette::Button));
        EXPECT_EQ(Fore(*o.lblMenu[std::size_t(i)]), o.palette().color(QPalette::ButtonText));
    }
    EXPECT_EQ(ShownAt(o, *o.lblMenu[0], {1, 1}), kPage);
    EXPECT_EQ(ShownAt(o, *o.picMenu[0], {1, 1}), kPage);

    // The menu column in index order, stacked 0, 3, 1, 2 from the top.
    const std::array<TwipRect, 4> entries{
        {{0, 240, 615, 255}, {0, 720, 615, 255}, {0, 960, 615, 405}, {0, 480, 615, 255}}};
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(o.TwipsOf(*o.lblMenu[i]), entries[i]) << "entry " << i;
    EXPECT_EQ(o.lblMenu[2]->text(), u" About Skin");
    for (QWidget* page : o.picMenu)
        EXPECT_EQ(o.TwipsOf(*page), (TwipRect{615, 0, 3975, 1545}));
    // 80 twips is 5.33 pixels: the list lands on whole pixels, 160 twips smaller than the page.
    EXPECT_EQ(o.lstSkins->geometry(), QRect(5, 5, 254, 92));
}

TEST_F(OptionsWindowTest, ClickingAnEntryShowsItsPageAndMarksIt) {
    frmOptions& o = Shown();
    QTest::mouseClick(o.lblMenu[3], Qt::LeftButton);
    ExpectOnlyPage(o, 3);
    EXPECT_TRUE(o.lblMenu[3]->font().bold());
    EXPECT_EQ(Back(*o.lblMenu[3]), kSelected);
    EXPECT_EQ(Fore(*o.lblMenu[3]), kInk);
    for (int i : {0, 1, 2}) {
        EXPECT_FALSE(o.lblMenu[std::size_t(i)]->font().bold());
        EXPECT_EQ(Back(*o.lblMenu[std::size_t(i)]), o.palette().color(QPalette::Button));
        EXPECT_EQ(Fore(*o.lblMenu[std::size_t(i)]), o.palette().color(QPalette::ButtonText));
    }
    EXPECT_EQ(ShownAt(o, *o.lblMenu[3], {1, 1}), kSelected);
    EXPECT_EQ(ShownAt(o, *o.lblMenu[0], {1, 1}), o.palette().color(QPalette::Button));
    // The grey panel fills the Options page inside the margins.
    EXPECT_EQ(o.shpSpeed->geometry(), QRect(5, 5, 254, 92));
    EXPECT_EQ(ShownAt(o, *o.shpSpeed, {120, 80}), QColor(192, 192, 192));

    // A right click is no click; a press that ends outside the entry is none either.
    QTest::mouseClick(o.lblMenu[1], Qt::RightButton);
    ExpectOnlyPage(o, 3);
    QTest::mouseClick(o.lblMenu[0], Qt::LeftButton);
    ExpectOnlyPage(o, 0);
    EXPECT_EQ(Back(*o.lblMenu[0]), kSelected);
}

TEST_F(OptionsWindowTest, AboutSkinShowsTheActiveSkinsInformation) {
    frmOptions& o = Shown();
    QTest::mouseClick(o.lblMenu[2], Qt::LeftButton);
    ExpectOnlyPage(o, 2);
    EXPECT_EQ(o.AboutSkinCaption(), AboutSkinText(general.SkinDef));
    EXPECT_TRUE(o.AboutSkinCaption().startsWith(u"'Ally McOrbo' by Quillon, 18/2/0\r"));
    EXPECT_EQ(o.lblAboutSkin->text(), LabelText(o.AboutSkinCaption()));
    EXPECT_EQ(o.lblAboutSkin->geometry(), QRect(5, 5, 254, 92));

    // The text is rebuilt by a click on the entry only.
    general.SkinDef.Name = QStringLiteral("Renamed");
    EXPECT_TRUE(o.AboutSkinCaption().startsWith(u"'Ally McOrbo'"));
    o.lblMenu_Click(2);
    EXPECT_TRUE(o.AboutSkinCaption().startsWith(u"'Renamed' by Quillon"));
}

TEST_F(OptionsWindowTest, ThePilcrowTogglesTheCreditsOnABoxOfTheirSize) {
    frmOptions& o = Shown();
    QTest::mouseClick(o.lblMenu[1], Qt::LeftButton);
    ExpectOnlyPage(o, 1);
    EXPECT_EQ(o.lblAbout->text(), QString(QChar(0xB6)));
    EXPECT_EQ(o.lblAbout->toolTip(), u"Click Me");
    EXPECT_EQ(o.imgAboutLogo->pixmap().size(), QSize(254, 92));
    EXPECT_TRUE(o.lblAboutInfo->isHidden());
    EXPECT_TRUE(o.shpAboutTextBack->isHidden());

    const QStringList lines = o.AboutInfoCaption().split(u'\r');
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines[0], QStringLiteral("Orbo " ORBO_VERSION));

    QTest::mouseClick(o.lblAbout, Qt::LeftButton);
    EXPECT_FALSE(o.lblAboutInfo->isHidden());
    EXPECT_FALSE(o.shpAboutTextBack->isHidden());
    EXPECT_EQ(o.lblAboutInfo->text(), LabelText(o.AboutInfoCaption()));
    // The label grew to its six lines; the box lies exactly behind it.
    EXPECT_GT(o.lblAboutInfo->height(), 5 * 14);
    EXPECT_EQ(o.lblAboutInfo->pos(), QPoint(104, 9));
    EXPECT_EQ(o.shpAboutTextBack->geometry(), o.lblAboutInfo->geometry());
    EXPECT_EQ(ShownAt(o, *o.shpAboutTextBack, {0, 0}), QColor(255, 0, 255));

    // Switching pages keeps the credits; the second click hides both.
    o.lblMenu_Click(0);
    o.lblMenu_Click(1);
    EXPECT_FALSE(o.lblAboutInfo->isHidden());
    QTest::mouseClick(o.lblAbout, Qt::LeftButton);
    EXPECT_TRUE(o.lblAboutInfo->isHidden());
    EXPECT_TRUE(o.shpAboutTextBack->isHidden());
}

TEST_F(OptionsWindowTest, OptionsCommandHidesAndShowsOnTheSamePage) {
    frmOptions& o = Open();
    EXPECT_FALSE(o.isVisible());
    ASSERT_EQ(o.mnuMain.actions().size(), 2);
    EXPECT_EQ(o.mnuMain.actions()[0]->text(), u"&Options");
    EXPECT_EQ(o.mnuMain.actions()[1]->text(), u"&Exit");

    o.mnuOptions->trigger();
    EXPECT_TRUE(o.isVisible());
    o.lblMenu_Click(3);
    o.mnuOptions->trigger();
    EXPECT_FALSE(o.isVisible());
    ASSERT_FALSE(options.isNull()); // hiding keeps the window
    o.mnuOptions->trigger();
    EXPECT_TRUE(o.isVisible());
    ExpectOnlyPage(o, 3);
}

TEST_F(OptionsWindowTest, ClosingThroughTheFrameOrWithEscapeDestroysTheWindow) {
    const std::array<std::pair<const char*, std::function<void(frmOptions&)>>, 2> routes{{
        {"frame", [](frmOptions& o) { o.close(); }},
        // Escape reaches the window through the control that has the focus.
        {"Escape", [](frmOptions& o) { QTest::keyClick(o.lstSkins, Qt::Key_Escape); }},
    }};
    for (const auto& [route, closeIt] : routes) {
        closeIt(Shown());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(options.isNull()) << route;
    }
    // Only the creature window's closing saves anything.
    EXPECT_TRUE(store.Values.empty());
}

TEST_F(OptionsWindowTest, DraggingTheHandleSetsSpeedAndTheTimer) {
    frmOptions& o = Shown();
    o.lblMenu_Click(3);
    ASSERT_EQ(general.Speed, 85);
    EXPECT_EQ(o.Slider().HandleTop, 273);
    EXPECT_EQ(o.imgSpeed->geometry(), QRect(16, 18, 17, 17)); // 273 twips is 18.2 pixels
    EXPECT_EQ(o.lblSpeedHelp[1]->text(), u"85");
    EXPECT_EQ(form1.AnimationInterval(), 76);

    // Grab 8 pixels into the handle and pull it well above the track.
    QTest::mousePress(o.imgSpeed, Qt::LeftButton, {}, QPoint(8, 8));
    EXPECT_EQ(o.Slider().Tag, u"1120");
    QTest::mouseMove(o.imgSpeed, QPoint(8, 8 - 40));
    EXPECT_EQ(o.Slider().HandleTop, 120);
    EXPECT_EQ(general.Speed, 100);
    EXPECT_EQ(o.lblSpeedHelp[1]->text(), u"100");
    EXPECT_EQ(form1.AnimationInterval(), 1);
    EXPECT_EQ(o.imgSpeed->y(), 8);

    // Then below it: the handle receives the moves though the cursor has left it.
    QTest::mouseMove(o.imgSpeed, QPoint(8, 8 + 200));
    EXPECT_EQ(o.Slider().HandleTop, 1140);
    EXPECT_EQ(general.Speed, 0);
    EXPECT_EQ(o.lblSpeedHelp[1]->text(), u"0");
    EXPECT_EQ(form1.AnimationInterval(), 501);
    EXPECT_EQ(o.imgSpeed->y(), 76);
    EXPECT_EQ(o.imgSpeedBack[1]->height(), 76); // 1147.5 twips, down to the handle's centre

    // Ten pixels back up from the bottom.
    QTest::mouseMove(o.imgSpeed, QPoint(8, 8 - 10));
    EXPECT_EQ(o.Slider().HandleTop, 990);
    EXPECT_EQ(general.Speed, 15);
    EXPECT_EQ(form1.AnimationInterval(), 426);

    QTest::mouseRelease(o.imgSpeed, Qt::LeftButton, {}, QPoint(8, 8 - 10));
    EXPECT_EQ(o.Slider().Tag, u"0");
    QTest::mouseMove(o.imgSpeed, QPoint(8, -300));
    EXPECT_EQ(general.Speed, 15);
    EXPECT_EQ(form1.AnimationInterval(), 426);
}

TEST_F(OptionsWindowTest, ARightPressOnTheHandleStartsNoDrag) {
    frmOptions& o = Shown();
    o.lblMenu_Click(3);
    QTest::mousePress(o.imgSpeed, Qt::RightButton, {}, QPoint(8, 8));
    QTest::mouseMove(o.imgSpeed, QPoint(8, -40));
    QTest::mouseRelease(o.imgSpeed, Qt::RightButton, {}, QPoint(8, -40));
    EXPECT_EQ(general.Speed, 85);
    EXPECT_EQ(o.Slider().HandleTop, 273);
    EXPECT_EQ(form1.AnimationInterval(), 76);
}

TEST_F(OptionsWindowTest, TheBoxesFollowAndSwitchTheSettings) {
    frmOptions& o = Shown();
    o.lblMenu_Click(3);
    // No stored settings: always on top and blinking.
    ASSERT_TRUE(general.OnTop);
    ASSERT_TRUE(general.Blink);
    EXPECT_EQ(o.chkOnTop->checkState(), Qt::Checked);
    EXPECT_EQ(o.chkBlink->checkState(), Qt::Checked);

    QTest::mouseClick(o.chkOnTop, Qt::LeftButton);
    EXPECT_FALSE(general.OnTop);
    EXPECT_FALSE(form1.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QTest::mouseClick(o.chkOnTop, Qt::LeftButton);
    EXPECT_TRUE(general.OnTop);
    EXPECT_TRUE(form1.windowFlags().testFlag(Qt::WindowStaysOnTopHint));

    QTest::mouseClick(o.chkBlink, Qt::LeftButton);
    EXPECT_FALSE(general.Blink);
    QTest::mouseClick(o.chkBlink, Qt::LeftButton);
    EXPECT_TRUE(general.Blink);

    // A greyed box counts as unchecked.
    o.chkOnTop->setCheckState(Qt::PartiallyChecked);
    o.chkBlink->setCheckState(Qt::PartiallyChecked);
    EXPECT_FALSE(general.OnTop);
    EXPECT_FALSE(general.Blink);
}

TEST_F(OptionsWindowTest, EachBoxPaintsItsOwnBackground) {
    frmOptions& o = Shown();
    o.lblMenu_Click(3);
    const QImage image = o.grab().toImage();
    // "Always On Top" is grey like the panel under it; "Allow Blink" has a box's usual colour.
    const std::array<std::pair<const QCheckBox*, QColor>, 2> boxes{
        {{o.chkOnTop, QColor(192, 192, 192)}, {o.chkBlink, o.palette().color(QPalette::Button)}}};
    for (const auto& [box, colour] : boxes) {
        const QRect area(box->mapTo(&o, QPoint(0, 0)), box->size());
        EXPECT_EQ(MostCommonColour(image, area), colour) << box->text().toStdString();
    }
}

TEST_F(OptionsWindowTest, BoxesStartFromTheStoredSettings) {
    general.OnTop = false;
    general.Blink = false;
    general.Speed = 100;
    frmOptions& o = Open();
    EXPECT_EQ(o.chkOnTop->checkState(), Qt::Unchecked);
    EXPECT_EQ(o.chkBlink->checkState(), Qt::Unchecked);
    EXPECT_EQ(o.Slider().HandleTop, 120);
    EXPECT_EQ(o.lblSpeedHelp[1]->text(), u"100");
}

TEST_F(OptionsWindowTest, ExitClosesTheCreatureWindowWhichSavesTheSpeed) {
    frmOptions& o = Shown();
    o.lblMenu_Click(3);
    QTest::mousePress(o.imgSpeed, Qt::LeftButton, {}, QPoint(8, 8));
    QTest::mouseMove(o.imgSpeed, QPoint(8, -100));
    QTest::mouseRelease(o.imgSpeed, Qt::LeftButton, {}, QPoint(8, -100));
    ASSERT_EQ(general.Speed, 100);
    o.mnuExit->trigger();
    EXPECT_EQ(store.GetSetting(kSettingsApp, kSettingsSection, QStringLiteral("Speed"), {}),
              u"100");
}

// A skin folder beside the test program, where ActivateSkin looks for skins; removed afterwards.
class TemporarySkin {
public:
    explicit TemporarySkin(QSize size) {
        skins_ = QCoreApplication::applicationDirPath() + QStringLiteral("/Skins");
        createdSkins_ = !QDir(skins_).exists();
        Name = QStringLiteral("orbo-options-test-%1").arg(QCoreApplication::applicationPid());
        folder_ = skins_ + u'/' + Name;
        QDir().mkpath(folder_);
        QImage back(size, QImage::Format_RGB32);
        back.fill(QColor(0, 0, 200));
        Ok = back.save(folder_ + QStringLiteral("/back.bmp"), "BMP");
        QFile ini(folder_ + QStringLiteral("/Skin.ini"));
        Ok = Ok && ini.open(QIODevice::WriteOnly) &&
             ini.write("[info]\r\nname=Blue Box\r\n[setting]\r\nback=back.bmp\r\neyes=0\r\n") > 0;
    }
    ~TemporarySkin() {
        QDir(folder_).removeRecursively();
        if (createdSkins_)
            QDir().rmdir(skins_); // only when nothing else is left in it
    }

    QString Name;
    bool Ok = false;

private:
    QString skins_;
    QString folder_;
    bool createdSkins_ = false;
};

TEST_F(OptionsWindowTest, PickingASkinInTheListAppliesItAtOnce) {
    const TemporarySkin skin(QSize(40, 30));
    ASSERT_TRUE(skin.Ok);
    frmOptions& o = Shown();
    ASSERT_EQ(form1.size(), QSize(75, 100));
    // The built-in skin is active, so its entry is selected.
    ASSERT_GE(o.lstSkins->count(), 2);
    EXPECT_EQ(o.lstSkins->item(0)->text(), kNoSkin);
    ASSERT_EQ(o.lstSkins->selectedItems().size(), 1);
    EXPECT_EQ(o.lstSkins->selectedItems().front()->text(), kNoSkin);

    const QList<QListWidgetItem*> found = o.lstSkins->findItems(skin.Name, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    o.lstSkins->scrollToItem(found.front());
    QTest::mouseClick(o.lstSkins->viewport(), Qt::LeftButton, {},
                      o.lstSkins->visualItemRect(found.front()).center());
    EXPECT_EQ(general.SkinName, skin.Name);
    EXPECT_EQ(form1.size(), QSize(40, 30));
    EXPECT_EQ(general.SkinDef.Name, u"Blue Box");

    // Back to the built-in skin from the keyboard.
    o.lstSkins->setFocus();
    QTest::keyClick(o.lstSkins, Qt::Key_Home);
    EXPECT_EQ(general.SkinName, kNoSkin);
    EXPECT_EQ(form1.size(), QSize(75, 100));
}

TEST_F(OptionsWindowTest, TheActiveSkinIsSelectedIgnoringCaseAndNothingWhenItIsGone) {
    const TemporarySkin skin(QSize(20, 20));
    ASSERT_TRUE(skin.Ok);
    form1.ActivateSkin(skin.Name.toUpper());
    ASSERT_EQ(form1.size(), QSize(20, 20));
    {
        frmOptions& o = Open();
        ASSERT_EQ(o.lstSkins->selectedItems().size(), 1);
        EXPECT_EQ(o.lstSkins->selectedItems().front()->text(), skin.Name);
        // Selecting it did not load it again under the list's spelling.
        EXPECT_EQ(general.SkinName, skin.Name.toUpper());
        o.close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    general.SkinName = QStringLiteral("no such skin");
    frmOptions& o = Open();
    EXPECT_TRUE(o.lstSkins->selectedItems().isEmpty());
    // Focusing the list picks nothing by itself.
    o.show();
    o.lstSkins->setFocus();
    QCoreApplication::processEvents();
    EXPECT_EQ(general.SkinName, u"no such skin");
}

} // namespace
} // namespace orbo
