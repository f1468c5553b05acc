// Start at login: the entry's Exec quoting, what names this program, the entry on disk.
#include "platform/system/autostart.h"

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QProcess>
#include <QtCore/QStandardPaths>
#include <QtCore/QTemporaryDir>
#include <QtCore/QThread>

#include <gtest/gtest.h>

#if defined(Q_OS_WIN)
#include <windows.h>
#endif

namespace orbo {
namespace {

using namespace Qt::StringLiterals;

// Program paths and their Exec values: quoted when a character the Exec rules reserve asks for
// it, nothing where no desktop would start the path.
struct ExecRow {
    QString Program;
    std::optional<QString> Exec;
};
const ExecRow kExecRows[] = {
    {u"/usr/games/orbo"_s, u"/usr/games/orbo"_s},
    {u"/home/ann/My Programs/orbo"_s, u"\"/home/ann/My Programs/orbo\""_s},
    {u"/home/zoë/Spiele/日本/orbo"_s, u"/home/zoë/Spiele/日本/orbo"_s},
    {u"/tmp/a #b;c&d|e(f)~g*h?<i>/orbo"_s, u"\"/tmp/a #b;c&d|e(f)~g*h?<i>/orbo\""_s},
    {u"/opt/100%/orbo"_s, std::nullopt},
    {u"/tmp/a\"b/orbo"_s, std::nullopt},
    {u"/tmp/a$b/orbo"_s, std::nullopt},
    {u"/tmp/tab\there/orbo"_s, std::nullopt},
    {u"/tmp/not-utf8-\uFFFD/orbo"_s, std::nullopt}};

TEST(Autostart, ExecQuotesThePathAndReadsBack) {
    for (const ExecRow& row : kExecRows) {
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
    EXPECT_FALSE(EntryStarts(u"[Desktop Entry]\nExec=/opt/100%%/orbo\n"_s, u"/opt/100%/orbo"_s))
        << "a path no desktop starts";
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
// Each path's entry is written and `gio launch` runs it; turned off, it is removed. A path no
// desktop would start is refused with the reason and reads as off.
TEST(Autostart, EntryStartsUnderGLib) {
    const QString gio = QStandardPaths::findExecutable(u"gio"_s);
    if (gio.isEmpty())
        GTEST_SKIP() << "needs gio (libglib2.0-bin)";
    for (const ExecRow& row : kExecRows) {
        SCOPED_TRACE(row.Program.toStdString());
        const QTemporaryDir dir;
        const QString program = dir.path() + row.Program;
        QDir().mkpath(QFileInfo(program).path());
        QFile script(program);
        ASSERT_TRUE(script.open(QIODevice::WriteOnly) &&
                    script.write("#!/bin/sh\ntouch \"$0.ran\"\n") > 0 &&
                    script.setPermissions(script.permissions() | QFile::ExeOwner));
        script.close();
        const Autostart autostart(program, dir.filePath(u"config/autostart"_s));
        const auto refused = autostart.Set(true);
        EXPECT_EQ(!row.Exec, refused.has_value());
        EXPECT_EQ(!refused, autostart.Enabled());
        if (refused) {
            EXPECT_TRUE(refused->contains(u"path holds"_s)) << refused->toStdString();
            EXPECT_FALSE(QFile::exists(autostart.EntryPath()));
            continue;
        }
        QProcess run;
        run.start(gio, {u"launch"_s, autostart.EntryPath()});
        EXPECT_TRUE(run.waitForFinished() && run.exitCode() == 0)
            << run.readAllStandardError().data();
        for (int i = 0; i < 100 && !QFile::exists(program + u".ran"_s); ++i)
            QThread::msleep(100);
        EXPECT_TRUE(QFile::exists(program + u".ran"_s)) << "gio launch did not run it";
        ASSERT_EQ(std::nullopt, autostart.Set(false));
        EXPECT_FALSE(QFile::exists(autostart.EntryPath()));
        EXPECT_EQ(std::nullopt, autostart.Set(false)) << "nothing to remove";
    }
}

// An entry that cannot be written or removed says why and changes nothing.
TEST(Autostart, EntryBlockedSaysWhy) {
    const QTemporaryDir config;
    const Autostart autostart(u"/home/zoë/My Orbo/orbo"_s, config.filePath(u"autostart"_s));
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
