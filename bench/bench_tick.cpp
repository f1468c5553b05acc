// The cost of one animation tick: RunTick plus Surface::Present, as CreatureWidget's timer runs
// them.

#include "animation/tick.h"
#include "creature/creature_window.h"
#include "creature/default_skin.h"
#include "runtime/surface.h"
#include "scripted_desktop.h"
#include "skin/skin_def.h"

#include <QtGui/QImage>

#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>
#include <vector>

namespace orbo {
namespace {

const Units kUnits{15, 15};

// A cursor path of distinct points on a wide ellipse around `centre`, so that consecutive
// ticks look in different directions.
std::vector<QPoint> CursorPath(QPoint centre, int rx, int ry) {
    std::vector<QPoint> path;
    constexpr int kSteps = 97;
    for (int i = 0; i < kSteps; ++i) {
        const double t = 2 * std::numbers::pi * i / kSteps;
        path.emplace_back(centre.x() + static_cast<int>(rx * std::cos(t)),
                          centre.y() + static_cast<int>(ry * std::sin(t * 3)));
    }
    return path;
}

Picture Ring(int width, int height, QRgb colour, QRgb outside) {
    QImage image(width, height, QImage::Format_RGB32);
    const double cx = (width - 1) / 2.0;
    const double cy = (height - 1) / 2.0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y,
                           std::hypot((x - cx) / cx, (y - cy) / cy) <= 1.0 ? colour : outside);
    return Picture(image);
}

Picture Cells(int columns, int rows, int cellWidth, int cellHeight) {
    QImage image(columns * cellWidth, rows * cellHeight, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const int cell = (y / cellHeight) * columns + x / cellWidth;
            image.setPixel(x, y, qRgb(40 * cell % 256, 255 - 30 * cell % 256, 90));
        }
    return Picture(image);
}

EyeDef Eye(QStringView kind, int x, int y, int width, int height, std::uint8_t frames,
           const Picture& pic, const Picture& mask) {
    EyeDef eye;
    eye.Kind.Assign(kind);
    eye.X = static_cast<float>(x * 15);
    eye.Y = static_cast<float>(y * 15);
    eye.Width = static_cast<float>(width * 15);
    eye.Height = static_cast<float>(height * 15);
    eye.Frames = frames;
    eye.Pic = pic;
    eye.Mask = mask;
    return eye;
}

struct Scene {
    SkinDef Skin;
    bool Blink = false;
    ScriptedDesktop Desk;
    Surface Out{kUnits};
    float Left = 600 * 15;
    float Top = 300 * 15;

    Scene() {
        Desk.Screen = QSize(1920, 1080);
        Desk.ScriptedUnits = kUnits;
    }

    // Only the drawing calls, without the pixel work Present does.
    void RunTickOnly(benchmark::State& state, const std::vector<QPoint>& path) {
        size_t i = 0;
        for (auto _ : state) {
            Desk.Cursor = path[i];
            if (++i == path.size())
                i = 0;
            RunTick(Skin, Blink, Desk, Left, Top, Out);
            benchmark::DoNotOptimize(Out.PendingOps().data());
        }
    }

