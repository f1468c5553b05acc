// The speed slider: dragging the handle gives the speed and the timer's interval.
#include "animation/tick.h"
#include "options/speed_slider.h"

#include <gtest/gtest.h>

#include <vector>

namespace orbo {
namespace {

// The design-time track runs from 120 to 1140 twips for the handle's top; the upper tube
// reaches down to the handle's centre. A left press at grab offset 120 twips, then one move to
// y (handle coordinates).
TEST(SliderDrag, StaysOnTheTrackAndGivesSpeedAndInterval) {
    struct Row {
        const char* name;
        std::uint8_t startSpeed;
        float moveY, top;
        std::uint8_t speed;
        int interval;
    };
    const Row rows[] = {
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
