#include "platform/files.h"

#include "skin_test_support.h"

#include <QtCore/QTemporaryDir>

#include <gtest/gtest.h>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace orbo {
namespace {

using testing::WriteBytes;

class ResolveInFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = dir_.path() + "/skin";
        ASSERT_TRUE(WriteBytes(root_, "Back.bmp", "x"));
        ASSERT_TRUE(WriteBytes(root_, "Pics/Eye.BMP", "x"));
        ASSERT_TRUE(WriteBytes(dir_.path(), "secret.bmp", "x"));
#ifdef Q_OS_UNIX
        ASSERT_TRUE(QFile::link(dir_.path() + "/secret.bmp", root_ + "/out.bmp"));
        ASSERT_TRUE(QFile::link(root_ + "/Back.bmp", root_ + "/in.bmp"));
        ASSERT_TRUE(QFile::link(dir_.path(), root_ + "/up"));
#endif
    }
    std::optional<QString> Resolve(const QString& name) {
        return ResolveInFolder(root_, name);
    }

    QTemporaryDir dir_;
    QString root_;
};

struct ResolveRow {
    const char* Name;
    const char* Relative;
    const char* Expected; // path below the skin folder, or nullptr for no result
};

class ResolveRows : public ResolveInFolderTest, public ::testing::WithParamInterface<ResolveRow> {};

TEST_P(ResolveRows, FindsNamesInsideTheFolderOnly) {
    const ResolveRow& row = GetParam();
    const auto result = Resolve(QString::fromUtf8(row.Relative));
    if (row.Expected == nullptr) {
        EXPECT_FALSE(result.has_value()) << result.value_or(QString()).toStdString();
    } else {
        ASSERT_TRUE(result.has_value());
        EXPECT_EQ(*result, root_ + u'/' + QString::fromUtf8(row.Expected));
    }
}

const ResolveRow kResolveRows[] = {
    {"Exact", "Back.bmp", "Back.bmp"},
    {"OtherCase", "BACK.BMP", "Back.bmp"},
    {"Backslash", "pics\\eye.bmp", "Pics/Eye.BMP"},
    {"Slash", "Pics/Eye.BMP", "Pics/Eye.BMP"},
    {"DoubledSeparator", "Pics\\\\Eye.BMP", "Pics/Eye.BMP"},
    {"Folder", "pics", "Pics"},
    {"Missing", "gone.bmp", nullptr},
    {"Empty", "", nullptr},
    {"OnlySeparators", "\\/", nullptr},
    {"DotDot", "..\\secret.bmp", nullptr},
    {"DotDotInside", "Pics/../Back.bmp", nullptr},
    {"Dot", "./Back.bmp", nullptr},
    {"Absolute", "/etc/passwd", nullptr},
    {"AbsoluteBackslash", "\\etc\\passwd", nullptr},
    {"DriveLetter", "C:\\Windows\\win.ini", nullptr},
#ifdef Q_OS_WIN
    // Windows' own hazards: each fails like a missing picture.
    {"Device", "CON", nullptr},
    {"DeviceWithExtension", "nul.bmp", nullptr},
    {"DeviceInFolder", "Pics\\com1.bmp", nullptr},
    {"DriveRelative", "C:Back.bmp", nullptr},
    {"Unc", "\\\\server\\share\\Back.bmp", nullptr},
    {"DevicePath", "\\\\?\\C:\\Back.bmp", nullptr},
    {"Stream", "Back.bmp:x", nullptr},
    {"StreamOfData", "Back.bmp::$DATA", nullptr},
    {"TrailingDot", "Back.bmp.", nullptr},
#endif
#ifdef Q_OS_UNIX
    {"LinkInside", "in.bmp", "in.bmp"},
    {"LinkOut", "out.bmp", nullptr},
    {"LinkedFolderOut", "up/secret.bmp", nullptr},
#endif
};

