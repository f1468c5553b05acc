// What is kept of the user's choices: the stored settings and the INI settings file they live in,
// saved whole or not at all (killed writers, held locks, failing saves); start at login (the
// entry's Exec quoting, what names this program, the entry on disk); and on Windows what an
// installer relies on to reach the running program.
#include "creature/choice_text.h"
#include "creature/choices.h"
#include "creature/stored_choices.h"
#include "memory_settings_store.h"
#include "platform/desktop/desktop.h"
#include "platform/system/autostart.h"
#include "platform/system/settings_store.h"
#include "scripted_desktop.h"

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QLockFile>
#include <QtCore/QProcess>
#include <QtCore/QRegularExpression>
#include <QtCore/QStandardPaths>
#include <QtCore/QTemporaryDir>
#include <QtCore/QThread>
#include <QtCore/QVariant>

#include <gtest/gtest.h>

#include <array>
#include <string_view>
#include <vector>

#if defined(Q_OS_WIN)
#include "platform/system/single_instance.h"

#include <QtCore/QCoreApplication>

#include <windows.h>
#else // POSIX only: forked writers killed by signals (the registry store has no file)
#include <csignal>
#include <functional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace orbo {
namespace {

using namespace Qt::StringLiterals;

constexpr const char* kUnset = nullptr; // nothing stored

// One stored text (or none) and the value it reads as, written back as text. The desktop choices
// are on by default and turned off only by "False" in any case.
TEST(StoredChoices, EachTextGivesItsValue) {
    std::vector<std::array<const char*, 3>> rows = {
        {"Blink", kUnset, "True"},    {"OnTop", kUnset, "True"},   {"Speed", kUnset, "85"},
        {"Skin", kUnset, "< none >"}, {"Left", kUnset, "7680"},    {"Top", kUnset, "5760"},
        {"Blink", "tRuE", "True"},    {"Blink", " True", "False"}, {"Blink", "1", "False"},
        {"OnTop", "False", "False"},  {"Speed", "-5", "0"},        {"Speed", "100", "100"},
        {"Speed", "101", "100"},      {"Speed", "84.5", "84"},     {"Speed", "abc", "85"},
        {"Speed", "1e400", "85"},     {"Skin", "   ", "< none >"}, {"Skin", " My Skin ", "My Skin"},
        {"Left", "-450", "-450"},     {"Left", "12.5", "12.5"},    {"Left", "abc", "7680"},
        {"Left", "491505", "491505"}, {"Left", "491520", "7680"},  {"Left", "-491520", "-491520"},
        {"Left", "-491535", "7680"},  {"Top", "inf", "5760"},      {"Size", kUnset, "100"},
        {"Size", "50", "50"},         {"Size", " 300 ", "300"},    {"Size", "120", "100"},
        {"Size", "2e2", "100"}};
    rows.insert(rows.end(), {{"HideOverFullScreen", kUnset, "True"},
                             {"AllWorkspaces", kUnset, "True"},
                             {"HideOverFullScreen", "fALSE", "False"},
                             {"AllWorkspaces", "False", "False"},
                             {"AllWorkspaces", " False", "True"},
                             {"ClickThrough", kUnset, "False"},
                             {"ClickThrough", "tRUE", "True"},
                             {"ClickThrough", "yes", "False"},
                             {"HotKey", kUnset, "Ctrl+Alt+O"},
                             {"HotKey", " shift+f9", " shift+f9"},
                             {"PointerNotice", kUnset, "True"},
                             {"PointerNotice", "FALSE", "False"},
                             {"PointerNotice", "no", "True"},
                             {"DozeAfter", kUnset, "5"},
                             {"DozeAfter", "0", "0"},
                             {"DozeAfter", " 0.05", "0.05"},
                             {"DozeAfter", "0,5", "5"},
                             {"DozeAfter", "-1", "5"},
                             {"DozeAfter", "10081", "5"},
                             {"DozeAfter", "nan", "5"}});
    ScriptedDesktop desk;
    desk.Screen = QSize(1024, 768);
    for (const auto& [key, text, expected] : rows) {
        SCOPED_TRACE(::testing::Message() << key << "=" << (text ? text : "(none)"));
        MemorySettingsStore store;
        if (text)
            store.SaveSetting(kSettingsApp, kSettingsSection, key, text);
        Choices choices;
        ReadChoices(store, desk, choices);
        MemorySettingsStore written;
        ASSERT_FALSE(WriteChoices(written, choices));
        EXPECT_EQ(QString::fromUtf8(expected),
                  written.GetSetting(kSettingsApp, kSettingsSection, key, u"(missing)"_s));
    }
}

// A position written under one language's numbers reads back the same under another's: the
// settings file stays when the user changes language.
TEST(UserLocaleSingleText, ReadsBackUnderEveryLanguage) {
    std::vector<QLocale> locales;
    for (const char* name : {"C", "en", "de", "fr", "es", "ar_EG", "fa_IR"})
        locales.emplace_back(QString::fromLatin1(name));
    for (const float value : {7680.0f, -450.0f, 12.5f, 8571.429f, -1234.567f}) {
        for (const QLocale& writer : locales) {
            const QString text = UserLocaleSingleText(value, writer);
            EXPECT_FALSE(text.contains(QRegularExpression(QStringLiteral("[^-0-9.,\u066B]"))))
                << text.toStdString() << " from " << writer.name().toStdString();
            for (const QLocale& reader : locales) {
                float read = 0;
                EXPECT_TRUE(UserLocaleTextToSingle(text, read, reader) && read == value)
                    << text.toStdString() << " from " << writer.name().toStdString() << " in "
                    << reader.name().toStdString();
            }
        }
    }
    // What earlier versions wrote under Arabic and Persian numbers reads back too.
    const std::pair<const char*, float> rows[] = {
        {"٣٠٠٧٫٥", 3007.5f}, {"۳۰۰۰", 3000}, {"\u061C-٤٥٠", -450}, {"\u200E−۱٬۲۰۰", -1200}};
    for (const auto& [text, expected] : rows) {
        float read = 0;
        EXPECT_TRUE(UserLocaleTextToSingle(QString::fromUtf8(text), read, QLocale::c()) &&
                    read == expected)
            << expected;
    }
}

// A hot key needs Ctrl, Alt or Meta, or is a function key: a plain key would be taken from typing.
TEST(HotKeyFromText, NamesOneKeyHeldWithAModifier) {
    const std::vector<std::pair<const char*, QKeyCombination>> rows = {
        {"Ctrl+Alt+O", Qt::CTRL | Qt::ALT | Qt::Key_O},
        {" ctrl+alt+o ", Qt::CTRL | Qt::ALT | Qt::Key_O},
        {"Meta+Shift+1", Qt::META | Qt::SHIFT | Qt::Key_1},
        {"F9", QKeyCombination(Qt::Key_F9)},
        {"O", {}},
        {"Shift+O", {}},
        {"Ctrl+Alt", {}},
        {"Ctrl+Alt+O, Ctrl+X", {}},
        {"Ctrl+Alt+Nokey", {}},
        {"Ctrl+Alt+!", Qt::CTRL | Qt::ALT | Qt::Key_Exclam},
        {"Ctrl+Alt+\u00E9", Qt::CTRL | Qt::ALT | Qt::Key_Eacute},
        {"Ctrl+Alt+\u0131", {}}, // the dotless i, which Qt would read as I
        {"", {}}};
    for (const auto& [text, expected] : rows) {
        SCOPED_TRACE(text);
        EXPECT_EQ(expected, HotKeyFromText(QString::fromUtf8(text)).value_or(QKeyCombination()));
    }
}

// Written and read back through the file; keys are found in any case.
TEST(IniSettingsStore, KeepsItsKeysInTheSettingGroupOfTheApplicationsFile) {
    QTemporaryDir dir;
    IniSettingsStore store(dir.path());
    Choices general;
    general.SkinName = QStringLiteral("a;b=c");
    general.Speed = 42;
    general.OnTop = true;
    general.AllWorkspaces = true;
    general.Size = 150;
    general.HotKey = QStringLiteral("Meta+F1");
    general.Left = 15;
    general.Top = -30;
    WriteChoices(store, general);
    QFile file(dir.path() + QStringLiteral("/Z Orbo.ini"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(u"[Setting]\nLeft=15\nTop=-30\nSkin=a;b=c\nSpeed=42\nOnTop=True\nBlink=False\n"
              u"HideOverFullScreen=False\nAllWorkspaces=True\nClickThrough=False\nSize=150\n"
              u"HotKey=Meta+F1\nPointerNotice=True\nDozeAfter=5\n",
              QString::fromUtf8(file.readAll()));
    IniSettingsStore again(dir.path());
    EXPECT_EQ(u"a;b=c", again.GetSetting(kSettingsApp, kSettingsSection, "skin", {}));
}

TEST(IniSettingsStore, KeepsOtherSectionsAndLinesOfAnEditedFile) {
    QTemporaryDir dir;
    QFile file(dir.path() + QStringLiteral("/Z Orbo.ini"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("; my notes\r\n[Other]\r\nLeft=1\r\n\r\n[setting]\r\nSpeed= 7\r\n");
    file.close();
    IniSettingsStore store(dir.path());
    EXPECT_EQ(u" 7", store.GetSetting(kSettingsApp, kSettingsSection, "Speed", {}));
    EXPECT_EQ(u"none", store.GetSetting(kSettingsApp, kSettingsSection, "Left", "none"));
    store.SaveSetting(kSettingsApp, kSettingsSection, QStringLiteral("Left"), QStringLiteral("9"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(u"; my notes\n[Other]\nLeft=1\n\n[setting]\nSpeed= 7\nLeft=9\n",
              QString::fromUtf8(file.readAll()));
}

#ifndef Q_OS_WIN
// Runs `body` in a forked child that then exits; the child's id.
pid_t Spawn(const std::function<void()>& body) {
    const pid_t child = ::fork();
    if (child == 0) {
        body();
        ::_exit(0);
    }
    return child;
}

// Waits for the child; its exit status, or -1 when it did not end by itself.
int ExitStatus(pid_t child) {
    int status = 0;
    return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status)
               ? WEXITSTATUS(status)
               : -1;
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// A writer killed at any moment leaves either the previous file or the new one, never a part.
TEST(IniSettingsStore, KilledWhileSavingNeverLeavesAHalfWrittenFile) {
    QTemporaryDir dir;
    const QString big(200000, u'x');
    for (int round = 0; round < 12; ++round) {
        SCOPED_TRACE(round);
        const pid_t child = Spawn([&] {
            IniSettingsStore store(dir.path());
            for (int i = 0;; ++i) {
                store.SaveSetting(kSettingsApp, kSettingsSection, "Big", big);
                store.SaveSetting(kSettingsApp, kSettingsSection, "Count", QString::number(i));
            }
        });
        ASSERT_GT(child, 0);
        ::usleep(static_cast<useconds_t>(3000 + round * 1700));
        ::kill(child, SIGKILL);
        EXPECT_NE(0, ExitStatus(child));
        if (!QFileInfo::exists(dir.path() + QStringLiteral("/Z Orbo.ini")))
            continue; // killed before the first rename
        IniSettingsStore reader(dir.path());
        EXPECT_EQ(big, reader.GetSetting(kSettingsApp, kSettingsSection, "Big", {}));
    }
}

// The lock never costs the save: a lock left by a program that is gone is taken over (and so
// removed afterwards), one held by a live program or one that cannot be made is done without.
TEST(IniSettingsStore, SavesWhateverStateTheLockIsIn) {
    enum Lock { None, LeftByTheGone, HeldByTheLiving, AFolder };
    const std::pair<const char*, Lock> rows[] = {{"left by a program that is gone", LeftByTheGone},
                                                 {"held by a live program", HeldByTheLiving},
                                                 {"a folder in its place", AFolder}};
    for (const auto& [name, lock] : rows) {
        SCOPED_TRACE(name);
        QTemporaryDir dir;
        IniSettingsStore store(dir.path(), 200);
        const QString lockPath = store.LockPath(kSettingsApp);
        QLockFile held(lockPath);
        if (lock == LeftByTheGone) {
            ASSERT_EQ(0, ExitStatus(Spawn([&held] {
                          if (!held.tryLock(0))
                              ::_exit(1);
                      })));
        } else if (lock == HeldByTheLiving) {
            ASSERT_TRUE(held.tryLock(0));
        } else if (lock == AFolder) {
            ASSERT_TRUE(QDir().mkdir(lockPath));
        }
        store.SaveSetting(kSettingsApp, kSettingsSection, QStringLiteral("Skin"), "Blue");
        EXPECT_EQ(u"Blue", store.GetSetting(kSettingsApp, kSettingsSection, "Skin", {}));
        EXPECT_EQ(lock == HeldByTheLiving || lock == AFolder, QFileInfo::exists(lockPath));
    }
}

// A failed save leaves the file as it was, no temporary file beside it, and says it failed. Each
// save runs in a child, as another user where the test runs as root, who may write anything.
TEST(IniSettingsStore, ASaveThatFailsLeavesTheFileAsItWas) {
    enum Trouble { ReadOnlyFile, ReadOnlyFolder, AFolder, TooLarge };
    const std::pair<const char*, Trouble> rows[] = {{"a read-only settings file", ReadOnlyFile},
                                                    {"a read-only settings folder", ReadOnlyFolder},
                                                    {"a folder in the file's place", AFolder},
                                                    {"a file too large to read", TooLarge}};
    const bool root = ::geteuid() == 0;
    constexpr uid_t kNobody = 65534;
    for (const auto& [name, trouble] : rows) {
        SCOPED_TRACE(name);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Z Orbo.ini"));
        const QByteArray old = trouble == TooLarge
                                   ? "[Setting]\nSkin=Kept\n; " + QByteArray(17 << 20, 'x')
                                   : "; mine\n[Setting]\nLeft=15\nTop=30\nSkin=Kept\nSpeed=5\n";
        if (trouble == AFolder) {
            ASSERT_TRUE(QDir().mkdir(path));
        } else {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(old) == old.size());
        }
        // Another user, when root, sees the file or the folder as read-only.
        const bool asNobody = root && (trouble == ReadOnlyFile || trouble == ReadOnlyFolder);
        const QByteArray folder = QFile::encodeName(dir.path());
        const QByteArray file = QFile::encodeName(path);
        if (trouble == ReadOnlyFile) {
            ASSERT_EQ(0, root ? ::chown(folder, kNobody, kNobody) : ::chmod(file, 0444));
        }
        if (trouble == ReadOnlyFolder) {
            ASSERT_EQ(0, root ? ::chown(file, kNobody, kNobody) : 0);
            ASSERT_EQ(0, ::chmod(folder, 0555));
        }
        const QStringList entries = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden);

        const int status = ExitStatus(Spawn([&] {
            if (asNobody && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0))
                ::_exit(3);
            IniSettingsStore store(dir.path(), 100);
            Choices general;
            general.SkinName = QStringLiteral("New");
            general.Left = 150;
            general.Top = 300;
            const auto failure = WriteChoices(store, general);
            ::_exit(!failure ? 0 : failure->startsWith(path + QStringLiteral(": ")) ? 1 : 2);
        }));
        ::chmod(folder, 0700);
        EXPECT_EQ(1, status) << "the save did not report its failure, naming the file";
        if (trouble == AFolder)
            EXPECT_TRUE(QFileInfo(path).isDir());
        else
            EXPECT_TRUE(Contents(path) == old) << Contents(path).left(200).toStdString();
        EXPECT_EQ(entries, QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden));
    }
}
#endif

// Program paths and their Exec values: quoted when a character the Exec rules reserve asks for
// it, nothing where no desktop would start the path.
const struct ExecRow {
    QString Program;
    std::optional<QString> Exec;
} kExecRows[] = {{u"/usr/games/orbo"_s, u"/usr/games/orbo"_s},
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

#if defined(Q_OS_WIN)
// The first program's hidden window, found by its class and title, takes WM_APP + 1 as
// BringBack and WM_CLOSE as Exit, each run once from the event loop however often it was asked
// meanwhile; a later claim in the session hands over to it.
TEST(SingleInstance, WindowTakesBringBackAndExit) {
    int argc = 0;
    const QCoreApplication app(argc, nullptr);
    SingleInstance first;
    ASSERT_EQ(std::nullopt, first.Claim());
    int bringBacks = 0;
    int exits = 0;
    first.OnBringBack([&] { ++bringBacks; });
    first.OnExit([&] { ++exits; });
    HWND window = ::FindWindowW(L"OrboInstanceWindow", L"Orbo");
    ASSERT_NE(nullptr, window);
    EXPECT_FALSE(::IsWindowVisible(window));
    EXPECT_EQ(0, ::SendMessageW(window, WM_APP + 1, 0, 0));
    EXPECT_EQ(0, ::SendMessageW(window, WM_APP + 1, 0, 0)); // joins the one waiting
    EXPECT_EQ(0, ::SendMessageW(window, WM_CLOSE, 0, 0));
    EXPECT_EQ(0, bringBacks + exits) << "ran inside the sender's call";
    QCoreApplication::processEvents();
    EXPECT_EQ(1, bringBacks);
    EXPECT_EQ(1, exits);
    EXPECT_EQ(std::optional<int>(0), SingleInstance().Claim());
    QCoreApplication::processEvents();
    EXPECT_EQ(2, bringBacks);
}
#endif

} // namespace
} // namespace orbo
