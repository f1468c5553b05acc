// The per-user settings store: an INI file on Linux, the registry on Windows.
#pragma once

#include <QtCore/QString>

#include <map>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace orbo {

// Keys and their texts, in the order they are written.
using SettingValues = std::vector<std::pair<QString, QString>>;

// The per-user store of texts by application, section and key (GetSetting / SaveSetting).
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored text, or defaultValue when the key is missing or cannot be read.
    virtual QString GetSetting(const QString& application, const QString& section,
                               const QString& key, const QString& defaultValue) = 0;
    // Whether the value was stored.
    virtual bool SaveSetting(const QString& application, const QString& section, const QString& key,
                             const QString& value) = 0;
    // Saves the values as one set: a reader, or another program saving its own set at the same
    // moment, sees either all of them or none. Nothing when all of them were stored, else why not:
    // the file (or registry key) and the system's reason. A save that fails leaves what was
    // stored before.
    virtual std::optional<QString> SaveSettings(const QString& application, const QString& section,
                                                const SettingValues& values) = 0;
};

// One INI file per application, "<folder>/<application>.ini", with a [section] group per
// section and "key=value" lines. Values are written unchanged (a line break becomes a space).
// Every save rewrites the file through a temporary file and a rename, so a crash never leaves
// it half-written, under a lock file beside it ("<application>.ini.lock") that every program of
// the user takes, so that two programs saving at once do not interleave their rewrites. The
// lock never stops a save: a lock whose holder is gone is taken over, and one that cannot be
// had within lockWaitMs (a live holder, a read-only folder) is done without. A file that cannot be
// read gives the defaults, and one that cannot be read whole is not written over. A save that
// cannot write the whole new file (a full disk, a read-only file or folder) leaves the old one as
// it was and reports the failure.
class IniSettingsStore : public SettingsStore {
public:
    explicit IniSettingsStore(QString folder, int lockWaitMs = 2000);
    QString GetSetting(const QString& application, const QString& section, const QString& key,
                       const QString& defaultValue) override;
    bool SaveSetting(const QString& application, const QString& section, const QString& key,
                     const QString& value) override;
    std::optional<QString> SaveSettings(const QString& application, const QString& section,
                                        const SettingValues& values) override;

    QString FilePath(const QString& application) const;
    QString LockPath(const QString& application) const;

private:
    QString folder_;
    int lockWaitMs_;
};

// The store of the platform: the registry key the forms run-time uses on Windows, the INI file
// under $XDG_CONFIG_HOME (default ~/.config) elsewhere.
std::unique_ptr<SettingsStore> MakeSettingsStore();
QString DefaultSettingsFolder();
// Where that store keeps a section, for people to read: the file or the registry key.
QString SettingsLocation(const QString& application, const QString& section);

} // namespace orbo
