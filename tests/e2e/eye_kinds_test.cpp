// Every eye kind with the sample skins: for a few pointer positions the frame, cell or offset on
// the screen is the one the motion rules give, read back by colour.
#include "e2e_env.h"
#include "motion_expect.h"

#include <gtest/gtest.h>

#include <cmath>

namespace orbo::e2e {
namespace {

QImage SkinPicture(const QString& folder, const QString& file) {
    return QImage(SampleSkinsFolder() + QLatin1Char('/') + folder + QLatin1Char('/') + file)
        .convertToFormat(QImage::Format_RGB32);
}

QString Twips(int pixels) {
    return QString::number(pixels * kTwipsPerPixel);
}

// Starts orbo with one sample skin at a given place.
class SkinOnScreen : public ::testing::Test {
protected:
    void StartWith(const QString& folder, QPoint at,
                   const QString& blink = QStringLiteral("True")) {
        ASSERT_TRUE(run_.AddSampleSkin(folder));
        ASSERT_TRUE(run_.WriteSettings({{QStringLiteral("Left"), Twips(at.x())},
                                        {QStringLiteral("Top"), Twips(at.y())},
                                        {QStringLiteral("Blink"), blink},
                                        {QStringLiteral("Skin"), folder}}));
        ASSERT_TRUE(run_.Start());
        const auto geometry = Probe().Geometry(run_.Window());
        ASSERT_TRUE(geometry);
        ASSERT_EQ(geometry->topLeft(), at);
    }

    // Waits until the window area shows mostly colour rgb; the colour it shows at the end.
    QRgb WaitForDominant(const QRect& area, QRgb rgb) {
        QRgb shown = 0;
        WaitFor([&] {
            shown = DominantColour(GrabWindowArea(run_.Window(), area),
                                   area.translated(-area.topLeft()));
            return shown == (rgb & 0xFFFFFF);
        });
        return shown;
    }

