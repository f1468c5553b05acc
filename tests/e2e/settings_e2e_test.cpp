// Broken settings never stop start-up: whatever the settings file holds, the creature appears
// with the defaults for what cannot be read, and a clean end leaves six sane keys behind.
#include "e2e_env.h"

#include <QtCore/QFile>
#include <QtCore/QFileInfo>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

namespace orbo::e2e {
namespace {

const QStringList kKeys{QStringLiteral("Left"),  QStringLiteral("Top"),   QStringLiteral("Blink"),
                        QStringLiteral("OnTop"), QStringLiteral("Speed"), QStringLiteral("Skin")};

// Every key of the section holding the same value, written as raw bytes.
QByteArray EveryKeyHolds(const QByteArray& value) {
    QByteArray file("[Setting]\n");
    for (const QString& key : kKeys)
        file += key.toLatin1() + '=' + value + '\n';
    return file;
}

// Bytes without any structure, the same on every run.
QByteArray Noise(int size) {
    QByteArray bytes(size, '\0');
    unsigned state = 12345;
    for (char& b : bytes) {
        state = state * 1103515245u + 12345u;
        b = static_cast<char>(state >> 16);
    }
    return bytes;
}

struct BrokenRow {
    const char* Name;
    QByteArray Contents;
    // The text the two switches read as: any stored text but "true" turns them off, a missing
    // key leaves them on.
    const char* Switches;
};

void PrintTo(const BrokenRow& row, std::ostream* os) {
    *os << row.Name;
}

const BrokenRow kBroken[] = {
    {"EmptyValues", EveryKeyHolds(""), "False"},
    {"HugePositive", EveryKeyHolds("1e300"), "False"},
    {"HugeNegative", EveryKeyHolds("-1e300"), "False"},
    {"ElevenDigits", EveryKeyHolds("99999999999"), "False"},
    {"NegativeElevenDigits", EveryKeyHolds("-99999999999"), "False"},
    {"NotANumber", EveryKeyHolds("twelve and a half"), "False"},
    {"NaN", EveryKeyHolds("nan"), "False"},
    {"NegativeInfinity", EveryKeyHolds("-inf"), "False"},
    {"NulInside", EveryKeyHolds(QByteArray("12") + '\0' + "34"), "False"},
    {"OneMebibyte", EveryKeyHolds(QByteArray(1 << 20, '7')), "False"},
    {"InvalidUtf8", EveryKeyHolds("\xff\xfe\xc3\x28\xed\xa0\x80"), "False"},
    {"BinaryNoise", Noise(64 * 1024), "True"},
};

// A clean end and what it leaves: the six keys, each sane.
void ExpectSaneSettingsAfterTerminate(OrboRun& run, const QString& switches, QPoint at) {
    run.Signal(SIGTERM);
    const auto status = run.WaitExit(std::chrono::seconds(10));
    ASSERT_TRUE(status) << "orbo did not end on SIGTERM";
    EXPECT_EQ(*status, 0);
    const QMap<QString, QString> saved = run.ReadSettings();
    EXPECT_EQ(saved.size(), 6);
    const auto text = [&saved](const char* key) {
        return saved.value(QLatin1String(key)).left(60).toStdString();
    };
    EXPECT_EQ(text("left"), std::to_string(at.x() * kTwipsPerPixel));
    EXPECT_EQ(text("top"), std::to_string(at.y() * kTwipsPerPixel));
    EXPECT_EQ(text("blink"), switches.toStdString());
    EXPECT_EQ(text("ontop"), switches.toStdString());
    bool isNumber = false;
    const int speed = saved.value(QStringLiteral("speed")).toInt(&isNumber);
    EXPECT_TRUE(isNumber) << "Speed=" << text("speed");
    EXPECT_GE(speed, 0);
    EXPECT_LE(speed, 100);
    const QString skin = saved.value(QStringLiteral("skin"));
    EXPECT_FALSE(skin.isEmpty());
    EXPECT_FALSE(skin.startsWith(u' ') || skin.endsWith(u' ')) << "blanks around " << text("skin");
}

class BrokenSettings : public ::testing::TestWithParam<BrokenRow> {};

TEST_P(BrokenSettings, CreatureStartsWithTheDefaultsAndACleanEndWritesSaneKeys) {
    const BrokenRow& row = GetParam();
    OrboRun run;
    ASSERT_TRUE(run.WriteSettingsBytes(row.Contents));
    ASSERT_TRUE(run.Start()) << "no ORBO window was mapped";
    // Left and Top unreadable: the top-left corner at the screen's centre. Skin names nothing:
    // the built-in creature.
    const QPoint centre(kScreenWidth / 2, kScreenHeight / 2);
    EXPECT_EQ(Probe().Geometry(run.Window()), QRect(centre, QSize(75, 100)));
    ExpectSaneSettingsAfterTerminate(run, QLatin1String(row.Switches), centre);
}

INSTANTIATE_TEST_SUITE_P(Garbage, BrokenSettings, ::testing::ValuesIn(kBroken),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(BrokenSettingsFile, SettingsPathThatIsAFolderGivesTheDefaultsAndNoStrayFiles) {
    OrboRun run;
    ASSERT_TRUE(QDir().mkpath(run.SettingsFile()));
    ASSERT_TRUE(run.Start()) << "no ORBO window was mapped";
    EXPECT_EQ(Probe().Geometry(run.Window()),
              QRect(QPoint(kScreenWidth / 2, kScreenHeight / 2), QSize(75, 100)));
    run.Signal(SIGTERM);
    const auto status = run.WaitExit(std::chrono::seconds(10));
    ASSERT_TRUE(status) << "orbo did not end on SIGTERM";
    EXPECT_EQ(*status, 0);
    // Nothing could be saved, and nothing half-saved is left beside the folder.
    EXPECT_TRUE(QFileInfo(run.SettingsFile()).isDir());
    QStringList entries =
        QDir(run.ConfigFolder())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    entries.sort();
    EXPECT_EQ(entries.join(QStringLiteral(", ")).toStdString(), "Z Orbo.ini, orbo.log");
}

TEST(BrokenSettingsFile, SettingsPathThatIsAFifoNeitherBlocksStartUpNorTheSave) {
    OrboRun run;
    ASSERT_EQ(::mkfifo(QFile::encodeName(run.SettingsFile()).constData(), 0600), 0);
    ASSERT_TRUE(run.Start()) << "no ORBO window was mapped: did reading the FIFO block?";
    const QPoint centre(kScreenWidth / 2, kScreenHeight / 2);
    EXPECT_EQ(Probe().Geometry(run.Window()), QRect(centre, QSize(75, 100)));
    // The save replaces the FIFO with a settings file of the defaults.
    ExpectSaneSettingsAfterTerminate(run, QStringLiteral("True"), centre);
    EXPECT_TRUE(QFileInfo(run.SettingsFile()).isFile());
}

// Stored positions that the window system cannot place: X11 keeps window positions in 16 bits,
// so -32769 pixels would show at 32767 and -65536 at 0. Wherever the creature is put, it must be
// where the program believes it is, or it saves one place while showing another.
struct FarRow {
    const char* Name;
    const char* Left;
    const char* Top;
};

void PrintTo(const FarRow& row, std::ostream* os) {
    *os << row.Name;
}

class UnplaceablePosition : public ::testing::TestWithParam<FarRow> {};

TEST_P(UnplaceablePosition, CreatureIsShownWhereItsSavedPositionSays) {
    OrboRun run;
    ASSERT_TRUE(run.WriteSettings({{QStringLiteral("Left"), QLatin1String(GetParam().Left)},
                                   {QStringLiteral("Top"), QLatin1String(GetParam().Top)}}));
    ASSERT_TRUE(run.Start()) << "no ORBO window was mapped";
    const auto shown = Probe().Geometry(run.Window());
    ASSERT_TRUE(shown);
    run.Signal(SIGTERM);
    const auto status = run.WaitExit(std::chrono::seconds(10));
    ASSERT_TRUE(status) << "orbo did not end on SIGTERM";
    EXPECT_EQ(*status, 0);
    const QMap<QString, QString> saved = run.ReadSettings();
    EXPECT_EQ(saved.value(QStringLiteral("left")).toStdString(),
              std::to_string(shown->x() * kTwipsPerPixel));
    EXPECT_EQ(saved.value(QStringLiteral("top")).toStdString(),
              std::to_string(shown->y() * kTwipsPerPixel));
}

INSTANTIATE_TEST_SUITE_P(Far, UnplaceablePosition,
                         ::testing::Values(FarRow{"LeftOnePixelPastSixteenBits", "-491535", "1500"},
                                           FarRow{"LeftSixteenBitsAround", "-983040", "1500"},
                                           FarRow{"TopSixteenBitsAround", "1500", "-983040"},
                                           FarRow{"BothFarOff", "-1e9", "-1e9"}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(BrokenSettingsFile, UnreadableFileGivesTheDefaults) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "running as root: a file without read permission is still readable";
    OrboRun run;
    ASSERT_TRUE(run.WriteSettings({{QStringLiteral("Left"), QStringLiteral("1500")},
                                   {QStringLiteral("Top"), QStringLiteral("1500")},
                                   {QStringLiteral("Blink"), QStringLiteral("False")}}));
    ASSERT_TRUE(QFile::setPermissions(run.SettingsFile(), QFileDevice::WriteOwner));
    ASSERT_TRUE(run.Start()) << "no ORBO window was mapped";
    const QPoint centre(kScreenWidth / 2, kScreenHeight / 2);
    EXPECT_EQ(Probe().Geometry(run.Window()), QRect(centre, QSize(75, 100)));
    run.Signal(SIGTERM);
    const auto status = run.WaitExit(std::chrono::seconds(10));
    ASSERT_TRUE(status) << "orbo did not end on SIGTERM";
    EXPECT_EQ(*status, 0);
}

} // namespace
} // namespace orbo::e2e
