// The creature model: what reaches the window per activation, and where the window goes.
#include "scripted_desktop.h"

#include "creature/creature.h"

#include <QtCore/QDir>

#include <gtest/gtest.h>

namespace orbo {
namespace {

// Counts what the model shows.
struct CountingView : CreatureView {
    void PlaceWindow(const QRect& pixels) override {
        ++Places;
        Place = pixels;
    }
    void ShowFrame(const QRegion& changed) override {
        if (changed == QRegion(QRect(QPoint(), Place.size())))
            ++WholeFrames;
    }
    void ShowShape(const QRegion& shape) override {
        ++Shapes;
        Shape = shape;
    }
    void Reset() { Places = WholeFrames = Shapes = 0; }

    int Places = 0;
    int WholeFrames = 0;
    int Shapes = 0;
    QRect Place;
    QRegion Shape;
};

// Each activation, to a sample skin or back to the built-in one, reaches the window as one
// whole frame and one shape (the built-in skin first and the empty region stay inside), and as
// one place when the size changed. The same name again shows nothing.
TEST(Creature, OneActivationShowsOneFrameAndOneShape) {
    ScriptedDesktop desk;
    Creature creature(desk, {QStringLiteral(ORBO_SOURCE_DIR "/Skins")});
    CountingView view;
    creature.SetView(&view);
    const QStringList names =
        QDir(QStringLiteral(ORBO_SOURCE_DIR "/Skins")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    ASSERT_GE(names.size(), 6);
    for (const QString& name : names) {
        for (const QString& activated : {name, QStringLiteral("< none >")}) {
            SCOPED_TRACE(activated.toStdString());
            view.Reset();
            creature.ActivateSkin(activated);
            EXPECT_EQ(1, view.WholeFrames);
            EXPECT_EQ(1, view.Shapes);
            EXPECT_EQ(1, view.Places) << "the sample skins differ in size from the built-in one";
            EXPECT_EQ(creature.Window().Geometry.Pixels(), view.Place);
            EXPECT_TRUE(view.Shape.xored(creature.Window().Region).isEmpty());
            EXPECT_FALSE(view.Shape.isEmpty());
            view.Reset();
            creature.ActivateSkin(activated.toUpper());
            EXPECT_EQ(0, view.WholeFrames + view.Shapes + view.Places);
        }
    }
}

// Brought back, the window is centred in the work area, the odd pixel going right and down, also
// when it is larger than the area; the place reaches the window once.
TEST(Creature, BringBackCentresInTheWorkArea) {
    const struct {
        QRect Area;
        QPoint Expected; // for the built-in skin's 75 x 100 pixels
    } rows[] = {{{0, 0, 1024, 768}, {474, 334}},
                {{-1280, 30, 1280, 994}, {-678, 477}},
                {{10, 20, 70, 95}, {7, 17}}};
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.Expected));
        ScriptedDesktop desk;
        Creature creature(desk, {});
        creature.ActivateSkin(QStringLiteral("< none >"));
        creature.MoveTo(-30000, 90000);
        CountingView view;
        creature.SetView(&view);
        creature.BringBack(row.Area);
        EXPECT_EQ(QRect(row.Expected, QSize(75, 100)), creature.Window().Geometry.Pixels());
        EXPECT_EQ(1, view.Places);
        EXPECT_EQ(creature.Window().Geometry.Pixels(), view.Place);
    }
}

} // namespace
} // namespace orbo
