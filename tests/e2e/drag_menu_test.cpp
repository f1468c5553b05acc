// Dragging the creature with the left button and its popup menu, driven through XTest.
#include "e2e_env.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

namespace orbo::e2e {
namespace {

// A pixel of the built-in creature's forehead, well inside its outline.
constexpr QPoint kGrab(37, 30);

class Dragging : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(run_.Start()); }
    void TearDown() override { Probe().Button(1, false); }

    QPoint WindowPos() const {
        const auto geometry = Probe().Geometry(run_.Window());
        return geometry ? geometry->topLeft() : QPoint(-9999, -9999);
    }

    // Presses the left button on the creature, moves the pointer to target in small steps, as a
    // hand would, and releases it there.
    void DragTo(QPoint target) {
        const QPoint start = WindowPos() + kGrab;
        Probe().MovePointer(start.x(), start.y());
        Probe().Button(1, true);
        constexpr int kSteps = 25;
        for (int i = 1; i <= kSteps; ++i) {
            const QPoint p = start + (target - start) * i / kSteps;
            Probe().MovePointer(p.x(), p.y());
            std::this_thread::sleep_for(std::chrono::milliseconds(8));
        }
        // Let the last motion arrive before the release ends the drag.
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        Probe().Button(1, false);
    }

    OrboRun run_;
};

TEST_F(Dragging, WindowFollowsTheGrabbedPoint) {
    const QPoint before = WindowPos();
    ASSERT_EQ(before, QPoint(kScreenWidth / 2, kScreenHeight / 2));
    DragTo(before + kGrab + QPoint(-150, -120));
    QPoint after;
    WaitFor([&] { return (after = WindowPos()) == before + QPoint(-150, -120); });
    EXPECT_EQ(after, before + QPoint(-150, -120));
}

struct EdgeRow {
    const char* Name;
    QPoint Target; // where the pointer is taken, past the edge where the server allows
    QPoint Expected;
};

void PrintTo(const EdgeRow& row, std::ostream* os) {
    *os << row.Name;
}

class DraggingToEdges : public Dragging, public ::testing::WithParamInterface<EdgeRow> {};

TEST_P(DraggingToEdges, CreatureStopsAtTheScreenEdge) {
    const EdgeRow& row = GetParam();
    DragTo(row.Target);
    QPoint after;
    WaitFor([&] { return (after = WindowPos()) == row.Expected; });
    EXPECT_EQ(after, row.Expected);
}

// The built-in creature is 75 x 100 pixels, grabbed at (37, 30).
INSTANTIATE_TEST_SUITE_P(Edge, DraggingToEdges,
                         ::testing::Values(EdgeRow{"Left", {0, 300}, {0, 270}},
                                           EdgeRow{"Right", {1023, 300}, {kScreenWidth - 75, 270}},
                                           EdgeRow{"Top", {300, 0}, {263, 0}},
                                           EdgeRow{
                                               "Bottom", {300, 767}, {263, kScreenHeight - 100}},
                                           EdgeRow{"TopLeftCorner", {0, 0}, {0, 0}},
                                           EdgeRow{"BottomRightCorner", {1023, 767}, {949, 668}}),
                         [](const auto& info) { return std::string(info.param.Name); });

class PopupMenu : public Dragging {
protected:
    // Right-clicks the creature and waits for a new shown top-level window: the menu.
    std::optional<QRect> OpenMenu() {
        const auto before = Probe().ShownTopLevels();
        const QPoint at = WindowPos() + kGrab;
        Probe().MovePointer(at.x(), at.y());
        Probe().Button(3, true);
        Probe().Button(3, false);
        std::optional<QRect> menu;
        WaitFor([&] {
            for (const unsigned long w : Probe().ShownTopLevels())
                if (std::find(before.begin(), before.end(), w) == before.end() &&
                    Probe().Title(w) != QStringLiteral("Orbo - Options")) {
                    menu = Probe().Geometry(w);
                    return true;
                }
            return false;
        });
        return menu;
    }

    // Clicks item index (from 0) of a menu of count items of equal height.
    void Choose(const QRect& menu, int index, int count) {
        const QPoint p(menu.center().x(),
                       menu.top() + menu.height() * (2 * index + 1) / (2 * count));
        Probe().MovePointer(p.x(), p.y());
        // The menu highlights on motion; give it a moment before the click.
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        Probe().Button(1, true);
        Probe().Button(1, false);
    }
};

TEST_F(PopupMenu, OptionsShowsTheOptionsWindow) {
    const auto menu = OpenMenu();
    ASSERT_TRUE(menu) << "no popup menu appeared";
    Choose(*menu, 0, 2);
    EXPECT_TRUE(Probe().WaitMapped(QStringLiteral("Orbo - Options"), std::chrono::seconds(10)));
    EXPECT_TRUE(run_.Alive());
}

TEST_F(PopupMenu, ExitEndsTheProgramAndKeepsTheDraggedPosition) {
    DragTo(WindowPos() + kGrab + QPoint(100, -200));
    QPoint dragged;
    ASSERT_TRUE(WaitFor([&] {
        return (dragged = WindowPos()) == QPoint(kScreenWidth / 2 + 100, kScreenHeight / 2 - 200);
    }));
    const auto menu = OpenMenu();
    ASSERT_TRUE(menu) << "no popup menu appeared";
    Choose(*menu, 1, 2);
    const auto status = run_.WaitExit(std::chrono::seconds(10));
    ASSERT_TRUE(status) << "orbo still runs after Exit";
    EXPECT_EQ(*status, 0);
    const QMap<QString, QString> saved = run_.ReadSettings();
    EXPECT_EQ(saved.value(QStringLiteral("left")), QString::number(dragged.x() * kTwipsPerPixel));
    EXPECT_EQ(saved.value(QStringLiteral("top")), QString::number(dragged.y() * kTwipsPerPixel));
}

TEST_F(PopupMenu, ClosingTheCreatureWhileTheOptionsWindowIsOpenEndsTheProgram) {
    const auto menu = OpenMenu();
    ASSERT_TRUE(menu) << "no popup menu appeared";
    Choose(*menu, 0, 2);
    ASSERT_TRUE(Probe().WaitMapped(QStringLiteral("Orbo - Options"), std::chrono::seconds(10)));
    ASSERT_TRUE(Probe().SendDeleteWindow(run_.Window()));
    const auto status = run_.WaitExit(std::chrono::seconds(10));
    ASSERT_TRUE(status) << "orbo still runs";
    EXPECT_EQ(run_.ReadSettings().size(), 6);
}

} // namespace
} // namespace orbo::e2e
