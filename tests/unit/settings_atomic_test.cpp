#include "platform/settings_store.h"

#include <QtCore/QFile>
#include <QtCore/QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
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

} // namespace
} // namespace orbo
