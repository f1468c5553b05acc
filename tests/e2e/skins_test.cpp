// Named skins from the settings store: size, shape and place of the window, and the settings
// written when it closes.
#include "e2e_env.h"

#include <gtest/gtest.h>

#include <csignal>

namespace orbo::e2e {
namespace {

struct SkinRow {
    const char* Folder;
    const char* Background;
};

void PrintTo(const SkinRow& row, std::ostream* os) {
    *os << row.Folder;
}

const SkinRow kSkins[] = {
    {"Blobby", "blobby.bmp"}, {"Donut", "donut.bmp"},   {"Compass", "compass.bmp"},
    {"Radar", "radar.bmp"},   {"Peeker", "peeker.bmp"}, {"Gridlock", "gridlock.bmp"},
    {"Sleepy", "sleepy.bmp"},
};

QImage Background(const SkinRow& row) {
    return QImage(SampleSkinsFolder() + QLatin1Char('/') + QLatin1String(row.Folder) +
                  QLatin1Char('/') + QLatin1String(row.Background));
}

QString Twips(int pixels) {
    return QString::number(pixels * kTwipsPerPixel);
}

class NamedSkin : public ::testing::TestWithParam<SkinRow> {};

TEST_P(NamedSkin, WindowTakesTheBackgroundsSizeAndItsNonMagentaShape) {
    const SkinRow& row = GetParam();
    const QImage background = Background(row);
    ASSERT_FALSE(background.isNull());
    OrboRun run;
    ASSERT_TRUE(run.AddSampleSkin(QLatin1String(row.Folder)));
    ASSERT_TRUE(run.WriteSettings({{QStringLiteral("Left"), Twips(100)},
                                   {QStringLiteral("Top"), Twips(120)},
                                   {QStringLiteral("Skin"), QLatin1String(row.Folder)}}));
    ASSERT_TRUE(run.Start());
    EXPECT_EQ(Probe().Geometry(run.Window()), QRect(QPoint(100, 120), background.size()));
    const QRegion shape = RegionOf(Probe().ShapeRectangles(run.Window()));
    const QRegion expected = NonMagentaRegion(background);
    EXPECT_TRUE(shape.xored(expected).isEmpty())
        << "the shape differs around " << shape.xored(expected).boundingRect().x() << ","
        << shape.xored(expected).boundingRect().y();
}

INSTANTIATE_TEST_SUITE_P(Samples, NamedSkin, ::testing::ValuesIn(kSkins),
                         [](const auto& info) { return std::string(info.param.Folder); });

TEST(SkinShape, HoleInsideTheCreatureIsOutsideTheWindow) {
    const SkinRow donut = kSkins[1];
    const QImage background = Background(donut);
    ASSERT_EQ(background.pixel(70, 70) & 0xFFFFFF, 0xFF00FFu) << "the sample lost its hole";
    OrboRun run;
    ASSERT_TRUE(run.AddSampleSkin(QStringLiteral("Donut")));
    ASSERT_TRUE(run.WriteSettings({{QStringLiteral("Left"), Twips(200)},
                                   {QStringLiteral("Top"), Twips(200)},
                                   {QStringLiteral("Skin"), QStringLiteral("Donut")}}));
    ASSERT_TRUE(run.Start());
    const QRegion shape = RegionOf(Probe().ShapeRectangles(run.Window()));
    EXPECT_FALSE(shape.contains(QPoint(70, 70)));
    EXPECT_TRUE(shape.contains(QPoint(70, 20)));
}

TEST(SkinPlacement, SkinPastTheRightAndBottomEdgesIsPulledBack) {
    const QImage background = Background(kSkins[1]);
    OrboRun run;
    ASSERT_TRUE(run.AddSampleSkin(QStringLiteral("Donut")));
    ASSERT_TRUE(run.WriteSettings({{QStringLiteral("Left"), Twips(1000)},
                                   {QStringLiteral("Top"), Twips(760)},
                                   {QStringLiteral("Skin"), QStringLiteral("Donut")}}));
    ASSERT_TRUE(run.Start());
    EXPECT_EQ(Probe().Geometry(run.Window()),
              QRect(QPoint(kScreenWidth - background.width(), kScreenHeight - background.height()),
                    background.size()));
}

TEST(SkinPlacement, SkinPastTheLeftAndTopEdgesStaysThere) {
    OrboRun run;
    ASSERT_TRUE(run.AddSampleSkin(QStringLiteral("Blobby")));
    ASSERT_TRUE(run.WriteSettings({{QStringLiteral("Left"), Twips(-20)},
                                   {QStringLiteral("Top"), Twips(-10)},
                                   {QStringLiteral("Skin"), QStringLiteral("Blobby")}}));
    ASSERT_TRUE(run.Start());
    const auto geometry = Probe().Geometry(run.Window());
    ASSERT_TRUE(geometry);
    EXPECT_EQ(geometry->topLeft(), QPoint(-20, -10));
}

TEST(SkinPlacement, MissingSkinFolderGivesTheBuiltInSkin) {
    OrboRun run;
    ASSERT_TRUE(run.WriteSettings({{QStringLiteral("Skin"), QStringLiteral("Nowhere")}}));
    ASSERT_TRUE(run.Start());
    const auto geometry = Probe().Geometry(run.Window());
    ASSERT_TRUE(geometry);
    EXPECT_EQ(geometry->size(), QSize(75, 100));
}

enum class CloseBy { DeleteWindow, Terminate };

class Closing : public ::testing::TestWithParam<CloseBy> {
protected:
    void Close(OrboRun& run) {
        if (GetParam() == CloseBy::DeleteWindow)
            ASSERT_TRUE(Probe().SendDeleteWindow(run.Window()));
        else
            run.Signal(SIGTERM);
        const auto status = run.WaitExit(std::chrono::seconds(10));
        ASSERT_TRUE(status) << "orbo did not end";
        EXPECT_EQ(*status, 0);
    }
};

TEST_P(Closing, WritesTheSixKeysAndASecondStartReadsThemBack) {
    OrboRun first;
    ASSERT_TRUE(first.AddSampleSkin(QStringLiteral("Blobby")));
    ASSERT_TRUE(first.WriteSettings({{QStringLiteral("Left"), Twips(1000)},
                                     {QStringLiteral("Top"), Twips(300)},
                                     {QStringLiteral("Blink"), QStringLiteral("FALSE")},
                                     {QStringLiteral("OnTop"), QStringLiteral("no")},
                                     {QStringLiteral("Speed"), QStringLiteral("150")},
                                     {QStringLiteral("Skin"), QStringLiteral("  Blobby  ")}}));
    ASSERT_TRUE(first.Start());
    // Blobby is 120 pixels wide: the window was pulled back to 904.
    const auto placed = Probe().Geometry(first.Window());
    ASSERT_TRUE(placed);
    ASSERT_EQ(placed->topLeft(), QPoint(kScreenWidth - 120, 300));
    Close(first);
    if (HasFatalFailure())
        return;
    const QMap<QString, QString> saved = first.ReadSettings();
    EXPECT_EQ(saved.value(QStringLiteral("left")), Twips(kScreenWidth - 120));
    EXPECT_EQ(saved.value(QStringLiteral("top")), Twips(300));
    EXPECT_EQ(saved.value(QStringLiteral("skin")), QStringLiteral("Blobby"));
    EXPECT_EQ(saved.value(QStringLiteral("speed")), QStringLiteral("100"));
    EXPECT_EQ(saved.value(QStringLiteral("ontop")), QStringLiteral("False"));
    EXPECT_EQ(saved.value(QStringLiteral("blink")), QStringLiteral("False"));
    EXPECT_EQ(saved.size(), 6);

    // The second run starts from what the first one wrote.
    OrboRun second;
    ASSERT_TRUE(second.AddSampleSkin(QStringLiteral("Blobby")));
    QMap<QString, QString> settings;
    for (auto it = saved.begin(); it != saved.end(); ++it)
        settings.insert(it.key(), it.value());
    ASSERT_TRUE(second.WriteSettings(settings));
    ASSERT_TRUE(second.Start());
    EXPECT_EQ(Probe().Geometry(second.Window()), *placed);
    Close(second);
    if (HasFatalFailure())
        return;
    EXPECT_EQ(second.ReadSettings(), saved);
}

TEST_P(Closing, NoStoredSettingsWritesTheDefaults) {
    OrboRun run;
    ASSERT_TRUE(run.Start());
    Close(run);
    if (HasFatalFailure())
        return;
    const QMap<QString, QString> saved = run.ReadSettings();
    EXPECT_EQ(saved.value(QStringLiteral("left")), Twips(kScreenWidth / 2));
    EXPECT_EQ(saved.value(QStringLiteral("top")), Twips(kScreenHeight / 2));
    EXPECT_EQ(saved.value(QStringLiteral("skin")), QStringLiteral("< none >"));
    EXPECT_EQ(saved.value(QStringLiteral("speed")), QStringLiteral("85"));
    EXPECT_EQ(saved.value(QStringLiteral("ontop")), QStringLiteral("True"));
    EXPECT_EQ(saved.value(QStringLiteral("blink")), QStringLiteral("True"));
}

INSTANTIATE_TEST_SUITE_P(By, Closing, ::testing::Values(CloseBy::DeleteWindow, CloseBy::Terminate),
                         [](const auto& info) {
                             return std::string(info.param == CloseBy::DeleteWindow ? "DeleteWindow"
                                                                                    : "Terminate");
                         });

} // namespace
} // namespace orbo::e2e
