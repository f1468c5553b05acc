// The settings store: an INI file on Linux, the registry on Windows, and an in-memory one.
#include "settings_store.h"

#include "platform/system/files.h"
#include "runtime/text.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QDir>
#include <QtCore/QFileInfo>
#include <QtCore/QLockFile>
#include <QtCore/QSaveFile>
#include <QtCore/QStringList>

#if defined(Q_OS_WIN)
#include <QtCore/QSettings>

#include <windows.h>
#endif

namespace orbo {

namespace {

// Settings files are tiny; one much bigger than this is not read (nor written over).
constexpr qint64 kMaxSettingsBytes = 16 * 1024 * 1024;

// Finds the line index range [first, last) of a section's body, or -1 when absent.
std::pair<int, int> FindSection(const QStringList& lines, const QString& section) {
    int first = -1;
    for (int i = 0; i < lines.size(); ++i) {
        const QString t = lines[i].trimmed();
        if (t.startsWith(u'[') && t.endsWith(u']')) {
            if (first >= 0)
                return {first, i};
            if (t.mid(1, t.size() - 2).trimmed().compare(section, Qt::CaseInsensitive) == 0)
                first = i + 1;
        }
    }
    return {first, first >= 0 ? static_cast<int>(lines.size()) : -1};
}

int FindKey(const QStringList& lines, std::pair<int, int> range, const QString& key) {
    for (int i = range.first; i >= 0 && i < range.second; ++i) {
        const qsizetype eq = lines[i].indexOf(u'=');
        if (eq > 0 && lines[i].left(eq).trimmed().compare(key, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

// The file's lines. An empty list when there is no regular file (nothing there, or a FIFO or
// device that holds no settings); no result when a regular file is there but cannot be read
// whole (unreadable, too large): saving over it would lose what it holds.
std::optional<QStringList> ReadLines(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile())
        return QStringList();
    if (info.size() > kMaxSettingsBytes)
        return std::nullopt;
    const auto bytes = ReadRegularFile(path, kMaxSettingsBytes);
    if (!bytes)
        return std::nullopt;
    return SplitLines(*bytes);
}

QString OneLine(QString text) {
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    return text;
}

} // namespace

IniSettingsStore::IniSettingsStore(QString folder, int lockWaitMs)
    : folder_(std::move(folder)), lockWaitMs_(lockWaitMs) {}

QString IniSettingsStore::FilePath(const QString& application) const {
    return folder_ + u'/' + application + QStringLiteral(".ini");
}

QString IniSettingsStore::LockPath(const QString& application) const {
    return FilePath(application) + QStringLiteral(".lock");
}

QString IniSettingsStore::GetSetting(const QString& application, const QString& section,
                                     const QString& key, const QString& defaultValue) {
    const auto read = ReadLines(FilePath(application));
    if (!read)
        return defaultValue;
    const QStringList& lines = *read;
    const int at = FindKey(lines, FindSection(lines, section), key);
    if (at < 0)
        return defaultValue;
    const QString& line = lines[at];
    return line.mid(line.indexOf(u'=') + 1);
}

bool IniSettingsStore::SaveSetting(const QString& application, const QString& section,
                                   const QString& key, const QString& value) {
    return !SaveSettings(application, section, {{key, value}});
}

std::optional<QString> IniSettingsStore::SaveSettings(const QString& application,
                                                      const QString& section,
                                                      const SettingValues& values) {
    QDir().mkpath(folder_);
    // Held from the read to the rename, so the file ends as the last saver's whole set. A lock
    // left by a program that is gone counts as stale at once (its process is checked), and the
    // 30 s age limit frees one whose holder is hung; a lock still not had is done without.
    QLockFile lock(LockPath(application));
    lock.tryLock(lockWaitMs_);

    const QString path = FilePath(application);
    const auto failed = [&path](const QString& reason) {
        return std::optional<QString>(QDir::toNativeSeparators(path) + QStringLiteral(": ") +
                                      reason);
    };
    auto read = ReadLines(path);
    if (!read)
        return failed(QCoreApplication::translate(
            "orbo::SettingsStore", "it cannot be read whole, so it is not written over"));
    QStringList& lines = *read;
    for (const auto& [key, value] : values) {
        const QString entry = key + u'=' + OneLine(value);
        auto range = FindSection(lines, section);
        if (range.first < 0) {
            if (!lines.isEmpty() && !lines.last().trimmed().isEmpty())
                lines.append(QString());
            lines.append(u'[' + section + u']');
            lines.append(entry);
        } else if (const int at = FindKey(lines, range, key); at >= 0) {
            lines[at] = entry;
        } else {
            // After the section's last non-blank line, so blank separators stay where they were.
            int insertAt = range.second;
            while (insertAt > range.first && lines[insertAt - 1].trimmed().isEmpty())
                --insertAt;
            lines.insert(insertAt, entry);
        }
    }
    // QSaveFile writes a temporary file in the same folder, flushes it to disk and renames it.
    // Unbuffered, so that a write the disk refuses fails here rather than inside commit(), which
    // in Qt 6.4 still renames a short file over the good one. A file never committed is removed.
    const QByteArray text = (lines.join(u'\n') + u'\n').toUtf8();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failed(file.errorString());
    // A write cut short (a full disk) gives no reason; writing the rest does.
    for (qint64 done = 0; done < text.size();) {
        const qint64 wrote = file.write(text.constData() + done, text.size() - done);
        if (wrote <= 0)
            return failed(file.errorString());
        done += wrote;
    }
    if (!file.commit())
        return failed(file.errorString());
    return std::nullopt;
}

QString DefaultSettingsFolder() {
    QString folder = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (folder.isEmpty() || !QDir::isAbsolutePath(folder))
        folder = QDir::homePath() + QStringLiteral("/.config");
    return folder;
}

#if defined(Q_OS_WIN)
namespace {

// The registry takes one value at a time. A mutex that every Orbo process of the session shares
// keeps two programs closing at once from interleaving their sets; a holder that died leaves it
// abandoned, which hands it over, and one that hangs is waited for 2 s before saving anyway.
class RegistrySaveLock {
public:
    RegistrySaveLock() : mutex_(::CreateMutexW(nullptr, FALSE, L"Local\\Orbo settings")) {
        if (!mutex_)
            return;
        const DWORD waited = ::WaitForSingleObject(mutex_, 2000);
        owned_ = waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED;
    }
    ~RegistrySaveLock() {
        if (owned_)
            ::ReleaseMutex(mutex_);
        if (mutex_)
            ::CloseHandle(mutex_);
    }
    RegistrySaveLock(const RegistrySaveLock&) = delete;
    RegistrySaveLock& operator=(const RegistrySaveLock&) = delete;

private:
    HANDLE mutex_;
    bool owned_ = false;
};

// The key under which the forms run-time keeps GetSetting values, so stored values carry over.
QString RegistryKey(const QString& application, const QString& section) {
    return QStringLiteral("HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\") +
           application + u'\\' + section;
}

class RegistrySettingsStore : public SettingsStore {
public:
    QString GetSetting(const QString& application, const QString& section, const QString& key,
                       const QString& defaultValue) override {
        QSettings settings(RegistryKey(application, section), QSettings::NativeFormat);
        return settings.value(key, defaultValue).toString();
    }
    bool SaveSetting(const QString& application, const QString& section, const QString& key,
                     const QString& value) override {
        return !SaveSettings(application, section, {{key, value}});
    }
    std::optional<QString> SaveSettings(const QString& application, const QString& section,
                                        const SettingValues& values) override {
        const RegistrySaveLock lock;
        QSettings settings(RegistryKey(application, section), QSettings::NativeFormat);
        for (const auto& [key, value] : values)
            settings.setValue(key, value);
        settings.sync(); // while the lock is held
        // The registry writes each value at once; a refused one leaves an access error here.
        if (settings.status() == QSettings::NoError)
            return std::nullopt;
        return RegistryKey(application, section) + QStringLiteral(": ") +
               qt_error_string(settings.status() == QSettings::AccessError ? ERROR_ACCESS_DENIED
                                                                           : ERROR_BADDB);
    }
};

} // namespace
#endif

QString SettingsLocation(const QString& application, const QString& section) {
#if defined(Q_OS_WIN)
    return RegistryKey(application, section);
#else
    Q_UNUSED(section);
    return IniSettingsStore(DefaultSettingsFolder()).FilePath(application);
#endif
}

std::unique_ptr<SettingsStore> MakeSettingsStore() {
#if defined(Q_OS_WIN)
    return std::make_unique<RegistrySettingsStore>();
#else
    return std::make_unique<IniSettingsStore>(DefaultSettingsFolder());
#endif
}

} // namespace orbo
