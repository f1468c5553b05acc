#pragma once

#include <QtCore/QString>

#include <map>
#include <memory>

namespace orbo {

// The per-user store of texts by application, section and key (GetSetting / SaveSetting).
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored text, or defaultValue when the key is missing or cannot be read.
    virtual QString GetSetting(const QString& application, const QString& section,
                               const QString& key, const QString& defaultValue) = 0;
    virtual void SaveSetting(const QString& application, const QString& section, const QString& key,
                             const QString& value) = 0;
};

// Keeps the values in memory only; for tests.
class MemorySettingsStore : public SettingsStore {
public:
    QString GetSetting(const QString& application, const QString& section, const QString& key,
                       const QString& defaultValue) override;
    void SaveSetting(const QString& application, const QString& section, const QString& key,
                     const QString& value) override;

    // application / section / key, keys compared ignoring letter case like the other stores.
    std::map<QString, QString> Values;
    static QString MakeKey(const QString& application, const QString& section, const QString& key);
};

// One INI file per application, "<folder>/<application>.ini", with a [section] group per
// section and "key=value" lines. Values are written unchanged (a line break becomes a space).
// Every save rewrites the file through a temporary file and a rename, so a crash never leaves
// it half-written. A file that cannot be read gives the defaults.
class IniSettingsStore : public SettingsStore {
public:
    explicit IniSettingsStore(QString folder);
    QString GetSetting(const QString& application, const QString& section, const QString& key,
                       const QString& defaultValue) override;
    void SaveSetting(const QString& application, const QString& section, const QString& key,
                     const QString& value) override;

    QString FilePath(const QString& application) const;

private:
    QString folder_;
};

// The store of the platform: the registry key the forms run-time uses on Windows, the INI file
// under $XDG_CONFIG_HOME (default ~/.config) elsewhere.
std::unique_ptr<SettingsStore> MakeSettingsStore();
QString DefaultSettingsFolder();

} // namespace orbo
