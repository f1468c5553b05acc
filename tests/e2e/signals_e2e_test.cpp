// SIGTERM, SIGINT and SIGHUP end the program through its normal end: exit status 0 and the
// settings saved, also when more signals arrive while it is closing.
#include "e2e_env.h"

#include <QtCore/QFile>

#include <gtest/gtest.h>

#include <csignal>
#include <thread>

namespace orbo::e2e {
namespace {

// Blobby is 120 x 90 pixels; its middle is well inside the blob.
constexpr QSize kBlobbySize(120, 90);
constexpr QPoint kBlobbyGrab(60, 45);
constexpr QPoint kStoredAt(100, 120);

QString Twips(int pixels) {
    return QString::number(pixels * kTwipsPerPixel);
}

// Settings unlike the defaults in every key, so that a default written in place of a stored
// value shows.
bool PrepareRun(OrboRun& run) {
    return run.AddSampleSkin(QStringLiteral("Blobby")) &&
           run.WriteSettings({{QStringLiteral("Left"), Twips(kStoredAt.x())},
                              {QStringLiteral("Top"), Twips(kStoredAt.y())},
                              {QStringLiteral("Blink"), QStringLiteral("False")},
                              {QStringLiteral("OnTop"), QStringLiteral("True")},
                              {QStringLiteral("Speed"), QStringLiteral("40")},
                              {QStringLiteral("Skin"), QStringLiteral("Blobby")}});
}

QMap<QString, QString> ExpectedSettings(QPoint at) {
    return {{QStringLiteral("left"), Twips(at.x())},
            {QStringLiteral("top"), Twips(at.y())},
            {QStringLiteral("blink"), QStringLiteral("False")},
            {QStringLiteral("ontop"), QStringLiteral("True")},
            {QStringLiteral("speed"), QStringLiteral("40")},
            {QStringLiteral("skin"), QStringLiteral("Blobby")}};
}

// The settings as one line of text, for comparisons that print well.
std::string Describe(const QMap<QString, QString>& settings) {
    QStringList pairs;
    for (auto it = settings.begin(); it != settings.end(); ++it)
        pairs.append(it.key() + u'=' + it.value());
    return pairs.join(QStringLiteral("; ")).toStdString();
}

// Every line of the file is the section header, one of the six keys once, or blank; and no
// temporary file of an unfinished save is left beside it.
void ExpectWellFormedFile(const OrboRun& run) {
    QFile file(run.SettingsFile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "no settings file";
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.endsWith('\n')) << "the file ends in the middle of a line";
    QStringList seen;
    for (const QByteArray& raw : bytes.split('\n')) {
        const QString line = QString::fromUtf8(raw);
        if (line.trimmed().isEmpty() || line == QStringLiteral("[Setting]"))
            continue;
        const qsizetype eq = line.indexOf(u'=');
        ASSERT_GT(eq, 0) << "not a key: " << line.toStdString();
        const QString key = line.left(eq);
        EXPECT_TRUE(
            QStringList({QStringLiteral("Left"), QStringLiteral("Top"), QStringLiteral("Blink"),
                         QStringLiteral("OnTop"), QStringLiteral("Speed"), QStringLiteral("Skin")})
                .contains(key))
            << "unknown key " << key.toStdString();
        EXPECT_FALSE(seen.contains(key)) << key.toStdString() << " twice";
        seen.append(key);
    }
    EXPECT_EQ(seen.size(), 6);
    QStringList files =
        QDir(run.ConfigFolder()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    files.sort();
    EXPECT_EQ(files.join(QStringLiteral(", ")).toStdString(), "Z Orbo.ini, orbo.log");
}

struct SignalRow {
    const char* Name;
    int Number;
};

void PrintTo(const SignalRow& row, std::ostream* os) {
    *os << row.Name;
}

class EndingSignal : public ::testing::TestWithParam<SignalRow> {
protected:
    void TearDown() override { Probe().Button(1, false); }
};

TEST_P(EndingSignal, EndsWithStatusZeroAndSavesTheDraggedPosition) {
    OrboRun run;
    ASSERT_TRUE(PrepareRun(run));
    ASSERT_TRUE(run.Start());
    ASSERT_EQ(Probe().Geometry(run.Window()), QRect(kStoredAt, kBlobbySize));
    const QPoint moved = kStoredAt + QPoint(150, 100);
    DragPointer(kStoredAt + kBlobbyGrab, moved + kBlobbyGrab);
    std::optional<QRect> geometry;
    ASSERT_TRUE(WaitFor([&] {
        return (geometry = Probe().Geometry(run.Window())) && geometry->topLeft() == moved;
    })) << "the drag did not move the creature";

    run.Signal(GetParam().Number);
    const auto status = run.WaitExit(std::chrono::seconds(10));
    ASSERT_TRUE(status) << "orbo did not end";
    EXPECT_EQ(*status, 0);
    EXPECT_EQ(Describe(run.ReadSettings()), Describe(ExpectedSettings(moved)));
    ExpectWellFormedFile(run);
}

INSTANTIATE_TEST_SUITE_P(Signals, EndingSignal,
                         ::testing::Values(SignalRow{"Term", SIGTERM}, SignalRow{"Int", SIGINT},
                                           SignalRow{"Hup", SIGHUP}),
                         [](const auto& info) { return std::string(info.param.Name); });

// The pause between two SIGTERMs: none, or short enough that the second one arrives while the
// first is being handled (the settings are being written or the windows torn down).
class RepeatedTerminate : public ::testing::TestWithParam<int> {};

TEST_P(RepeatedTerminate, SecondSignalDuringTheCloseLeavesACompleteFile) {
    OrboRun run;
    ASSERT_TRUE(PrepareRun(run));
    ASSERT_TRUE(run.Start());
    run.Signal(SIGTERM);
    std::this_thread::sleep_for(std::chrono::microseconds(GetParam()));
    run.Signal(SIGTERM);
    const auto status = run.WaitExit(std::chrono::seconds(10));
    ASSERT_TRUE(status) << "orbo did not end";
    EXPECT_EQ(*status, 0);
    EXPECT_EQ(Describe(run.ReadSettings()), Describe(ExpectedSettings(kStoredAt)));
    ExpectWellFormedFile(run);
}

INSTANTIATE_TEST_SUITE_P(PauseMicroseconds, RepeatedTerminate,
                         ::testing::Values(0, 200, 1000, 3000, 10000, 30000));

TEST(TerminationSignals, AllThreeAtOnceEndTheProgramOnce) {
    OrboRun run;
    ASSERT_TRUE(PrepareRun(run));
    ASSERT_TRUE(run.Start());
    for (const int signal : {SIGTERM, SIGINT, SIGHUP, SIGTERM})
        run.Signal(signal);
    const auto status = run.WaitExit(std::chrono::seconds(10));
    ASSERT_TRUE(status) << "orbo did not end";
    EXPECT_EQ(*status, 0);
    EXPECT_EQ(Describe(run.ReadSettings()), Describe(ExpectedSettings(kStoredAt)));
    ExpectWellFormedFile(run);
}

TEST(TerminationSignals, SigtermWhileThePopupMenuIsOpenSavesAndEnds) {
    OrboRun run;
    ASSERT_TRUE(PrepareRun(run));
    ASSERT_TRUE(run.Start());
    ASSERT_TRUE(OpenPopupMenu(kStoredAt + kBlobbyGrab)) << "no popup menu appeared";
    run.Signal(SIGTERM);
    const auto status = run.WaitExit(std::chrono::seconds(10));
    ASSERT_TRUE(status) << "orbo did not end while its menu was open";
    EXPECT_EQ(*status, 0);
    EXPECT_EQ(Describe(run.ReadSettings()), Describe(ExpectedSettings(kStoredAt)));
    ExpectWellFormedFile(run);
}

} // namespace
} // namespace orbo::e2e
