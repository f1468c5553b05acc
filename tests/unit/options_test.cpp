// The options window's logic: where it opens beside the creature (and which monitor a window is
// on), its pages' rectangles and texts, the skin list's names, and the speed slider.
#include "animation/tick.h"
#include "creature/default_skin.h"
#include "options/options_layout.h"
#include "options/options_place.h"
#include "options/skin_list.h"
#include "options/speed_slider.h"
#include "platform/system/files.h"
#include "platform/window/work_area.h"
#include "skin/skin_name.h"

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QTemporaryDir>

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace orbo {
namespace {

// The options window as designed, 306 x 103 pixels, beside creatures on work areas of every
// kind: the first free side wins; with none free, the least overlap.
TEST(OptionsWindowPlace, BesideTheCreatureElseOverlappingItLeast) {
    const QSize window(306, 103);
    const QRect screen(0, 0, 1024, 768);
    const struct Row {
        const char* Name;
        QRect Creature;
        QRect WorkArea;
        QPoint Expected;
    } rows[] = {
        {"room on the right", {300, 200, 75, 100}, screen, {375, 199}},
        {"right edge too near: left", {700, 200, 75, 100}, screen, {394, 199}},
        {"the whole width: below", {0, 200, 1024, 100}, screen, {359, 300}},
        {"the whole width at the bottom: above", {0, 600, 1024, 168}, screen, {359, 497}},
        {"centred, moved into the work area", {300, 0, 75, 40}, {0, 30, 1024, 738}, {375, 30}},
        {"outside the work area: at its near edge", {-500, 100, 75, 100}, screen, {0, 99}},
        {"no side free: the corner overlapping least", {0, 0, 1024, 700}, screen, {718, 665}},
        {"no side free, the top freer", {0, 50, 1024, 718}, screen, {718, 0}},
        {"larger than the work area", {-50, -50, 1200, 900}, screen, {718, 665}},
        {"a monitor left of the primary", {-100, 10, 75, 100}, {-1280, 0, 1280, 1024}, {-406, 9}},
        {"above the primary", {-600, -130, 300, 100}, {-1024, -768, 1024, 738}, {-906, -133}},
        {"a work area smaller than the window", {150, 0, 50, 50}, {0, 0, 200, 80}, {0, 0}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(row.Expected, OptionsWindowPlace(row.Creature, window, row.WorkArea));
    }
}

TEST(MostOverlapped, TheMonitorWithTheLargestShare) {
    const QList<QRect> monitors{{0, 0, 1280, 1024}, {1280, 0, 1920, 1080}, {-800, 0, 800, 600}};
    const struct Row {
        const char* Name;
        QRect Window;
        qsizetype Expected;
    } rows[] = {
        {"more on the second", {1250, 100, 75, 100}, 1},
        {"more on the first", {1220, 100, 75, 100}, 0},
        {"equal shares: the first listed", {1243, 100, 74, 100}, 0},
        {"on the third, left of the first", {-60, 550, 75, 100}, 2},
        {"on none", {4000, 0, 75, 100}, -1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(row.Expected, MostOverlapped(monitors, row.Window));
    }
}

// Pages sit right of the 615-twip menu column; the control filling one keeps an 80-twip
// margin on every side. Never a negative size.
TEST(PageRect, PagesAndTheirFillingControl) {
    const struct Row {
        float scaleWidth, scaleHeight;
        TwipsRect page, fill;
    } rows[] = {{4590, 1545, {615, 0, 3975, 1545}, {80, 80, 3815, 1385}},
                {775, 160, {615, 0, 160, 160}, {80, 80, 0, 0}},
                {776, 161, {615, 0, 161, 161}, {80, 80, 1, 1}},
                {300, -30, {615, 0, 0, 0}, {80, 80, 0, 0}}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.scaleWidth);
        const TwipsRect page = PageRect(row.scaleWidth, row.scaleHeight, 615);
        EXPECT_EQ(row.page, page);
        EXPECT_EQ(row.fill, PageFillRect(page.Width, page.Height));
    }
}

SkinDef Info(QString name, QString creator, QString date, QString email, QString home,
             QString comment) {
    SkinDef s;
    std::tie(s.Name, s.Creator, s.Date, s.Email, s.HomePage, s.Comment) =
        std::tie(name, creator, date, email, home, comment);
    return s;
}

// Four lines joined by a lone carriage return; nothing is trimmed, a line break inside a field
// stays as it is.
TEST(AboutSkinText, FourLinesJoinedByALoneCarriageReturn) {
    EXPECT_EQ(
        u"'Ally McOrbo' by Quillon, 18/2/0\ra@b.example\rb.example\r",
        AboutSkinText(Info("Ally McOrbo", "Quillon", "18/2/0", "a@b.example", "b.example", "")));
    EXPECT_EQ(u"' Blue ' by Me ,  1/1/1\r m@x\rx \rtwo\r\nlines",
              AboutSkinText(Info(" Blue ", "Me ", " 1/1/1", " m@x", "x ", "two\r\nlines")));
}

TEST(CreditsText, SixLinesNamingTheVersionAndThanks) {
    EXPECT_EQ(QStringList({"Orbo 1.0.0", "by Quillon", kDefaultSkinEmail, kDefaultSkinHomePage,
                           "Thanks To:", "Dorel Vant- Tinyclaw"})
                  .join(u'\r'),
              CreditsText(QStringLiteral("1.0.0")));
}

TEST(LabelText, EveryLineEndBecomesOneBreak) {
    EXPECT_EQ(u"a\nb\nc\nd\n\ne", LabelText(QStringLiteral("a\rb\r\nc\nd\r\re")));
}

TEST(SkinList, FillsFromAFolderSortedIgnoringCaseWithoutLowerCaseZips) {
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    QDir dir(root.path());
    ASSERT_TRUE(dir.mkdir(QStringLiteral("Zed")));
    ASSERT_TRUE(dir.mkdir(QStringLiteral("apple")));
    for (const char* name : {"pack.zip", "PACK.ZIP", "notes.txt"}) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    const QStringList entries = Dir(root.path());
    ASSERT_TRUE(entries.contains(QStringLiteral(".")));
    EXPECT_EQ((QStringList{kNoSkin, "apple", "notes.txt", "PACK.ZIP", "Zed"}),
              AddSkinNames({}, entries));
}

// Kept apart from the test above, which cannot run where names ignore letter case.
TEST(SkinList, AMissingFolderListsOnlyTheBuiltInSkin) {
    EXPECT_EQ(QStringList{kNoSkin},
              AddSkinNames({}, Dir(QStringLiteral("/nonexistent/orbo/Skins"))));
}

TEST(SkinList, NamesAreNeitherTrimmedNorDroppedForTheirCase) {
    // Only dots and lower-case zips are left out.
    EXPECT_EQ((QStringList{kNoSkin, " b", "...", ".zipper", "a ", "B", "x.Zip", "y.zip "}),
              AddSkinNames({}, {" b", "a ", "..", ".", "...", "x.Zip", "y.zip", ".zip", "y.zip ",
                                ".zipper", "B"}));
}

TEST(SkinList, TwoFoldersListEachNameOnceInOrder) {
    // The user's folder first: its "blobby" stands for the shipped "Blobby".
    const QStringList own{".", "..", "blobby", "Mine", "Mine"};
    const QStringList shipped{".", "..", "Blobby", "Zed", "mine"};
    EXPECT_EQ((QStringList{kNoSkin, "blobby", "Mine", "Mine", "Zed"}),
              AddSkinNames({}, UnionOfSkinFolders({own, shipped})));
}

TEST(SkinList, FindsTheWholeTextIgnoringCase) {
    const QStringList list{kNoSkin, "apple", "notes.txt", "Zed"};
    const std::pair<const char*, int> rows[] = {{"< NONE >", 0}, {"zed", 3},   {"Zed", 3},
                                                {"Ze", -1},      {"Zed ", -1}, {"", -1}};
    for (const auto& [text, index] : rows)
        EXPECT_EQ(index, FindListEntry(list, QString::fromUtf8(text))) << text;
}

// The design-time track runs from 120 to 1140 twips for the handle's top; the upper tube
// reaches down to the handle's centre. A left press at grab offset 120 twips, then one move to
// y (handle coordinates).
TEST(SliderDrag, StaysOnTheTrackAndGivesSpeedAndInterval) {
    const struct Row {
        const char* name;
        std::uint8_t startSpeed;
        float moveY, top;
        std::uint8_t speed;
        int interval;
    } rows[] = {
        {"one twip above the top", 85, -34, 120, 100, 1},
        {"one twip below the top", 85, -32, 121, 100, 1},
        {"half-way", 85, 477, 630, 50, 251},
        {"no movement at all", 85, 120, 273, 85, 76},
        {"one pixel up from the bottom", 0, 105, 1125, 2, 491},
        {"one twip above the bottom", 85, 986, 1139, 1, 496},
        {"one twip past the bottom", 85, 988, 1140, 0, 501},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        SpeedSliderState s;
        PlaceSlider(s, {}, row.startSpeed);
        s.Speed = 3; // a shown value the move must recompute even when the handle stays
        SliderMouseDown(s, ButtonCode(MouseButton::Left), 120);
        EXPECT_EQ(u"1120", s.Tag);
        ASSERT_TRUE(SliderMouseMove(s, {}, row.moveY));
        EXPECT_EQ(row.top, s.HandleTop);
        EXPECT_EQ(row.top + 7.5f, s.UpperTubeHeight);
        EXPECT_EQ(row.speed, s.Speed);
        EXPECT_EQ(row.interval, TimerInterval(s.Speed));
        SliderMouseUp(s); // the drag ends and the handle rests
        EXPECT_FALSE(s.Pressed);
        EXPECT_FALSE(SliderMouseMove(s, {}, 500));
    }
}

// Only a layout whose tube is shorter than the handle could give more than 100; it is held there.
TEST(SliderDrag, SpeedNeverPassesOneHundred) {
    SpeedSliderLayout layout;
    layout.TubeHeight = 155; // a travel of -100 twips
    for (const auto& [moveY, speed] : {std::pair{0.0f, 100}, {1.5f, 100}, {2.5f, 100}}) {
        SCOPED_TRACE(moveY); // raw speeds 100, 101, 102
        SpeedSliderState s;
        PlaceSlider(s, layout, 100);
        SliderMouseDown(s, ButtonCode(MouseButton::Left), 0);
        ASSERT_TRUE(SliderMouseMove(s, layout, moveY));
        EXPECT_EQ(speed, s.Speed);
    }
}

// Keys move the handle to the place of the next speed; grabbing it there and moving nothing
// reads the same speed, so the drag agrees. Single precision puts many of those places a hair
// above their speed (2 among them), where the drag would read one faster: every step is a row.
TEST(SliderKeys, StepHoldAndAgreeWithTheDrag) {
    struct Row {
        Qt::Key key;
        int from, to;
    };
    std::vector<Row> rows{
        {Qt::Key_Right, 1, 2},      {Qt::Key_Left, 3, 2},      {Qt::Key_PageUp, 50, 60},
        {Qt::Key_PageDown, 50, 40}, {Qt::Key_PageUp, 95, 100}, {Qt::Key_PageDown, 5, 0},
        {Qt::Key_Home, 85, 0},      {Qt::Key_End, 0, 100},     {Qt::Key_Up, 100, 100},
        {Qt::Key_Down, 0, 0},       {Qt::Key_A, 85, 85},
    };
    for (int speed = 0; speed < 100; ++speed) {
        rows.push_back({Qt::Key_Up, speed, speed + 1});
        rows.push_back({Qt::Key_Down, speed + 1, speed});
    }
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.key << " from " << row.from);
        SpeedSliderState s;
        PlaceSlider(s, {}, static_cast<std::uint8_t>(row.from));
        EXPECT_EQ(row.key != Qt::Key_A, SliderKeyDown(s, {}, row.key));
        EXPECT_EQ(row.to, s.Speed);
        EXPECT_NEAR(HandleTopForSpeed({}, static_cast<std::uint8_t>(row.to)), s.HandleTop, 0.001);
        SliderMouseDown(s, ButtonCode(MouseButton::Left), 100);
        ASSERT_TRUE(SliderMouseMove(s, {}, 100));
        EXPECT_EQ(row.to, s.Speed);
    }
}

} // namespace
} // namespace orbo
