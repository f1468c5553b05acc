// A settings store in memory, for tests: keys compared ignoring letter case like the other stores.
#pragma once

#include "platform/system/settings_store.h"

#include <map>

namespace orbo {

class MemorySettingsStore : public SettingsStore {
public:
    QString GetSetting(const QString& application, const QString& section, const QString& key,
                       const QString& defaultValue) override {
        const auto it = Values.find(MakeKey(application, section, key));
        return it == Values.end() ? defaultValue : it->second;
    }
    bool SaveSetting(const QString& application, const QString& section, const QString& key,
                     const QString& value) override {
        Values[MakeKey(application, section, key)] = value;
        return true;
    }
    std::optional<QString> SaveSettings(const QString& application, const QString& section,
                                        const SettingValues& values) override {
        for (const auto& [key, value] : values)
            SaveSetting(application, section, key, value);
        return std::nullopt;
    }

    // application / section / key, in lower case.
    std::map<QString, QString> Values;
    static QString MakeKey(const QString& application, const QString& section, const QString& key) {
        return (application + u'/' + section + u'/' + key).toLower();
    }
};

} // namespace orbo
