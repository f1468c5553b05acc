#include "main/mdl_general.h"
#include "main/settings_io.h"
#include "platform/desktop.h"
#include "platform/settings_store.h"
#include "skin/activation.h"

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QTemporaryDir>

#include <gtest/gtest.h>

namespace orbo {
namespace {

struct Store : MemorySettingsStore {
    void Put(const QString& key, const QString& value) {
        SaveSetting(kSettingsApp, kSettingsSection, key, value);
    }
    QString Get(const QString& key) {
        return GetSetting(kSettingsApp, kSettingsSection, key, QStringLiteral("<missing>"));
    }
};

ScriptedDesktop Screen1024() {
    ScriptedDesktop d;
    d.Screen = QSize(1024, 768);
    return d;
}

TEST(ReadStoredSettings, EmptyStoreGivesTheDefaults) {
    Store store;
    const auto s = ReadStoredSettings(store, Screen1024());
    EXPECT_EQ(s.Left, 1024 * 15 / 2);
    EXPECT_EQ(s.Top, 768 * 15 / 2);
    EXPECT_TRUE(s.Blink);
    EXPECT_TRUE(s.OnTop);
    EXPECT_EQ(s.Speed, 85);
    EXPECT_EQ(s.Skin, kNoSkin);
}

struct BoolRow {
    const char* text;
    bool expected;
};
class BlinkText : public ::testing::TestWithParam<BoolRow> {};

TEST_P(BlinkText, TrueOnlyForTheWordInAnyCase) {
    Store store;
    store.Put(QStringLiteral("Blink"), QString::fromUtf8(GetParam().text));
    store.Put(QStringLiteral("OnTop"), QString::fromUtf8(GetParam().text));
    const auto s = ReadStoredSettings(store, Screen1024());
    EXPECT_EQ(s.Blink, GetParam().expected);
    EXPECT_EQ(s.OnTop, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Casings, BlinkText,
                         ::testing::Values(BoolRow{"True", true}, BoolRow{"TRUE", true},
                                           BoolRow{"true", true}, BoolRow{"tRuE", true},
                                           BoolRow{" True", false}, BoolRow{"True ", false},
                                           BoolRow{"False", false}, BoolRow{"1", false},
                                           BoolRow{"", false}));

struct SpeedRow {
    const char* text;
    int expected;
};
class SpeedText : public ::testing::TestWithParam<SpeedRow> {};

TEST_P(SpeedText, IsLimitedAndRoundedHalfToEven) {
    Store store;
    store.Put(QStringLiteral("Speed"), QString::fromUtf8(GetParam().text));
    EXPECT_EQ(ReadStoredSettings(store, Screen1024()).Speed, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Values, SpeedText,
                         ::testing::Values(SpeedRow{"-5", 0}, SpeedRow{"150", 100},
                                           SpeedRow{"85.5", 86}, SpeedRow{"84.5", 84},
                                           SpeedRow{"0", 0}, SpeedRow{"100", 100},
                                           SpeedRow{"abc", 85}, SpeedRow{"", 85},
                                           SpeedRow{"nan", 85}, SpeedRow{"1e400", 85}));

struct SkinRow {
    const char* text;
    const char* expected;
};
class SkinText : public ::testing::TestWithParam<SkinRow> {};

TEST_P(SkinText, IsTrimmedOfSpacesAndBlankMeansBuiltIn) {
    Store store;
    store.Put(QStringLiteral("Skin"), QString::fromUtf8(GetParam().text));
    EXPECT_EQ(ReadStoredSettings(store, Screen1024()).Skin, QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Names, SkinText,
                         ::testing::Values(SkinRow{"", "< none >"}, SkinRow{"   ", "< none >"},
                                           SkinRow{"  Blue  ", "Blue"},
                                           SkinRow{"My Skin", "My Skin"},
                                           SkinRow{"< none >", "< none >"}));

struct PositionRow {
    const char* left;
    float expected;
};
class PositionText : public ::testing::TestWithParam<PositionRow> {};

TEST_P(PositionText, NonNumbersAndUnplaceablePositionsGiveTheDefault) {
    Store store;
    store.Put(QStringLiteral("Left"), QString::fromUtf8(GetParam().left));
    EXPECT_EQ(ReadStoredSettings(store, Screen1024()).Left, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, PositionText,
    ::testing::Values(PositionRow{"300", 300}, PositionRow{"-450", -450},
                      PositionRow{"12.5", 12.5f}, PositionRow{"abc", 7680}, PositionRow{"", 7680},
                      PositionRow{"1e30", 7680}, PositionRow{"inf", 7680},
                      // 16-bit pixel positions are kept, others are not.
                      PositionRow{"491505", 491505}, PositionRow{"-491520", -491520},
                      PositionRow{"491520", 7680}, PositionRow{"-491535", 7680}));

TEST(WriteStoredSettings, RoundTripKeepsEveryValue) {
    Store store;
    mdlGeneral general;
    general.SkinName = QStringLiteral("Blue");
    general.Speed = 42;
    general.Blink = false;
    general.OnTop = true;
    WriteStoredSettings(store, 4500, -300, general);
    EXPECT_EQ(store.Get(QStringLiteral("Left")), u"4500");
    EXPECT_EQ(store.Get(QStringLiteral("Top")), u"-300");
    EXPECT_EQ(store.Get(QStringLiteral("Skin")), u"Blue");
    EXPECT_EQ(store.Get(QStringLiteral("Speed")), u"42");
    EXPECT_EQ(store.Get(QStringLiteral("OnTop")), u"True");
    EXPECT_EQ(store.Get(QStringLiteral("Blink")), u"False");
    const auto s = ReadStoredSettings(store, Screen1024());
    EXPECT_EQ(s.Left, 4500);
    EXPECT_EQ(s.Top, -300);
    EXPECT_EQ(s.Skin, u"Blue");
    EXPECT_EQ(s.Speed, 42);
    EXPECT_FALSE(s.Blink);
    EXPECT_TRUE(s.OnTop);
}

TEST(TimerInterval, IsFiveHundredAndOneLessFivePerSpeed) {
    const std::pair<int, int> rows[] = {{0, 501}, {85, 76}, {100, 1}, {50, 251}, {1, 496}};
    for (const auto& [speed, interval] : rows)
        EXPECT_EQ(TimerInterval(speed), interval) << speed;
    for (int speed = 0; speed <= 100; ++speed)
        EXPECT_EQ(TimerInterval(speed), 501 - 5 * speed) << speed;
}

TEST(IniSettingsStore, KeepsTheSixKeysInTheSettingGroupOfTheApplicationsFile) {
    QTemporaryDir dir;
    IniSettingsStore store(dir.path());
    mdlGeneral general;
    general.SkinName = QStringLiteral("a;b=c");
    WriteStoredSettings(store, 15, 30, general);
    QFile file(dir.path() + QStringLiteral("/Z Orbo.ini"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(file.readAll()),
              u"[Setting]\nLeft=15\nTop=30\nSkin=a;b=c\nSpeed=0\nOnTop=False\nBlink=False\n");
    IniSettingsStore again(dir.path());
    EXPECT_EQ(again.GetSetting(kSettingsApp, kSettingsSection, QStringLiteral("skin"), {}),
              u"a;b=c");
}

TEST(IniSettingsStore, KeepsOtherSectionsAndLinesOfAnEditedFile) {
    QTemporaryDir dir;
    QFile file(dir.path() + QStringLiteral("/Z Orbo.ini"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("; my notes\r\n[Other]\r\nLeft=1\r\n\r\n[setting]\r\nSpeed= 7\r\n");
    file.close();
    IniSettingsStore store(dir.path());
    EXPECT_EQ(store.GetSetting(kSettingsApp, kSettingsSection, QStringLiteral("Speed"), {}), u" 7");
    EXPECT_EQ(store.GetSetting(kSettingsApp, kSettingsSection, QStringLiteral("Left"),
                               QStringLiteral("none")),
              u"none");
    store.SaveSetting(kSettingsApp, kSettingsSection, QStringLiteral("Left"), QStringLiteral("9"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(file.readAll()),
              u"; my notes\n[Other]\nLeft=1\n\n[setting]\nSpeed= 7\nLeft=9\n");
}

TEST(IniSettingsStore, AFileTooLargeToReadWholeIsNeitherReadNorOverwritten) {
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/Z Orbo.ini");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Setting]\nSkin=Kept\n; " + QByteArray(17 * 1024 * 1024, 'x') + "\nSpeed=7\n");
    file.close();
    const qint64 size = QFileInfo(path).size();
    IniSettingsStore store(dir.path());
    EXPECT_EQ(store.GetSetting(kSettingsApp, kSettingsSection, QStringLiteral("Skin"),
                               QStringLiteral("d")),
              u"d");
    store.SaveSetting(kSettingsApp, kSettingsSection, QStringLiteral("Skin"), QStringLiteral("x"));
    EXPECT_EQ(QFileInfo(path).size(), size);
}

TEST(IniSettingsStore, AFolderInPlaceOfTheFileGivesDefaultsAndIsLeftAlone) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Z Orbo.ini")));
    IniSettingsStore store(dir.path());
    EXPECT_EQ(store.GetSetting(kSettingsApp, kSettingsSection, QStringLiteral("Skin"),
                               QStringLiteral("d")),
              u"d");
    store.SaveSetting(kSettingsApp, kSettingsSection, QStringLiteral("Skin"), QStringLiteral("x"));
    EXPECT_TRUE(QFileInfo(dir.path() + QStringLiteral("/Z Orbo.ini")).isDir());
}

} // namespace
} // namespace orbo
