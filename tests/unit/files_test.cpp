// How names written in a skin find files, and how a skin's bytes become lines. These are the
// path rules for every picture key and for Skin.ini; the reader's tests do not repeat them.
#include "platform/system/files.h"

#include "skin_pictures.h"

#include <QtCore/QTemporaryDir>

#include <gtest/gtest.h>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace orbo {
namespace {

using testing::WriteBytes;

struct ResolveRow {
    const char* Name;
    const char* Relative;
    const char* Expected; // path below the skin folder, or "" for no result
};

const ResolveRow kResolveRows[] = {
    {"Exact", "Back.bmp", "Back.bmp"},
    {"OtherCase", "BACK.BMP", "Back.bmp"},
    {"Backslash", "pics\\eye.bmp", "Pics/Eye.BMP"},
    {"DoubledSeparator", "Pics\\\\Eye.BMP", "Pics/Eye.BMP"},
    {"Missing", "gone.bmp", ""},
    {"Empty", "", ""},
    {"OnlySeparators", "\\/", ""},
    {"DotDot", "..\\secret.bmp", ""},
    {"DotDotInside", "Pics/../Back.bmp", ""},
    {"Dot", "./Back.bmp", ""},
    {"Absolute", "/etc/passwd", ""},
    {"AbsoluteBackslash", "\\etc\\passwd", ""},
    {"DriveLetter", "C:\\Windows\\win.ini", ""},
#ifdef Q_OS_WIN
    // Windows' own hazards, one of each way in; which names are hazards is the next test's.
    {"DeviceInFolder", "Pics\\com1.bmp", ""},
    {"Unc", "\\\\server\\share\\Back.bmp", ""},
    {"DevicePath", "\\\\?\\C:\\Back.bmp", ""},
#endif
#ifdef Q_OS_UNIX
    {"LinkInside", "in.bmp", "in.bmp"},
    {"LinkOut", "out.bmp", ""},
    {"LinkedFolderOut", "up/secret.bmp", ""},
#endif
};

TEST(ResolveInFolder, FindsNamesInsideTheFolderOnly) {
    QTemporaryDir dir;
    const QString root = dir.path() + "/skin";
    ASSERT_TRUE(WriteBytes(root, "Back.bmp", "x"));
    ASSERT_TRUE(WriteBytes(root, "Pics/Eye.BMP", "x"));
    ASSERT_TRUE(WriteBytes(dir.path(), "secret.bmp", "x"));
#ifdef Q_OS_UNIX
    ASSERT_TRUE(QFile::link(dir.path() + "/secret.bmp", root + "/out.bmp"));
    ASSERT_TRUE(QFile::link(root + "/Back.bmp", root + "/in.bmp"));
    ASSERT_TRUE(QFile::link(dir.path(), root + "/up"));
#endif
    for (const ResolveRow& row : kResolveRows) {
        SCOPED_TRACE(row.Name);
        const QString expected = *row.Expected ? root + u'/' + row.Expected : QString();
        EXPECT_EQ(expected, ResolveInFolder(root, QString::fromUtf8(row.Relative)).value_or(""));
    }
}

TEST(FindEntry, ExactNameWinsOverOtherCase) {
    QTemporaryDir dir;
    ASSERT_TRUE(WriteBytes(dir.path(), "skin", "a"));
    ASSERT_TRUE(WriteBytes(dir.path(), "Skin", "b"));
    EXPECT_EQ(dir.path() + "/Skin", FindEntry(dir.path(), "Skin"));
    EXPECT_EQ(dir.path() + "/skin", FindEntry(dir.path(), "skin"));
    EXPECT_FALSE(FindEntry(dir.path(), "a/b").has_value());
    EXPECT_FALSE(FindEntry(dir.path(), "..").has_value());
    // Qt warns about a NUL in a file name: such a name is refused before it gets there.
    static int warnings = 0;
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString&) { ++warnings; });
    EXPECT_FALSE(FindEntry(dir.path(), QStringLiteral("Skin") + QChar(0)).has_value());
    qInstallMessageHandler(previous);
    EXPECT_EQ(0, warnings);
}

TEST(SplitLines, EndsLinesAtCrLfLoneCrAndLoneLf) {
    const std::pair<QByteArray, QStringList> rows[] = {
        {"", {}},
        {"a\r\n\rb\n\nc", {"a", "", "b", "", "c"}},
        {"a\n\rb", {"a", "", "b"}},
        {"a\n \r\n", {"a", " "}},
        {"\ta\t", {"\ta\t"}},
    };
    for (const auto& [bytes, lines] : rows)
        EXPECT_EQ(lines, SplitLines(bytes)) << bytes.toStdString();
}

