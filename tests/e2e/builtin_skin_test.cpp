// The built-in skin on a real X server, with no settings stored.
#include "e2e_env.h"
#include "motion_expect.h"

#include <gtest/gtest.h>

#include <QtGui/QImage>

#include <chrono>
#include <thread>

namespace orbo::e2e {
namespace {

const QString kResources = QStringLiteral(ORBO_SOURCE_DIR "/src/resources/");
constexpr QRgb kLime = 0xCCFF00;
constexpr QRgb kBlack = 0x000000;

// The built-in eyes, in pixels of the background.
const EyeBox kEye1{10, 53, 32, 34, 17, 16};
const EyeBox kEye2{43, 62, 22, 22, 7, 7};

class BuiltinSkin : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(run_.Start()) << "no ORBO window was mapped"; }
    OrboRun run_;
};

TEST_F(BuiltinSkin, WindowSitsAtTheScreenCentreWithTheBackgroundsSizeAndShape) {
    const auto geometry = Probe().Geometry(run_.Window());
    ASSERT_TRUE(geometry);
    const QImage background(kResources + QStringLiteral("defskin0.bmp"));
    ASSERT_FALSE(background.isNull());
    EXPECT_EQ(*geometry, QRect(QPoint(kScreenWidth / 2, kScreenHeight / 2), background.size()));
    EXPECT_EQ(background.size(), QSize(75, 100));
    const QRegion shape = RegionOf(Probe().ShapeRectangles(run_.Window()));
    const QRegion expected = NonMagentaRegion(background);
    EXPECT_TRUE(shape.xored(expected).isEmpty())
        << "shape has " << shape.rectCount() << " rectangles, differing in "
        << shape.xored(expected).boundingRect().x() << ","
        << shape.xored(expected).boundingRect().y();
}

TEST_F(BuiltinSkin, WindowIsNamedOrboWithClassOrbo) {
    EXPECT_EQ(Probe().Title(run_.Window()), kTitle);
    EXPECT_EQ(Probe().WmClass(run_.Window()), QStringLiteral("orbo,orbo"));
}

struct CursorRow {
    const char* Name;
    QPoint Cursor;
    int DirectionX; // -1 the pupils must move left, +1 right, 0 either
    int DirectionY;
};

void PrintTo(const CursorRow& row, std::ostream* os) {
    *os << row.Name << " (" << row.Cursor.x() << ", " << row.Cursor.y() << ")";
}

class BuiltinSkinGaze : public BuiltinSkin, public ::testing::WithParamInterface<CursorRow> {};

// The eye centres on the screen are near (530, 446) and (557, 456).
const CursorRow kGazeRows[] = {
    {"FarLeft", {0, 450}, -1, 0},       {"FarRight", {1023, 450}, +1, 0},
    {"StraightAbove", {540, 0}, 0, -1}, {"StraightBelow", {540, 767}, 0, +1},
    {"UpLeft", {100, 60}, -1, -1},
};

TEST_P(BuiltinSkinGaze, PupilsMoveTowardTheCursorAsFarAsTheFormulaSays) {
    const CursorRow& row = GetParam();
    const auto geometry = Probe().Geometry(run_.Window());
    ASSERT_TRUE(geometry);
    const QPoint window = geometry->topLeft();
    const QRect ringBox =
        VisibleBox(QStringLiteral("defskin1.bmp"), QStringLiteral("defskin2.bmp"), kLime);
    const QRect pupilBox =
        VisibleBox(QStringLiteral("defskin3.bmp"), QStringLiteral("defskin4.bmp"), kBlack);
    ASSERT_FALSE(ringBox.isEmpty());
    ASSERT_FALSE(pupilBox.isEmpty());

    const QPoint expected1 =
        window + ExpectedAutoPosition(window, kEye1, row.Cursor) + ringBox.topLeft();
    const QPoint expected2 =
        window + ExpectedAutoPosition(window, kEye2, row.Cursor) + pupilBox.topLeft();
    // The test's own arithmetic must agree with where the cursor is.
    const QPoint rest1 = window + RestingAutoPosition(kEye1) + ringBox.topLeft();
    if (row.DirectionX != 0) {
        ASSERT_GT((expected1.x() - rest1.x()) * row.DirectionX, 0);
    }
    if (row.DirectionY != 0) {
        ASSERT_GT((expected1.y() - rest1.y()) * row.DirectionY, 0);
    }

    Probe().MovePointer(row.Cursor.x(), row.Cursor.y());
    const QRect eye1Area(kEye1.X, kEye1.Y, kEye1.Width, kEye1.Height);
    const QRect eye2Area(kEye2.X, kEye2.Y, kEye2.Width, kEye2.Height);
    QRect found1;
    QRect found2;
    const auto near = [](QPoint a, QPoint b) {
        return std::abs(a.x() - b.x()) <= 1 && std::abs(a.y() - b.y()) <= 1;
    };
    WaitFor([&] {
        found1 = BoundingBoxOf(GrabWindowArea(run_.Window(), eye1Area), kLime)
                     .translated(window + eye1Area.topLeft());
        found2 = BoundingBoxOf(GrabWindowArea(run_.Window(), eye2Area), kBlack)
                     .translated(window + eye2Area.topLeft());
        return !found1.isEmpty() && !found2.isEmpty() && near(found1.topLeft(), expected1) &&
               near(found2.topLeft(), expected2);
    });
    if (!near(found1.topLeft(), expected1) || !near(found2.topLeft(), expected2))
        SaveArtifact(Probe().Grab(*geometry), QStringLiteral("builtin-gaze-%1").arg(row.Name));
    EXPECT_EQ(found1.size(), ringBox.size());
    EXPECT_EQ(found2.size(), pupilBox.size());
    EXPECT_NEAR(found1.x(), expected1.x(), 1);
    EXPECT_NEAR(found1.y(), expected1.y(), 1);
    EXPECT_NEAR(found2.x(), expected2.x(), 1);
    EXPECT_NEAR(found2.y(), expected2.y(), 1);
}

// A still creature stops drawing, but the first move after a long stillness is answered by
// the pointer's own event, well before the slow poll (every 2 s) could have noticed it.
TEST_F(BuiltinSkin, FirstMoveAfterStillnessIsAnsweredAtOnce) {
    const auto geometry = Probe().Geometry(run_.Window());
    ASSERT_TRUE(geometry);
    const QRect eyes(10, 53, 55, 34);
    Probe().MovePointer(0, 450);
    QImage before;
    WaitFor([&] {
        const QImage now = GrabWindowArea(run_.Window(), eyes);
        const bool settled = now == before;
        before = now;
        return settled;
    });
    std::this_thread::sleep_for(std::chrono::seconds(5));
    before = GrabWindowArea(run_.Window(), eyes);
    const auto moved = std::chrono::steady_clock::now();
    Probe().MovePointer(1023, 450);
    ASSERT_TRUE(WaitFor([&] { return GrabWindowArea(run_.Window(), eyes) != before; },
                        std::chrono::seconds(4)))
        << "the eyes never turned";
    const auto answered = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - moved);
    EXPECT_LT(answered.count(), 500);
}

INSTANTIATE_TEST_SUITE_P(Cursor, BuiltinSkinGaze, ::testing::ValuesIn(kGazeRows),
                         [](const auto& info) { return std::string(info.param.Name); });

} // namespace
} // namespace orbo::e2e
