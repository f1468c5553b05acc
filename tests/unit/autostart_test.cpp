// Start at login: the entry's Exec quoting, what names this program, the entry on disk.
#include "platform/autostart.h"

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QTemporaryDir>

#include <gtest/gtest.h>

#if defined(Q_OS_WIN)
#include <windows.h>
#endif

namespace orbo {
namespace {

using namespace Qt::StringLiterals;

// The Exec value for a program's path, read back to the same path. Reserved characters quote
// the path, '%' is doubled everywhere, and the string escapes double every backslash left.
TEST(Autostart, ExecQuotesThePathAndReadsBack) {
    struct Row {
        QString Program;
        std::optional<QString> Exec;
    };
    const Row rows[] = {
        {u"/usr/games/orbo"_s, u"/usr/games/orbo"_s},
        {u"/home/ann/My Programs/orbo"_s, u"\"/home/ann/My Programs/orbo\""_s},
        {u"/home/zoë/Spiele/日本/orbo"_s, u"/home/zoë/Spiele/日本/orbo"_s},
        {u"/opt/100%/orbo"_s, u"/opt/100%%/orbo"_s},
        {u"/home/ann/it's/orbo"_s, u"\"/home/ann/it's/orbo\""_s},
        {u"/tmp/a\"b$c`d\\e/orbo"_s, u"\"/tmp/a\\\\\"b\\\\$c\\\\`d\\\\\\\\e/orbo\""_s},
        {u"/tmp/50% off (new)/orbo"_s, u"\"/tmp/50%% off (new)/orbo\""_s},
        {u"/tmp/tab\there/orbo"_s, u"\"/tmp/tab\\there/orbo\""_s},
        {u"/tmp/bell\x07/orbo"_s, std::nullopt},
        {u"/tmp/not-utf8-\uFFFD/orbo"_s, std::nullopt}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Program.toStdString());
        EXPECT_EQ(row.Exec, DesktopExec(row.Program));
        if (row.Exec) {
            EXPECT_EQ(row.Program, ExecProgram(*row.Exec + u" --an-argument"_s));
        }
    }
}

// Which desktop entries start this program at login.
TEST(Autostart, EntryStartsOnlyThisProgramWhenEnabled) {
    const QString program = u"/opt/My Orbo/orbo"_s;
    const QString ours = AutostartEntry(program);
    const struct {
        const char* Name;
        QString Text;
        bool Starts;
    } rows[] = {{"ours", ours, true},
                {"an older install", AutostartEntry(u"/usr/games/orbo"_s), false},
                {"hidden", ours + u"Hidden=true\n"_s, false},
                {"disabled in GNOME", ours + u"X-GNOME-Autostart-enabled=false\n"_s, false},
                {"enabled in GNOME", ours + u"X-GNOME-Autostart-enabled=true\n"_s, true},
                {"blanks, arguments, another spelling",
                 u"[Desktop Entry]\nExec = \"/opt/My Orbo/./orbo\" --quiet\n"_s, true},
                {"in another group",
                 u"[Desktop Entry]\nName=Orbo\n[Desktop Action x]\n"
                 "Exec=\"/opt/My Orbo/orbo\"\n"_s,
                 false},
                {"commented out", u"[Desktop Entry]\n#Exec=\"/opt/My Orbo/orbo\"\n"_s, false},
                {"unclosed quote", u"[Desktop Entry]\nExec=\"/opt/My Orbo/orbo\n"_s, false},
                {"unquoted blank", u"[Desktop Entry]\nExec=/opt/My Orbo/orbo\n"_s, false}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(row.Starts, EntryStarts(row.Text, program));
    }
}

// Which Run values start this program: Windows ignores letter case and takes either slash.
TEST(Autostart, RunValueNamesThisProgram) {
    const QString program = u"C:/Program Files/Orbo/orbo.exe"_s;
    EXPECT_EQ(u"\"C:\\Program Files\\Orbo\\orbo.exe\""_s, RunValue(program));
    const struct {
        QString Value;
        bool Starts;
    } rows[] = {{RunValue(program), true},
                {u"\"c:\\program files\\orbo\\ORBO.EXE\" --quiet"_s, true},
                {u"C:\\Program Files\\Orbo\\orbo.exe --quiet"_s, true},
                {u"\"C:\\Old\\orbo.exe\""_s, false},
                {u"\"C:\\Program Files\\Orbo\\orbo.exe.bak\""_s, false},
                {QString(), false}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Value.toStdString());
        EXPECT_EQ(row.Starts, RunValueStarts(row.Value, program));
    }
}

