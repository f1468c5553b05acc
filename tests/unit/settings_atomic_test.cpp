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
    const QString app = QStringLiteral("Z Orbo");
    const QString path = dir.path() + QStringLiteral("/Z Orbo.ini");
    const QString big(200000, u'x');
    for (int round = 0; round < 12; ++round) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            IniSettingsStore store(dir.path());
            for (int i = 0;; ++i) {
                store.SaveSetting(app, QStringLiteral("Setting"), QStringLiteral("Big"), big);
                store.SaveSetting(app, QStringLiteral("Setting"), QStringLiteral("Count"),
                                  QString::number(i));
            }
        }
        ::usleep(static_cast<useconds_t>(3000 + round * 1700));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        QFile file(path);
        if (!file.exists())
            continue; // killed before the first rename
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        ASSERT_TRUE(text.startsWith("[Setting]\n")) << round;
        ASSERT_TRUE(text.endsWith("\n")) << round;
        IniSettingsStore reader(dir.path());
        EXPECT_EQ(reader.GetSetting(app, QStringLiteral("Setting"), QStringLiteral("Big"), {}), big)
            << round;
    }
}

// Two programs closing at the same moment: the file holds one whole set, never a mix of both.
TEST(IniSettingsStore, TwoProgramsSavingAtOnceLeaveOneWholeSet) {
    QTemporaryDir dir;
    const std::array<mdlGeneral, 2> sets = [] {
        std::array<mdlGeneral, 2> s;
        s[0].SkinName = QStringLiteral("First");
        s[0].Speed = 10;
        s[0].OnTop = s[0].Blink = true;
        s[1].SkinName = QStringLiteral("Second");
        s[1].Speed = 90;
        s[1].OnTop = s[1].Blink = false;
        return s;
    }();
    const auto keysOf = [](SettingsStore& store) {
        QStringList values;
        for (const char* key : {"Left", "Top", "Skin", "Speed", "OnTop", "Blink"})
            values.append(store.GetSetting(kSettingsApp, kSettingsSection, QString::fromLatin1(key),
                                           QStringLiteral("-")));
        return values;
    };
    std::array<QStringList, 2> expected;
    for (int i = 0; i < 2; ++i) {
        MemorySettingsStore memory;
        WriteStoredSettings(memory, 150.0f * (i + 1), 300.0f * (i + 1), sets[std::size_t(i)]);
        expected[std::size_t(i)] = keysOf(memory);
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
        QTemporaryDir dir;
        IniSettingsStore store(dir.path(), 200);
        const QString lockPath = store.LockPath(kSettingsApp);
        row.prepare(lockPath);
        store.SaveSettings(kSettingsApp, kSettingsSection,
                           {{QStringLiteral("Skin"), QStringLiteral("Blue")},
                            {QStringLiteral("Speed"), QStringLiteral("7")}});
        EXPECT_EQ(store.GetSetting(kSettingsApp, kSettingsSection, QStringLiteral("Skin"), {}),
                  u"Blue")
            << row.name;
        EXPECT_EQ(store.GetSetting(kSettingsApp, kSettingsSection, QStringLiteral("Speed"), {}),
                  u"7")
            << row.name;
        EXPECT_EQ(QFileInfo::exists(lockPath), row.lockRemains) << row.name;
        held.reset();
    }
}

} // namespace
} // namespace orbo