    OrboRun run_;
};

// Compass: one "frames" eye of 8 frames, 24 x 24 pixels each, at (36, 36).
constexpr QPoint kCompassAt(300, 250);
const EyeBox kCompassEye{36, 36, 24, 24, 24 * 8, 24};

class FramesEye : public SkinOnScreen, public ::testing::WithParamInterface<int> {};

TEST_P(FramesEye, ShowsTheFrameOfTheCursorsDirection) {
    const double degrees = GetParam();
    const QImage strip = SkinPicture(QStringLiteral("Compass"), QStringLiteral("arrows.bmp"));
    ASSERT_EQ(strip.size(), QSize(kCompassEye.PicWidth, kCompassEye.PicHeight));
    StartWith(QStringLiteral("Compass"), kCompassAt);
    if (HasFatalFailure())
        return;
    // 200 pixels from the eye's centre, clockwise from straight left.
    const double a = degrees * std::acos(-1.0) / 180;
    const QPoint centre = kCompassAt + QPoint(kCompassEye.X + 12, kCompassEye.Y + 12);
    const QPoint cursor = centre + QPoint(static_cast<int>(std::lround(-200 * std::cos(a))),
                                          static_cast<int>(std::lround(-200 * std::sin(a))));
    const int frame = ExpectedFrame(kCompassAt, kCompassEye, 8, cursor);
    ASSERT_GE(frame, 1);
    ASSERT_LE(frame, 8);
    EXPECT_EQ(frame, static_cast<int>(degrees / 45) + 1) << "the test's own angle is off";
    const QRgb wanted = DominantColour(strip, QRect((frame - 1) * 24, 0, 24, 24));

    Probe().MovePointer(cursor.x(), cursor.y());
    const QRect eyeArea(kCompassEye.X, kCompassEye.Y, 24, 24);
    const QRgb shown = WaitForDominant(eyeArea, wanted);
    if (shown != wanted)
        SaveArtifact(GrabWindowArea(run_.Window(), QRect(0, 0, 96, 96)),
                     QStringLiteral("frames-%1").arg(GetParam()));
    EXPECT_EQ(shown, wanted) << "expected frame " << frame;
}

// The middle of each of the eight sectors, and the two exact horizontals.
INSTANTIATE_TEST_SUITE_P(Direction, FramesEye,
                         ::testing::Values(22, 67, 112, 157, 202, 247, 292, 337, 1, 180));

// Radar: one "distan" eye of 5 frames at (38, 22), the window in the top-left corner so that
// the far corner of the screen is beyond 87 % of the diagonal.
const EyeBox kRadarEye{38, 22, 24, 24, 24 * 5, 24};

struct DistanceRow {
    QPoint Cursor;
    int Frame;
};

void PrintTo(const DistanceRow& row, std::ostream* os) {
    *os << "(" << row.Cursor.x() << ", " << row.Cursor.y() << ") frame " << row.Frame;
}

class DistanceEye : public SkinOnScreen, public ::testing::WithParamInterface<DistanceRow> {};

TEST_P(DistanceEye, ShowsTheFrameOfTheCursorsDistance) {
    const DistanceRow& row = GetParam();
    const QImage strip = SkinPicture(QStringLiteral("Radar"), QStringLiteral("screen.bmp"));
    StartWith(QStringLiteral("Radar"), QPoint(0, 0));
    if (HasFatalFailure())
        return;
    const int frame = ExpectedDistanceFrame(QPoint(0, 0), kRadarEye, 5, row.Cursor);
    ASSERT_EQ(frame, row.Frame) << "the test's own distance is off";
    const QRgb wanted = DominantColour(strip, QRect(frame * 24, 0, 24, 24));
    Probe().MovePointer(row.Cursor.x(), row.Cursor.y());
    const QRgb shown = WaitForDominant(QRect(kRadarEye.X, kRadarEye.Y, 24, 24), wanted);
    EXPECT_EQ(shown, wanted) << "expected frame " << frame;
}

// The eye's centre is (50, 34); one frame covers about 278 pixels of distance.
INSTANTIATE_TEST_SUITE_P(Distance, DistanceEye,
                         ::testing::Values(DistanceRow{{50, 34}, 0}, DistanceRow{{350, 34}, 1},
                                           DistanceRow{{650, 34}, 2}, DistanceRow{{950, 34}, 3},
                                           DistanceRow{{1023, 767}, 4}));

// Peeker: a "rect" eye, a 24 x 24 face in the box (10, 10, 90, 60).
const EyeBox kPeekerEye{10, 10, 90, 60, 24, 24};
constexpr QRgb kFaceYellow = 0xFFDC00;

class RectEye : public SkinOnScreen, public ::testing::WithParamInterface<QPoint> {};

TEST_P(RectEye, FaceSlidesAcrossItsBoxWithTheCursorsPlaceOnTheScreen) {
    const QPoint cursor = GetParam();
    const QPoint at(200, 200);
    const QRect faceBox = BoundingBoxOf(
        SkinPicture(QStringLiteral("Peeker"), QStringLiteral("face.bmp")), kFaceYellow);
    ASSERT_EQ(faceBox, QRect(0, 0, 24, 24));
    StartWith(QStringLiteral("Peeker"), at);
    if (HasFatalFailure())
        return;
    const QPoint expected = ExpectedRectPosition(kPeekerEye, cursor);
    Probe().MovePointer(cursor.x(), cursor.y());
    const QRect area(kPeekerEye.X, kPeekerEye.Y, kPeekerEye.Width, kPeekerEye.Height);
    QRect found;
    WaitFor([&] {
        found = BoundingBoxOf(GrabWindowArea(run_.Window(), area), kFaceYellow)
                    .translated(area.topLeft());
        return !found.isEmpty() && found.topLeft() == expected;
    });
    EXPECT_EQ(found.size(), faceBox.size());
    EXPECT_NEAR(found.x(), expected.x(), 1);
    EXPECT_NEAR(found.y(), expected.y(), 1);
}

INSTANTIATE_TEST_SUITE_P(Cursor, RectEye,
                         ::testing::Values(QPoint(0, 0), QPoint(512, 384), QPoint(1023, 767),
                                           QPoint(100, 600), QPoint(900, 50)));

// Gridlock: a "matrix" eye of 3 columns and 2 rows of 24 x 24 cells at (16, 22).
class MatrixEye : public SkinOnScreen, public ::testing::WithParamInterface<QPoint> {};

TEST_P(MatrixEye, ShowsTheCellOfTheScreenPartUnderTheCursor) {
    const QPoint cursor = GetParam();
    const QImage cells = SkinPicture(QStringLiteral("Gridlock"), QStringLiteral("cells.bmp"));
    StartWith(QStringLiteral("Gridlock"), QPoint(450, 350));
    if (HasFatalFailure())
        return;
    const QPoint cell = ExpectedMatrixCell(3, 2, cursor);
    const QRgb wanted = DominantColour(cells, QRect(cell.x() * 24, cell.y() * 24, 24, 24));
    Probe().MovePointer(cursor.x(), cursor.y());
    const QRgb shown = WaitForDominant(QRect(16, 22, 24, 24), wanted);
    EXPECT_EQ(shown, wanted) << "expected cell " << cell.x() << "," << cell.y();
}

INSTANTIATE_TEST_SUITE_P(Cursor, MatrixEye,
                         ::testing::Values(QPoint(10, 10), QPoint(600, 100), QPoint(1000, 700),
                                           QPoint(100, 500), QPoint(400, 383), QPoint(683, 384)));

// The "auto" eyes of the sample skins: a pupil of one colour in each box.
struct AutoRow {
    const char* Folder;
    EyeBox Eye;
    QRgb Pupil;
    QPoint Cursor;
};

void PrintTo(const AutoRow& row, std::ostream* os) {
    *os << row.Folder << " (" << row.Cursor.x() << ", " << row.Cursor.y() << ")";
}

class AutoEye : public SkinOnScreen, public ::testing::WithParamInterface<AutoRow> {};

TEST_P(AutoEye, PupilSitsWhereTheFormulaPutsIt) {
    const AutoRow& row = GetParam();
    const QPoint at(400, 300);
    const QRect pupilBox = BoundingBoxOf(
        SkinPicture(QLatin1String(row.Folder), QStringLiteral("pupil.bmp")), row.Pupil);
    ASSERT_FALSE(pupilBox.isEmpty());
    StartWith(QLatin1String(row.Folder), at);
    if (HasFatalFailure())
        return;
    const QPoint expected = ExpectedAutoPosition(at, row.Eye, row.Cursor) + pupilBox.topLeft();
    Probe().MovePointer(row.Cursor.x(), row.Cursor.y());
    const QRect area(row.Eye.X, row.Eye.Y, row.Eye.Width, row.Eye.Height);
    QRect found;
    WaitFor([&] {
        found = BoundingBoxOf(GrabWindowArea(run_.Window(), area), row.Pupil)
                    .translated(area.topLeft());
        return !found.isEmpty() && found.topLeft() == expected;
    });
    EXPECT_EQ(found.size(), pupilBox.size());
    EXPECT_NEAR(found.x(), expected.x(), 1);
    EXPECT_NEAR(found.y(), expected.y(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Samples, AutoEye,
    ::testing::Values(AutoRow{"Blobby", {22, 20, 30, 30, 12, 12}, 0xC81E1E, {0, 0}},
                      AutoRow{"Blobby", {68, 20, 30, 30, 12, 12}, 0xC81E1E, {1023, 767}},
                      AutoRow{"Donut", {50, 8, 40, 30, 14, 14}, 0x7800A0, {470, 0}},
                      AutoRow{"Donut", {50, 8, 40, 30, 14, 14}, 0x7800A0, {1023, 330}},
                      AutoRow{"Sleepy", {18, 34, 26, 22, 10, 12}, 0x14A03C, {0, 767}}));

// Sleepy: a "blink" eye (both eyelids) shown while the left button is held.
constexpr QRgb kLid = 0xBE6ED2;
const QRect kLidArea(16 + 5, 32 + 8, 14, 8); // inside the left lid

class BlinkEye : public SkinOnScreen {
protected:
    void TearDown() override { Probe().Button(1, false); }
};

TEST_F(BlinkEye, LidsShowOnlyWhileTheLeftButtonIsHeld) {
    StartWith(QStringLiteral("Sleepy"), QPoint(100, 100));
    if (HasFatalFailure())
        return;
    // Away from the creature, so that the press starts no drag.
    Probe().MovePointer(800, 600);
    EXPECT_NE(WaitForDominant(kLidArea, 0xFFFFFF), kLid) << "lids shown with no button held";
    Probe().Button(1, true);
    EXPECT_EQ(WaitForDominant(kLidArea, kLid), kLid) << "left button held, lids not shown";
    Probe().Button(1, false);
    EXPECT_NE(WaitForDominant(kLidArea, 0xFFFFFF), kLid) << "lids stay after the release";
    Probe().Button(3, true);
    // The lids answer to the left button only: give the right button time to show them wrongly.
    EXPECT_FALSE(WaitFor(
        [&] {
            return DominantColour(GrabWindowArea(run_.Window(), kLidArea),
                                  kLidArea.translated(-kLidArea.topLeft())) == kLid;
        },
        std::chrono::milliseconds(500)));
    Probe().Button(3, false);
}

TEST_F(BlinkEye, LidsNeverShowWhenBlinkIsOff) {
    StartWith(QStringLiteral("Sleepy"), QPoint(100, 100), QStringLiteral("False"));
    if (HasFatalFailure())
        return;
    Probe().MovePointer(800, 600);
    Probe().Button(1, true);
    EXPECT_FALSE(WaitFor(
        [&] {
            return DominantColour(GrabWindowArea(run_.Window(), kLidArea),
                                  kLidArea.translated(-kLidArea.topLeft())) == kLid;
        },
        std::chrono::milliseconds(500)));
    Probe().Button(1, false);
}

} // namespace
} // namespace orbo::e2e
