// The window's shape from a background (one scan-line pass against the one-pixel-at-a-time
// reference) and a whole skin activation with ten eyes.

#include "../tests/support/skin_pictures.h"
#include "creature/activation.h"
#include "creature/creature_window.h"
#include "creature/default_skin.h"
#include "platform/system/files.h"
#include "scripted_desktop.h"
#include "skin/mask_region.h"

#include <QtCore/QTemporaryDir>
#include <QtGui/QPainter>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

using orbo::kMagenta;
using orbo::Picture;

const orbo::DefaultSkinPictures& Pictures() {
    static const orbo::DefaultSkinPictures pictures = orbo::DefaultSkinPictures::Load();
    return pictures;
}

// A 1920 x 1080 creature: an ellipse on a magenta surround, with magenta holes punched in it.
const Picture& FullHdPicture() {
    static const Picture picture = [] {
        QImage image(1920, 1080, QImage::Format_RGB32);
        image.fill(qRgb(255, 0, 255));
        QPainter painter(&image);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(30, 160, 60));
        painter.drawEllipse(QRect(60, 40, 1800, 1000));
        painter.setBrush(QColor(255, 0, 255));
        for (int i = 0; i < 40; ++i)
            painter.drawEllipse(QRect(200 + (i % 10) * 150, 200 + (i / 10) * 170, 90, 60));
        painter.end();
        return Picture(image);
    }();
    return picture;
}

void CheckSame(benchmark::State& state, const Picture& picture) {
    if (!orbo::testing::SamePixels(orbo::BuildMaskRegion(picture, kMagenta),
                                   orbo::testing::BuildMaskRegionByPixel(picture, kMagenta)))
        state.SkipWithError("the two scans differ");
}

void BM_MaskRegion_BuiltIn(benchmark::State& state) {
    const Picture& back = Pictures().builtInSkin[0];
    CheckSame(state, back);
    for (auto _ : state)
        benchmark::DoNotOptimize(orbo::BuildMaskRegion(back, kMagenta));
}
BENCHMARK(BM_MaskRegion_BuiltIn)->Unit(benchmark::kMicrosecond);

void BM_MaskRegionByPixel_BuiltIn(benchmark::State& state) {
    const Picture& back = Pictures().builtInSkin[0];
    for (auto _ : state)
        benchmark::DoNotOptimize(orbo::testing::BuildMaskRegionByPixel(back, kMagenta));
}
BENCHMARK(BM_MaskRegionByPixel_BuiltIn)->Unit(benchmark::kMicrosecond);

void BM_MaskRegion_1920x1080(benchmark::State& state) {
    const Picture& picture = FullHdPicture();
    CheckSame(state, picture);
    for (auto _ : state)
        benchmark::DoNotOptimize(orbo::BuildMaskRegion(picture, kMagenta));
    state.counters["rects"] =
        static_cast<double>(orbo::BuildMaskRegion(picture, kMagenta).rectCount());
}
BENCHMARK(BM_MaskRegion_1920x1080)->Unit(benchmark::kMillisecond);

void BM_MaskRegionByPixel_1920x1080(benchmark::State& state) {
    const Picture& picture = FullHdPicture();
    for (auto _ : state)
        benchmark::DoNotOptimize(orbo::testing::BuildMaskRegionByPixel(picture, kMagenta));
}
BENCHMARK(BM_MaskRegionByPixel_1920x1080)->Unit(benchmark::kMillisecond);

// Two identical ten-eye skins under two names, so that every activation goes ahead.
struct TenEyeSkins {
    TenEyeSkins() {
        QByteArray ini = "[info]\nname=Ten\n[setting]\nback=back.bmp\neyes=10\n";
        for (int i = 1; i <= 10; ++i) {
            ini += QByteArray("[eye") + QByteArray::number(i) +
                   "]\ntype=auto\nxy=" + QByteArray::number(i * 20) + ",40\nsize=16,16\npic=Eye" +
                   QByteArray::number(i) + ".bmp\nmask=eyemask.bmp\n";
        }
        for (const char* name : {"TenA", "TenB"}) {
            const QString root = dir.path() + "/Skins/" + name;
            QImage back(240, 120, QImage::Format_RGB32);
            back.fill(qRgb(255, 0, 255));
            QPainter painter(&back);
            painter.setBrush(Qt::darkGreen);
            painter.drawEllipse(QRect(5, 5, 230, 110));
            painter.end();
            bool ok = orbo::testing::WriteBmp(root, "back.bmp", back) &&
                      orbo::testing::WriteBmp(root, "eyemask.bmp",
                                              orbo::testing::SolidImage(8, 8, Qt::white)) &&
                      orbo::testing::WriteBytes(root, "Skin.ini", ini);
            for (int i = 1; i <= 10; ++i)
                ok = ok && orbo::testing::WriteBmp(root, QStringLiteral("eye%1.bmp").arg(i),
                                                   orbo::testing::SolidImage(8, 8, Qt::black));
            if (!ok)
                std::abort();
        }
    }
    QTemporaryDir dir;
};

void BM_ActivateSkin_TenEyes(benchmark::State& state) {
    static const TenEyeSkins skins;
    orbo::SkinDef skin;
    QString skinName;
    orbo::CreatureWindow window;
    orbo::ScriptedDesktop desk;
    const orbo::SkinContext context{skin, skinName,   window,
                                    desk, Pictures(), orbo::SkinsFolders(skins.dir.path(), {})};
    bool flip = false;
    for (auto _ : state) {
        orbo::ActivateSkin(context, flip ? QStringLiteral("TenA") : QStringLiteral("TenB"));
        flip = !flip;
    }
    if (skin.LastEyeIndex() != 10 || skin.Eyes[10].Pic.IsEmpty() ||
        window.Geometry.Pixels().size() != QSize(240, 120))
        state.SkipWithError("the ten-eye skin did not load");
}
BENCHMARK(BM_ActivateSkin_TenEyes)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
