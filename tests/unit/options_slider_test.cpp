#include "main/settings_io.h"
#include "options/speed_slider.h"

#include <gtest/gtest.h>

namespace orbo {
namespace {

constexpr int kRight = 2;
constexpr int kMiddle = 4;

struct PlaceRow {
    std::uint8_t speed;
    float top;
    float tube;
};

class PlaceSliderTest : public ::testing::TestWithParam<PlaceRow> {};

TEST_P(PlaceSliderTest, HandleAndUpperTubeFromSpeed) {
    const PlaceRow& r = GetParam();
    SpeedSliderState s;
    PlaceSlider(s, {}, r.speed);
    EXPECT_EQ(s.HandleTop, r.top);
    EXPECT_EQ(s.UpperTubeHeight, r.tube);
    EXPECT_EQ(s.Speed, r.speed);
    EXPECT_FALSE(s.Pressed);
}

INSTANTIATE_TEST_SUITE_P(Speeds, PlaceSliderTest,
                         ::testing::Values(PlaceRow{0, 1140, 1147.5f}, PlaceRow{50, 630, 637.5f},
                                           PlaceRow{85, 273, 280.5f}, PlaceRow{100, 120, 127.5f}));

// A left press at grab offset 120 twips, then one move to y (handle coordinates).
struct DragRow {
    std::uint8_t startSpeed;
    float moveY;
    float top;
    float tube;
    std::uint8_t speed;
    int interval;
};

class SliderDragTest : public ::testing::TestWithParam<DragRow> {};

TEST_P(SliderDragTest, ClampsToTheTrackAndGivesSpeedAndInterval) {
    const DragRow& r = GetParam();
    SpeedSliderState s;
    PlaceSlider(s, {}, r.startSpeed);
    SliderMouseDown(s, ButtonCode(MouseButton::Left), 120);
    EXPECT_EQ(s.Tag, u"1120");
    EXPECT_TRUE(s.Pressed);
    ASSERT_TRUE(SliderMouseMove(s, {}, r.moveY));
    EXPECT_EQ(s.HandleTop, r.top);
    EXPECT_EQ(s.UpperTubeHeight, r.tube);
    EXPECT_EQ(s.Speed, r.speed);
    EXPECT_EQ(TimerInterval(s.Speed), r.interval);
}

INSTANTIATE_TEST_SUITE_P(
    Moves, SliderDragTest,
    ::testing::Values(DragRow{85, -2000, 120, 127.5f, 100, 1},     // far above the track
                      DragRow{85, -33, 120, 127.5f, 100, 1},       // exactly to the top
                      DragRow{85, 3000, 1140, 1147.5f, 0, 501},    // far below the track
                      DragRow{85, 987, 1140, 1147.5f, 0, 501},     // exactly to the bottom
                      DragRow{85, 477, 630, 637.5f, 50, 251},      // half-way
                      DragRow{85, 120, 273, 280.5f, 85, 76},       // no movement at all
                      DragRow{0, 105, 1125, 1132.5f, 2, 491},      // one pixel up from the bottom
                      DragRow{50, 127.5f, 637.5f, 645, 50, 251})); // half a pixel down

TEST(SliderDrag, AWholeDragFollowsTheCursorThenRests) {
    SpeedSliderState s;
    PlaceSlider(s, {}, 50);
    SliderMouseDown(s, ButtonCode(MouseButton::Left), 60);
    // Each move is measured from where the handle now is, so the grabbed point stays put.
    ASSERT_TRUE(SliderMouseMove(s, {}, 30));
    EXPECT_EQ(s.HandleTop, 600);
    ASSERT_TRUE(SliderMouseMove(s, {}, 30));
    EXPECT_EQ(s.HandleTop, 570);
    EXPECT_EQ(s.Speed, 56);
    SliderMouseUp(s);
    EXPECT_EQ(s.Tag, u"0");
    EXPECT_FALSE(s.Pressed);
    EXPECT_FALSE(SliderMouseMove(s, {}, -500));
    EXPECT_EQ(s.HandleTop, 570);
    EXPECT_EQ(s.Speed, 56);
}

TEST(SliderDrag, PressAndReleaseWithoutAMoveKeepSpeed) {
    SpeedSliderState s;
    PlaceSlider(s, {}, 85);
    SliderMouseDown(s, ButtonCode(MouseButton::Left), 15);
    SliderMouseUp(s);
    EXPECT_EQ(s.Speed, 85);
    EXPECT_EQ(s.HandleTop, 273);
    EXPECT_EQ(s.UpperTubeHeight, 280.5f);
}

TEST(SliderDrag, FirstMoveRecomputesSpeedEvenWhenTheHandleStays) {
    SpeedSliderState s;
    PlaceSlider(s, {}, 85);
    s.Speed = 3; // a shown value that does not match the handle
    s.UpperTubeHeight = 0;
    SliderMouseDown(s, ButtonCode(MouseButton::Left), 45);
    ASSERT_TRUE(SliderMouseMove(s, {}, 45));
    EXPECT_EQ(s.HandleTop, 273);
    EXPECT_EQ(s.UpperTubeHeight, 280.5f);
    EXPECT_EQ(s.Speed, 85);
}

TEST(SliderDrag, AHandleHeldAtTheTopStaysThereAndStillRecomputes) {
    SpeedSliderState s;
    PlaceSlider(s, {}, 100);
    s.Speed = 7;
    SliderMouseDown(s, ButtonCode(MouseButton::Left), 100);
    ASSERT_TRUE(SliderMouseMove(s, {}, -400));
    EXPECT_EQ(s.HandleTop, 120);
    EXPECT_EQ(s.Speed, 100);
}

class OtherButtonTest : public ::testing::TestWithParam<int> {};

TEST_P(OtherButtonTest, StartsNoDragAndKeepsThePicture) {
    SpeedSliderState s;
    PlaceSlider(s, {}, 85);
    SliderMouseDown(s, GetParam(), 120);
    EXPECT_EQ(s.Tag, u"0");
    EXPECT_FALSE(s.Pressed);
    EXPECT_FALSE(SliderMouseMove(s, {}, -600));
    EXPECT_EQ(s.HandleTop, 273);
    EXPECT_EQ(s.Speed, 85);
}

TEST_P(OtherButtonTest, EndsADragButLeavesThePressedPicture) {
    SpeedSliderState s;
    PlaceSlider(s, {}, 85);
    SliderMouseDown(s, ButtonCode(MouseButton::Left), 120);
    SliderMouseDown(s, GetParam(), 120);
    EXPECT_FALSE(SliderDragging(s));
    EXPECT_TRUE(s.Pressed);
    EXPECT_FALSE(SliderMouseMove(s, {}, 0));
}

INSTANTIATE_TEST_SUITE_P(Buttons, OtherButtonTest, ::testing::Values(kRight, kMiddle));

TEST(SliderDrag, OnlyTheTagsFirstCharacterDecides) {
    SpeedSliderState s;
    PlaceSlider(s, {}, 85);
    s.Tag = QStringLiteral("");
    EXPECT_FALSE(SliderMouseMove(s, {}, 0));
    s.Tag = QStringLiteral("01");
    EXPECT_FALSE(SliderMouseMove(s, {}, 0));
    // "1" with no number: a grab offset of 0
    s.Tag = QStringLiteral("1");
    ASSERT_TRUE(SliderMouseMove(s, {}, 357));
    EXPECT_EQ(s.HandleTop, 630);
    EXPECT_EQ(s.Speed, 50);
}

TEST(SliderDrag, AFractionalOrNegativeGrabOffsetSurvivesTheTag) {
    SpeedSliderState s;
    PlaceSlider(s, {}, 50);
    SliderMouseDown(s, ButtonCode(MouseButton::Left), -7.5f);
    EXPECT_EQ(s.Tag, u"1-7.5");
    ASSERT_TRUE(SliderMouseMove(s, {}, -7.5f));
    EXPECT_EQ(s.HandleTop, 630);
}

TEST(SingleText, SevenSignificantDigits) {
    EXPECT_EQ(SingleText(120), u"120");
    EXPECT_EQ(SingleText(127.5f), u"127.5");
    EXPECT_EQ(SingleText(-15), u"-15");
    EXPECT_EQ(SingleText(0), u"0");
    EXPECT_EQ(SingleText(1.0f / 3), u"0.3333333");
}

} // namespace
} // namespace orbo