#if defined(Q_OS_WIN)
// The user's own Run value, as Windows' own calls read it; restored at the end.
class RunValueGuard {
public:
    RunValueGuard() : saved_(Read()) {}
    ~RunValueGuard() {
        Write(kRun, saved_);
        Write(kApproved, std::nullopt);
    }
    static std::optional<std::wstring> Read() {
        wchar_t data[2048];
        DWORD size = sizeof data;
        if (::RegGetValueW(HKEY_CURRENT_USER, kRun, L"Orbo", RRF_RT_REG_SZ, nullptr, data, &size) !=
            ERROR_SUCCESS)
            return std::nullopt;
        return std::wstring(data);
    }
    // A string value, or a binary one of these bytes; none removes it.
    static void Write(const wchar_t* key, const std::optional<std::wstring>& text,
                      const std::vector<BYTE>& bytes = {}) {
        HKEY handle = nullptr;
        ::RegCreateKeyExW(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &handle,
                          nullptr);
        if (text)
            ::RegSetValueExW(handle, L"Orbo", 0, REG_SZ,
                             reinterpret_cast<const BYTE*>(text->c_str()),
                             DWORD((text->size() + 1) * sizeof(wchar_t)));
        else if (!bytes.empty())
            ::RegSetValueExW(handle, L"Orbo", 0, REG_BINARY, bytes.data(), DWORD(bytes.size()));
        else
            ::RegDeleteValueW(handle, L"Orbo");
        ::RegCloseKey(handle);
    }
    static constexpr const wchar_t* kRun = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
    static constexpr const wchar_t* kApproved =
        L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run";

private:
    std::optional<std::wstring> saved_;
};

// Turning start at login on writes the quoted path under Run, and off removes it; a value the
// user disabled in Task Manager, or one naming an older install, reads as off.
TEST(Autostart, RunValueWrittenAndRemoved) {
    const RunValueGuard guard;
    const Autostart autostart(u"C:/Program Files/Orbo/orbo.exe"_s, QString());
    ASSERT_EQ(std::nullopt, autostart.Set(true));
    EXPECT_EQ(std::wstring(L"\"C:\\Program Files\\Orbo\\orbo.exe\""), RunValueGuard::Read());
    EXPECT_TRUE(autostart.Enabled());
    RunValueGuard::Write(RunValueGuard::kApproved, std::nullopt,
                         {3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_FALSE(autostart.Enabled()) << "disabled in Task Manager";
    ASSERT_EQ(std::nullopt, autostart.Set(true));
    EXPECT_TRUE(autostart.Enabled()) << "turned on again";
    RunValueGuard::Write(RunValueGuard::kRun, L"\"C:\\Old\\orbo.exe\"");
    EXPECT_FALSE(autostart.Enabled()) << "an older install";
    ASSERT_EQ(std::nullopt, autostart.Set(false));
    EXPECT_EQ(std::nullopt, RunValueGuard::Read());
    EXPECT_FALSE(autostart.Enabled());
    EXPECT_EQ(std::nullopt, autostart.Set(false)) << "nothing to remove";
}
#else
// The entry is written whole, read back, and removed; one that cannot be written or removed says
// why and changes nothing.
TEST(Autostart, EntryWrittenAndRemoved) {
    const QTemporaryDir config;
    const QString folder = config.filePath(u"autostart"_s);
    const Autostart autostart(u"/home/zoë/My Orbo/orbo"_s, folder);
    EXPECT_FALSE(autostart.Enabled());
    ASSERT_EQ(std::nullopt, autostart.Set(true));
    EXPECT_TRUE(autostart.Enabled());
    EXPECT_EQ(QStringList({u"orbo.desktop"_s}), QDir(folder).entryList(QDir::Files | QDir::Hidden));

    QFile older(autostart.EntryPath());
    ASSERT_TRUE(older.open(QIODevice::WriteOnly) &&
                older.write(AutostartEntry(u"/usr/games/orbo"_s).toUtf8()) > 0);
    older.close();
    EXPECT_FALSE(autostart.Enabled()) << "an older install";
    ASSERT_EQ(std::nullopt, autostart.Set(true));
    EXPECT_TRUE(autostart.Enabled()) << "made to name this program";
    ASSERT_EQ(std::nullopt, autostart.Set(false));
    EXPECT_FALSE(QFile::exists(autostart.EntryPath()));
    EXPECT_EQ(std::nullopt, autostart.Set(false)) << "nothing to remove";

    // A folder in place of the entry can be neither replaced nor removed.
    ASSERT_TRUE(QDir().mkpath(autostart.EntryPath() + u"/inside"_s));
    for (const bool on : {true, false}) {
        const auto reason = autostart.Set(on);
        ASSERT_TRUE(reason.has_value()) << on;
        EXPECT_TRUE(reason->contains(u"orbo.desktop"_s)) << reason->toStdString();
        EXPECT_TRUE(QDir(autostart.EntryPath() + u"/inside"_s).exists());
    }
    // A file in place of the folder.
    const Autostart blocked(autostart.Program(), config.filePath(u"file"_s));
    QFile file(config.filePath(u"file"_s));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    EXPECT_TRUE(blocked.Set(true).has_value());
    EXPECT_FALSE(blocked.Enabled());
}
#endif

} // namespace
} // namespace orbo
