// The settings file saved whole or not at all: killed writers, held locks, failing saves.
#include "creature/mdl_general.h"
#include "creature/settings_io.h"
#include "platform/system/settings_store.h"

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QLockFile>
#include <QtCore/QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace orbo {
namespace {

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
            mdlGeneral general;
            general.SkinName = QStringLiteral("New");
            const auto failure = WriteStoredSettings(store, 150, 300, general);
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

} // namespace
} // namespace orbo
