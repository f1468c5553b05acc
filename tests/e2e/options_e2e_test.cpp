// The options window seen from outside: a skin picked in the list, the speed slider and
// "Allow Blink" change the creature and the stored settings, and a restart brings them back.
#include "e2e_env.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

namespace orbo::e2e {
namespace {

const QString kOptionsTitle = QStringLiteral("Orbo - Options");

// Where things are inside the options window, in pixels (15 twips each). The pages start right
// of the 615-twip menu column.
constexpr int kPageLeft = 41;
// The skin list fills page 0 with an 80-twip margin; a point well inside its first row.
constexpr QPoint kFirstListRow(kPageLeft + 5 + 40, 5 + 8);
// The "Options" menu entry: top 480, height 255 twips, across the column.
constexpr QPoint kOptionsEntry(20, 32 + 8);
// "Allow Blink" at 1200, 480 twips on page 3: a point on its check mark.
constexpr QPoint kBlinkBox(kPageLeft + 80 + 6, 32 + 6);
const QRect kBlinkIndicator(kPageLeft + 80, 32, 14, 13);
// The slider's handle (240, 273 twips for Speed 85; 255 twips square): its centre.
constexpr QPoint kHandleAt85(kPageLeft + 16 + 8, 18 + 8);
// The tube, the handle's travel and the number below them; the check boxes lie to the right.
const QRect kSliderArea(kPageLeft + 10, 5, 65, 92);
// A point of the grey panel of page 3, away from every control on it.
constexpr QPoint kPanelPoint(kPageLeft + 200, 80);
constexpr QRgb kPanelGrey = 0xC0C0C0;

// The creature's top-left corner, stored; far from the options window and the menu.
constexpr QPoint kCreatureAt(600, 400);

QString Twips(int pixels) {
    return QString::number(pixels * kTwipsPerPixel);
}

QImage DonutBackground() {
    return QImage(SampleSkinsFolder() + QStringLiteral("/Donut/donut.bmp"));
}

class OptionsWindow : public ::testing::Test {
protected:
    void TearDown() override { Probe().Button(1, false); }

    std::optional<QRect> CreatureGeometry() const { return Probe().Geometry(run_.Window()); }

    // Opens the options window through "&Options" of the popup menu opened at a point of the
    // creature; the window's rect on the screen.
    std::optional<QRect> ShowOptions(QPoint onCreature) {
        const auto geometry = CreatureGeometry();
        if (!geometry)
            return std::nullopt;
        const auto menu = OpenPopupMenu(geometry->topLeft() + onCreature);
        if (!menu)
            return std::nullopt;
        ChooseMenuItem(*menu, 0, 2);
        const auto window = Probe().WaitMapped(kOptionsTitle, std::chrono::seconds(10));
        if (!window)
            return std::nullopt;
        options_ = *window;
        return Probe().Geometry(*window);
    }

    // "&Exit" of the popup menu; the exit status.
    std::optional<int> ExitThroughMenu(QPoint onCreature) {
        const auto geometry = CreatureGeometry();
        if (!geometry)
            return std::nullopt;
        const auto menu = OpenPopupMenu(geometry->topLeft() + onCreature);
        if (!menu)
            return std::nullopt;
        ChooseMenuItem(*menu, 1, 2);
        return run_.WaitExit(std::chrono::seconds(10));
    }

    QRgb PixelOfOptions(QPoint at) const {
        const auto geometry = Probe().Geometry(options_);
        if (!geometry)
            return 0;
        const QImage image = Probe().Grab(QRect(geometry->topLeft() + at, QSize(1, 1)));
        return image.isNull() ? 0 : image.pixel(0, 0) & 0xFFFFFF;
    }

    QImage GrabOptions(const QRect& area) const {
        const auto geometry = Probe().Geometry(options_);
        return geometry ? Probe().Grab(area.translated(geometry->topLeft())) : QImage();
    }

    // Clicks the "Options" entry and waits for the grey panel of page 3.
    bool ShowOptionsPage(const QRect& options) {
        Click(options.topLeft() + kOptionsEntry);
        return WaitFor([&] { return PixelOfOptions(kPanelPoint) == kPanelGrey; });
    }

    // Hovering changes how controls look; grabs are taken with the pointer elsewhere.
    static void PointerAway() { Probe().MovePointer(kScreenWidth - 5, kScreenHeight - 5); }

