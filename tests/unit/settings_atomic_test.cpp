#include "main/mdl_general.h"
#include "main/settings_io.h"
#include "platform/settings_store.h"

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QLockFile>
#include <QtCore/QTemporaryDir>

#include <gtest/gtest.h>

#include <array>
#include <csignal>
#include <functional>
#include <memory>
#include <sys/wait.h>
#include <unistd.h>

namespace orbo {
namespace {

// A writer killed at any moment leaves either the previous file or the new one, never a part.
TEST(IniSettingsStore, KilledWhileSavingNeverLeavesAHalfWrittenFile) {
    QTemporaryDir dir;
    const QString big(200000, u'x');
    for (int round = 0; round < 12; ++round) {
        SCOPED_TRACE(round);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            IniSettingsStore store(dir.path());
            for (int i = 0;; ++i) {
                store.SaveSetting(kSettingsApp, kSettingsSection, "Big", big);
                store.SaveSetting(kSettingsApp, kSettingsSection, "Count", QString::number(i));
            }
        }
        ::usleep(static_cast<useconds_t>(3000 + round * 1700));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        if (!QFileInfo::exists(dir.path() + QStringLiteral("/Z Orbo.ini")))
            continue; // killed before the first rename
        IniSettingsStore reader(dir.path());
        EXPECT_EQ(big, reader.GetSetting(kSettingsApp, kSettingsSection, "Big", {}));
    }
}

// Two programs closing at the same moment: the file holds one whole set, never a mix of both.
TEST(IniSettingsStore, TwoProgramsSavingAtOnceLeaveOneWholeSet) {
    QTemporaryDir dir;
    std::array<mdlGeneral, 2> sets;
    sets[0].SkinName = QStringLiteral("First");
    sets[0].Speed = 10;
    sets[0].OnTop = sets[0].Blink = true;
    sets[1].SkinName = QStringLiteral("Second");
    sets[1].Speed = 90;
    const auto keysOf = [](SettingsStore& store) {
        QStringList values;
        for (const char* key : {"Left", "Top", "Skin", "Speed", "OnTop", "Blink"})
            values.append(store.GetSetting(kSettingsApp, kSettingsSection, key, "-"));
        return values;
    };
    std::array<QStringList, 2> expected;
    for (std::size_t i = 0; i < 2; ++i) {
        MemorySettingsStore memory;
        WriteStoredSettings(memory, 150.0f * (i + 1), 300.0f * (i + 1), sets[i]);
        expected[i] = keysOf(memory);
    }
    for (int round = 0; round < 200; ++round) {
        int gate[2];
        ASSERT_EQ(::pipe(gate), 0);
        pid_t children[2];
        for (int i = 0; i < 2; ++i) {
            children[i] = ::fork();
            ASSERT_GE(children[i], 0);
            if (children[i] == 0) {
                ::close(gate[1]);
                char c;
                // Both wait here until the gate closes, then save at the same moment.
                while (::read(gate[0], &c, 1) > 0) {
                }
                IniSettingsStore store(dir.path());
                WriteStoredSettings(store, 150.0f * (i + 1), 300.0f * (i + 1),
                                    sets[std::size_t(i)]);
                ::_exit(0);
            }
        }
        ::close(gate[0]);
        ::close(gate[1]);
        for (const pid_t child : children) {
            int status = 0;
            ::waitpid(child, &status, 0);
            ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << round;
        }
        IniSettingsStore reader(dir.path());
        const QStringList stored = keysOf(reader);
        ASSERT_TRUE(stored == expected[0] || stored == expected[1])
            << round << ": " << stored.join(u',').toStdString();
    }
}

// The lock never costs the save: a lock left by a program that is gone is taken over (and so
// removed afterwards), one held by a live program or one that cannot be made is done without.
TEST(IniSettingsStore, SavesWhateverStateTheLockIsIn) {
    struct Row {
        const char* name;
        std::function<void(const QString& lockPath)> prepare;
        bool lockRemains;
    };
    std::unique_ptr<QLockFile> held;
    const Row rows[] = {
        {"no lock", [](const QString&) {}, false},
        {"left by a program that is gone",
         [](const QString& lockPath) {
             const pid_t child = ::fork();
             if (child == 0) {
                 QLockFile lock(lockPath);
                 ::_exit(lock.tryLock(0) ? 0 : 1);
             }
             int status = 0;
             ::waitpid(child, &status, 0);
             ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
             ASSERT_TRUE(QFileInfo::exists(lockPath));
         },
         false},
        {"held by a live program",
         [&held](const QString& lockPath) {
             held = std::make_unique<QLockFile>(lockPath);
             ASSERT_TRUE(held->tryLock(0));
         },
         true},
        {"a folder in its place",
         [](const QString& lockPath) { ASSERT_TRUE(QDir().mkdir(lockPath)); }, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QTemporaryDir dir;
        IniSettingsStore store(dir.path(), 200);
        const QString lockPath = store.LockPath(kSettingsApp);
        row.prepare(lockPath);
        store.SaveSettings(kSettingsApp, kSettingsSection,
                           {{QStringLiteral("Skin"), QStringLiteral("Blue")},
                            {QStringLiteral("Speed"), QStringLiteral("7")}});
        EXPECT_EQ(u"Blue", store.GetSetting(kSettingsApp, kSettingsSection, "Skin", {}));
        EXPECT_EQ(u"7", store.GetSetting(kSettingsApp, kSettingsSection, "Speed", {}));
        EXPECT_EQ(row.lockRemains, QFileInfo::exists(lockPath));
        held.reset();
    }
}

} // namespace
} // namespace orbo