INSTANTIATE_TEST_SUITE_P(Names, ResolveRows, ::testing::ValuesIn(kResolveRows),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(FindEntry, ExactNameWinsOverOtherCase) {
    QTemporaryDir dir;
    ASSERT_TRUE(WriteBytes(dir.path(), "skin", "a"));
    ASSERT_TRUE(WriteBytes(dir.path(), "Skin", "b"));
    EXPECT_EQ(FindEntry(dir.path(), "Skin"), dir.path() + "/Skin");
    EXPECT_EQ(FindEntry(dir.path(), "skin"), dir.path() + "/skin");
    EXPECT_FALSE(FindEntry(dir.path(), "a/b").has_value());
    EXPECT_FALSE(FindEntry(dir.path(), "..").has_value());
}

struct SplitRow {
    const char* Name;
    QByteArray Bytes;
    QStringList Lines;
};

class SplitRows : public ::testing::TestWithParam<SplitRow> {};

TEST_P(SplitRows, EndsLinesAtCrLfLoneCrAndLoneLf) {
    EXPECT_EQ(SplitLines(GetParam().Bytes), GetParam().Lines);
}

const SplitRow kSplitRows[] = {
    {"Empty", "", {}},
    {"NoEnd", "a", {"a"}},
    {"CrLf", "a\r\nb\r\n", {"a", "b"}},
    {"LoneCr", "a\rb", {"a", "b"}},
    {"LoneLf", "a\nb\n", {"a", "b"}},
    {"Mixed", "a\r\n\rb\n\nc", {"a", "", "b", "", "c"}},
    {"LfCrIsTwoEnds", "a\n\rb", {"a", "", "b"}},
    {"BlankLast", "a\n \n", {"a", " "}},
    {"TabsKept", "\ta\t", {"\ta\t"}},
};

INSTANTIATE_TEST_SUITE_P(Bytes, SplitRows, ::testing::ValuesIn(kSplitRows),
                         [](const auto& info) { return std::string(info.param.Name); });

struct DecodeRow {
    const char* Name;
    QByteArray Bytes;
    const char* Utf8Text;
};

class DecodeRows : public ::testing::TestWithParam<DecodeRow> {};

TEST_P(DecodeRows, Utf8WhenValidElseWindows1252) {
    EXPECT_EQ(DecodeText(GetParam().Bytes), QString::fromUtf8(GetParam().Utf8Text));
}

const DecodeRow kDecodeRows[] = {
    {"Ascii", "name=A", "name=A"},
    {"Utf8", "caf\xc3\xa9", "caf\xc3\xa9"},
    {"Utf8ByteOrderMark",
     "\xef\xbb\xbf"
     "a",
     "a"},
    {"Latin1Letter", "caf\xe9", "caf\xc3\xa9"},
    {"EuroSign", "\x80", "\xe2\x82\xac"},
    {"Quotes", "\x93q\x94", "\xe2\x80\x9cq\xe2\x80\x9d"},
    {"UnusedCodesMapToThemselves", "\x81\x8d", "\xc2\x81\xc2\x8d"},
    {"OneBadByteMakesAllWindows1252", "\xc3\xa9 \xe9", "\xc3\x83\xc2\xa9 \xc3\xa9"},
    {"CutUtf8Sequence", "a\xc3", "a\xc3\x83"},
};

INSTANTIATE_TEST_SUITE_P(Bytes, DecodeRows, ::testing::ValuesIn(kDecodeRows),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(ReadRegularFile, ReadsAtMostTheLimit) {
    QTemporaryDir dir;
    ASSERT_TRUE(WriteBytes(dir.path(), "f", "0123456789"));
    EXPECT_EQ(ReadRegularFile(dir.path() + "/f", 4), QByteArray("0123"));
    EXPECT_EQ(ReadRegularFile(dir.path() + "/f", 100), QByteArray("0123456789"));
    EXPECT_FALSE(ReadRegularFile(dir.path() + "/missing", 100).has_value());
    EXPECT_FALSE(ReadRegularFile(dir.path(), 100).has_value());
}

struct SpecialNameRow {
    const char* Name;
    bool Special;
};

class SpecialNames : public ::testing::TestWithParam<SpecialNameRow> {};

TEST_P(SpecialNames, AreTheNamesWindowsTakesForDevicesDrivesAndStreams) {
    EXPECT_EQ(IsWindowsSpecialName(QString::fromUtf8(GetParam().Name)), GetParam().Special);
}

const SpecialNameRow kSpecialNameRows[] = {
    {"CON", true},          {"con", true},       {"Nul.bmp", true},  {"AUX.tar.gz", true},
    {"PRN ", true},         {"CON .txt", true},  {"COM1", true},     {"lpt9.ini", true},
    {"COM\u00B9", true},    {"CONIN$", true},    {"C:", true},       {"C:foo", true},
    {"pic.bmp:x", true},    {"pic.bmp.", true},  {"pic.bmp ", true}, {"COM0", false},
    {"COM10", false},       {"LPT", false},      {"CONSOLE", false}, {"icon.bmp", false},
    {"nul_eye.bmp", false}, {"Back.bmp", false}, {".hidden", false}, {"AUXILIARY.bmp", false},
};

INSTANTIATE_TEST_SUITE_P(Names, SpecialNames, ::testing::ValuesIn(kSpecialNameRows));

#ifdef Q_OS_WIN
TEST(ReadRegularFile, RefusesDevices) {
    for (const char* device : {"NUL", "\\\\.\\NUL", "CONIN$"})
        EXPECT_FALSE(ReadRegularFile(QString::fromUtf8(device), 100).has_value()) << device;
}
#endif

#ifdef Q_OS_UNIX
TEST(ReadRegularFile, RefusesAFifoWithoutBlocking) {
    QTemporaryDir dir;
    const QString fifo = dir.path() + "/fifo";
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_FALSE(ReadRegularFile(fifo, 100).has_value());
}
#endif

} // namespace
} // namespace orbo