    OrboRun run_;
    unsigned long options_ = 0;
};

TEST_F(OptionsWindow, SkinSpeedAndBlinkChosenThereAreStoredAndComeBackAfterARestart) {
    const QImage donut = DonutBackground();
    ASSERT_FALSE(donut.isNull());
    ASSERT_TRUE(run_.AddSampleSkin(QStringLiteral("Blobby")));
    ASSERT_TRUE(run_.AddSampleSkin(QStringLiteral("Donut")));
    ASSERT_TRUE(run_.WriteSettings({{QStringLiteral("Left"), Twips(kCreatureAt.x())},
                                    {QStringLiteral("Top"), Twips(kCreatureAt.y())}}));
    ASSERT_TRUE(run_.Start());
    ASSERT_EQ(CreatureGeometry(), QRect(kCreatureAt, QSize(75, 100)));

    // The built-in creature's forehead takes the right click.
    const auto options = ShowOptions(QPoint(37, 30));
    ASSERT_TRUE(options) << "the options window did not appear";
    ASSERT_FALSE(options->intersects(QRect(kCreatureAt, donut.size())))
        << "the options window lies over the creature";
    // The window opens on the skin list: the page colour shows in its margin.
    ASSERT_TRUE(WaitFor([&] { return PixelOfOptions({kPageLeft + 2, 2}) == 0xBFFF00; }));

    // The list reads "< none >", Blobby, Donut: the first row is the active skin, and two steps
    // down from it is Donut.
    Click(options->topLeft() + kFirstListRow);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    ASSERT_EQ(CreatureGeometry(), QRect(kCreatureAt, QSize(75, 100)))
        << "clicking the active skin's entry changed the creature";
    for (int i = 0; i < 2; ++i) {
        ASSERT_TRUE(Probe().TapKey("Down"));
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    std::optional<QRect> picked;
    EXPECT_TRUE(WaitFor([&] {
        return (picked = CreatureGeometry()) && picked->size() == donut.size();
    })) << "the creature did not take Donut's size";
    EXPECT_EQ(picked, QRect(kCreatureAt, donut.size()));
    const QRegion shape = RegionOf(Probe().ShapeRectangles(run_.Window()));
    EXPECT_TRUE(shape.xored(NonMagentaRegion(donut)).isEmpty()) << "the shape is not Donut's";

    ASSERT_TRUE(ShowOptionsPage(*options)) << "page 3 did not show";
    PointerAway();
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    const QImage sliderAt85 = GrabOptions(kSliderArea);
    const QImage blinkChecked = GrabOptions(kBlinkIndicator);

    Click(options->topLeft() + kBlinkBox);
    // Past the top of the track: the handle stops there, at Speed 100.
    const QPoint handle = options->topLeft() + kHandleAt85;
    DragPointer(handle, QPoint(handle.x(), std::max(0, handle.y() - 60)), 15);
    PointerAway();
    QImage sliderAt100;
    EXPECT_TRUE(WaitFor([&] { return (sliderAt100 = GrabOptions(kSliderArea)) != sliderAt85; }))
        << "the slider did not move";
    QImage blinkUnchecked;
    EXPECT_TRUE(WaitFor([&] {
        return (blinkUnchecked = GrabOptions(kBlinkIndicator)) != blinkChecked;
    })) << "the check box did not change";
    // Once the change shows, let the repaint finish before keeping what it looks like.
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    sliderAt100 = GrabOptions(kSliderArea);
    blinkUnchecked = GrabOptions(kBlinkIndicator);
    if (HasFailure())
        SaveArtifact(Probe().GrabScreen(), QStringLiteral("options_first_run"));

    // Donut's ring, above its hole, takes the right click now.
    const auto status = ExitThroughMenu(QPoint(70, 20));
    ASSERT_TRUE(status) << "orbo still runs after Exit";
    EXPECT_EQ(*status, 0);
    const QMap<QString, QString> saved = run_.ReadSettings();
    EXPECT_EQ(saved.value(QStringLiteral("skin")), QStringLiteral("Donut"));
    EXPECT_EQ(saved.value(QStringLiteral("speed")), QStringLiteral("100"));
    EXPECT_EQ(saved.value(QStringLiteral("blink")), QStringLiteral("False"));
    EXPECT_EQ(saved.value(QStringLiteral("ontop")), QStringLiteral("True"));
    EXPECT_EQ(saved.value(QStringLiteral("left")), Twips(kCreatureAt.x()));
    EXPECT_EQ(saved.value(QStringLiteral("top")), Twips(kCreatureAt.y()));
    EXPECT_EQ(saved.size(), 6);

    // The same program folder and settings again.
    ASSERT_TRUE(run_.Start());
    EXPECT_EQ(CreatureGeometry(), QRect(kCreatureAt, donut.size()));
    EXPECT_TRUE(
        RegionOf(Probe().ShapeRectangles(run_.Window())).xored(NonMagentaRegion(donut)).isEmpty());
    const auto reopened = ShowOptions(QPoint(70, 20));
    ASSERT_TRUE(reopened) << "the options window did not appear after the restart";
    ASSERT_TRUE(ShowOptionsPage(*reopened)) << "page 3 did not show after the restart";
    PointerAway();
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    // The handle at the top, the number "100" and the cleared box, as the first run left them.
    EXPECT_TRUE(GrabOptions(kSliderArea) == sliderAt100) << "the slider is not where it was left";
    EXPECT_TRUE(GrabOptions(kBlinkIndicator) == blinkUnchecked) << "Allow Blink is not cleared";
    if (HasFailure())
        SaveArtifact(Probe().GrabScreen(), QStringLiteral("options_second_run"));

    const auto second = ExitThroughMenu(QPoint(70, 20));
    ASSERT_TRUE(second) << "orbo still runs after the second Exit";
    EXPECT_EQ(*second, 0);
    EXPECT_EQ(run_.ReadSettings(), saved);
}

} // namespace
} // namespace orbo::e2e
