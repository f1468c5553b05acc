// A settings store in memory: keys compared ignoring letter case like the other stores.
#include "memory_settings_store.h"

namespace orbo {

QString MemorySettingsStore::MakeKey(const QString& application, const QString& section,
                                     const QString& key) {
    return (application + u'/' + section + u'/' + key).toLower();
}

QString MemorySettingsStore::GetSetting(const QString& application, const QString& section,
                                        const QString& key, const QString& defaultValue) {
    const auto it = Values.find(MakeKey(application, section, key));
    return it == Values.end() ? defaultValue : it->second;
}

bool MemorySettingsStore::SaveSetting(const QString& application, const QString& section,
                                      const QString& key, const QString& value) {
    Values[MakeKey(application, section, key)] = value;
    return true;
}

std::optional<QString> MemorySettingsStore::SaveSettings(const QString& application,
                                                         const QString& section,
                                                         const SettingValues& values) {
    for (const auto& [key, value] : values)
        Values[MakeKey(application, section, key)] = value;
    return std::nullopt;
}

} // namespace orbo