TEST(DecodeText, Utf8WhenValidElseWindows1252) {
    const std::pair<QByteArray, const char*> rows[] = {
        {"caf\xc3\xa9", "caf\xc3\xa9"},
        {"\xef\xbb\xbf!", "!"},
        {"\x80", "\xe2\x82\xac"},                       // the first Windows-1252 code
        {"\x81\x8d", "\xc2\x81\xc2\x8d"},               // unused codes map to themselves
        {"\x9f", "\xc5\xb8"},                           // the last one
        {"\xa0\xe9", "\xc2\xa0\xc3\xa9"},               // Latin-1 from here on
        {"\xc3\xa9 \xe9", "\xc3\x83\xc2\xa9 \xc3\xa9"}, // one bad byte: all Windows-1252
        {"a\xc3", "a\xc3\x83"},                         // a cut sequence
    };
    for (const auto& [bytes, text] : rows)
        EXPECT_EQ(QString::fromUtf8(text), DecodeText(bytes)) << bytes.toHex().toStdString();
}

TEST(IsWindowsSpecialName, DevicesDrivesStreamsAndTrimmedNames) {
    const std::pair<const char*, bool> rows[] = {
        {"CON", true},       {"Nul.bmp", true},      {"AUX.tar.gz", true},     {"CON .txt", true},
        {"COM1", true},      {"lpt9.ini", true},     {"COM\u00B9", true},      {"CONIN$", true},
        {"C:", true},        {"pic.bmp:x", true},    {"pic.bmp.", true},       {"pic.bmp ", true},
        {"COM0", false},     {"COM10", false},       {"LPT", false},           {"CONSOLE", false},
        {"icon.bmp", false}, {"nul_eye.bmp", false}, {"AUXILIARY.bmp", false},
    };
    for (const auto& [name, special] : rows)
        EXPECT_EQ(special, IsWindowsSpecialName(QString::fromUtf8(name))) << name;
}

TEST(ReadRegularFile, ReadsAtMostTheLimitAndOnlyRegularFiles) {
    QTemporaryDir dir;
    ASSERT_TRUE(WriteBytes(dir.path(), "f", "0123456789"));
    EXPECT_EQ(QByteArray("012345678"), ReadRegularFile(dir.path() + "/f", 9));
    EXPECT_EQ(QByteArray("0123456789"), ReadRegularFile(dir.path() + "/f", 10));
    EXPECT_FALSE(ReadRegularFile(dir.path() + "/missing", 100).has_value());
    EXPECT_FALSE(ReadRegularFile(dir.path(), 100).has_value());
#ifdef Q_OS_UNIX
    const QString fifo = dir.path() + "/fifo";
    ASSERT_EQ(0, ::mkfifo(QFile::encodeName(fifo).constData(), 0600));
    EXPECT_FALSE(ReadRegularFile(fifo, 100).has_value()); // returns, no writer needed
#endif
#ifdef Q_OS_WIN
    for (const char* device : {"NUL", "\\\\.\\NUL", "CONIN$"})
        EXPECT_FALSE(ReadRegularFile(QString::fromUtf8(device), 100).has_value()) << device;
#endif
}

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
TEST(UserSkinsFolder, XdgDataHomeOrTheDefaultBelowHome) {
    const QByteArray home = qgetenv("HOME");
    const std::optional<QByteArray> data = qEnvironmentVariableIsSet("XDG_DATA_HOME")
                                               ? std::optional(qgetenv("XDG_DATA_HOME"))
                                               : std::nullopt;
    qputenv("HOME", "/home/someone");
    const QString fallback = "/home/someone/.local/share/orbo/Skins";
    const std::pair<const char*, QString> rows[] = {
        {"/data/", "/data/orbo/Skins"}, {nullptr, fallback}, {"", fallback}, {"data", fallback}};
    for (const auto& [set, expected] : rows) {
        SCOPED_TRACE(set ? set : "unset");
        set ? qputenv("XDG_DATA_HOME", set) : qunsetenv("XDG_DATA_HOME");
        EXPECT_EQ(expected, UserSkinsFolder());
    }
    EXPECT_EQ(QStringList({"/u", "/opt/orbo/Skins"}), SkinsFolders("/opt/orbo/", "/u"));
    qputenv("HOME", home);
    data ? qputenv("XDG_DATA_HOME", *data) : qunsetenv("XDG_DATA_HOME");
}
#endif

} // namespace
} // namespace orbo