namespace orbo {
namespace {

int g_warnings = 0;

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
struct UserSkinsRow {
    const char* Name;
    const char* DataHome; // nullptr: unset
    const char* Expected; // below HOME when relative
};

void PrintTo(const UserSkinsRow& row, std::ostream* os) {
    *os << row.Name;
}

class UserSkinsRows : public ::testing::TestWithParam<UserSkinsRow> {};

TEST_P(UserSkinsRows, XdgDataHomeOrTheDefaultBelowHome) {
    const UserSkinsRow& row = GetParam();
    const QByteArray home = qgetenv("HOME");
    const QByteArray data = qgetenv("XDG_DATA_HOME");
    const bool hadData = qEnvironmentVariableIsSet("XDG_DATA_HOME");
    qputenv("HOME", "/home/someone");
    if (row.DataHome)
        qputenv("XDG_DATA_HOME", row.DataHome);
    else
        qunsetenv("XDG_DATA_HOME");
    const QString folder = UserSkinsFolder();
    const QStringList folders = SkinsFolders(QStringLiteral("/opt/orbo/"), folder);
    qputenv("HOME", home);
    if (hadData)
        qputenv("XDG_DATA_HOME", data);
    else
        qunsetenv("XDG_DATA_HOME");
    EXPECT_EQ(folder, QString::fromUtf8(row.Expected));
    EXPECT_EQ(folders, (QStringList{folder, QStringLiteral("/opt/orbo/Skins")}));
}

INSTANTIATE_TEST_SUITE_P(
    Environment, UserSkinsRows,
    ::testing::Values(UserSkinsRow{"Set", "/data/", "/data/orbo/Skins"},
                      UserSkinsRow{"Unset", nullptr, "/home/someone/.local/share/orbo/Skins"},
                      UserSkinsRow{"Empty", "", "/home/someone/.local/share/orbo/Skins"},
                      UserSkinsRow{"Relative", "data", "/home/someone/.local/share/orbo/Skins"}),
    [](const auto& info) { return std::string(info.param.Name); });
#endif

TEST(FindEntry, ANameWithANulFindsNothingAndDrawsNoWarning) {
    QTemporaryDir dir;
    QFile file(dir.path() + QStringLiteral("/Back.bmp"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    g_warnings = 0;
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString&) { ++g_warnings; });
    const QString withNul = QStringLiteral("Back.bmp") + QChar(0) + QStringLiteral("x");
    EXPECT_FALSE(FindEntry(dir.path(), withNul).has_value());
    EXPECT_FALSE(ResolveInFolder(dir.path(), withNul).has_value());
    qInstallMessageHandler(previous);
    EXPECT_EQ(g_warnings, 0);
}

} // namespace
} // namespace orbo
