// A settings store in memory, for tests.
#pragma once

#include "platform/system/settings_store.h"

#include <map>

namespace orbo {

// Keeps the values in memory only.
class MemorySettingsStore : public SettingsStore {
public:
    QString GetSetting(const QString& application, const QString& section, const QString& key,
                       const QString& defaultValue) override;
    bool SaveSetting(const QString& application, const QString& section, const QString& key,
                     const QString& value) override;
    std::optional<QString> SaveSettings(const QString& application, const QString& section,
                                        const SettingValues& values) override;

    // application / section / key, keys compared ignoring letter case like the other stores.
    std::map<QString, QString> Values;
    static QString MakeKey(const QString& application, const QString& section, const QString& key);
};

} // namespace orbo