    // Runs the ticks; reports how many of them changed the picture on show.
    void Run(benchmark::State& state, const std::vector<QPoint>& path) {
        size_t i = 0;
        std::int64_t changed = 0;
        for (auto _ : state) {
            Desk.Cursor = path[i];
            if (++i == path.size())
                i = 0;
            RunTick(Skin, Blink, Desk, Left, Top, Out);
            QRegion region = Out.Present();
            changed += region.isEmpty() ? 0 : 1;
            benchmark::DoNotOptimize(region);
        }
        state.counters["changed"] = benchmark::Counter(static_cast<double>(changed) /
                                                       static_cast<double>(state.iterations()));
    }
};

const DefaultSkinPictures& BuiltInPictures() {
    static const DefaultSkinPictures pictures = DefaultSkinPictures::Load();
    return pictures;
}

void BuiltIn(Scene& scene) {
    CreatureWindow window(kUnits);
    ActivateDefSkin(scene.Skin, window, kUnits, BuiltInPictures());
    scene.Out.SetBackground(QSize(75, 100), kMagenta, BuiltInPictures().builtInSkin[0]);
}

void BM_BuiltInTickMovingCursor(benchmark::State& state) {
    Scene scene;
    BuiltIn(scene);
    scene.Run(state, CursorPath({640, 350}, 600, 320));
}
BENCHMARK(BM_BuiltInTickMovingCursor);

void BM_BuiltInTickStillCursor(benchmark::State& state) {
    Scene scene;
    BuiltIn(scene);
    scene.Run(state, {QPoint(100, 900)});
}
BENCHMARK(BM_BuiltInTickStillCursor);

void BM_BuiltInRunTickOnly(benchmark::State& state) {
    Scene scene;
    BuiltIn(scene);
    scene.RunTickOnly(state, CursorPath({640, 350}, 600, 320));
}
BENCHMARK(BM_BuiltInRunTickOnly);

Picture Background800x600() {
    QImage image(800, 600, QImage::Format_RGB32);
    image.fill(qRgb(255, 0, 255));
    for (int y = 20; y < 580; ++y)
        for (int x = 20; x < 780; ++x)
            image.setPixel(x, y, qRgb(40, 160, 60));
    return Picture(image);
}

// Twenty "auto" eyes, a 20 x 20 pupil in each 60 x 60 box, in a 5 x 4 grid.
void HeavyAuto(Scene& scene) {
    const Picture pic = Ring(20, 20, qRgb(20, 20, 20), qRgb(0, 0, 0));
    const Picture mask = Ring(20, 20, qRgb(0, 0, 0), qRgb(255, 255, 255));
    auto& skin = scene.Skin;
    skin.RemakeEyes(20);
    for (int i = 0; i < 20; ++i)
        skin.Eyes[static_cast<size_t>(i + 1)] =
            Eye(u"auto", 60 + (i % 5) * 140, 60 + (i / 5) * 130, 60, 60, 0, pic, mask);
    scene.Out.SetBackground(QSize(800, 600), kMagenta, Background800x600());
}

void BM_HeavyAutoTickMovingCursor(benchmark::State& state) {
    Scene scene;
    HeavyAuto(scene);
    scene.Run(state, CursorPath({1000, 600}, 900, 500));
}
BENCHMARK(BM_HeavyAutoTickMovingCursor);

// Every kind on the same 800 x 600 background: four each of auto, frames, distan, rect and
// matrix, and four blink eyes whose button is held.
void HeavyMixed(Scene& scene) {
    const Picture pupil = Ring(20, 20, qRgb(20, 20, 20), qRgb(0, 0, 0));
    const Picture pupilMask = Ring(20, 20, qRgb(0, 0, 0), qRgb(255, 255, 255));
    const Picture strip = Cells(8, 1, 40, 40);
    const Picture stripMask = Cells(8, 1, 40, 40);
    const Picture grid = Cells(4, 3, 30, 30);
    const Picture gridMask = Cells(4, 3, 30, 30);
    const Picture lid = Ring(50, 30, qRgb(40, 160, 60), qRgb(0, 0, 0));
    const Picture lidMask = Ring(50, 30, qRgb(0, 0, 0), qRgb(255, 255, 255));
    auto& skin = scene.Skin;
    skin.RemakeEyes(24);
    size_t e = 1;
    for (int i = 0; i < 4; ++i) {
        const int x = 40 + i * 190;
        skin.Eyes[e++] = Eye(u"auto", x, 40, 60, 60, 0, pupil, pupilMask);
        skin.Eyes[e++] = Eye(u"frames", x, 140, 0, 0, 8, strip, stripMask);
        skin.Eyes[e++] = Eye(u"distance", x, 240, 0, 0, 8, strip, stripMask);
        skin.Eyes[e++] = Eye(u"rect", x, 330, 90, 60, 0, pupil, pupilMask);
        skin.Eyes[e++] = Eye(u"matrix", x, 420, 4, 3, 0, grid, gridMask);
        skin.Eyes[e++] = Eye(u"blink", x, 520, 0, 0, 1, lid, lidMask);
    }
    scene.Blink = true;
    scene.Desk.Left = true;
    scene.Out.SetBackground(QSize(800, 600), kMagenta, Background800x600());
}

void BM_HeavyMixedTickMovingCursor(benchmark::State& state) {
    Scene scene;
    HeavyMixed(scene);
    scene.Run(state, CursorPath({1000, 600}, 900, 500));
}
BENCHMARK(BM_HeavyMixedTickMovingCursor);

void BM_HeavyMixedTickStillCursor(benchmark::State& state) {
    Scene scene;
    HeavyMixed(scene);
    scene.Run(state, {QPoint(1500, 200)});
}
BENCHMARK(BM_HeavyMixedTickStillCursor);

void BM_HeavyMixedRunTickOnly(benchmark::State& state) {
    Scene scene;
    HeavyMixed(scene);
    scene.RunTickOnly(state, CursorPath({1000, 600}, 900, 500));
}
BENCHMARK(BM_HeavyMixedRunTickOnly);

} // namespace
} // namespace orbo

BENCHMARK_MAIN();
