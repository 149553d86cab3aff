#pragma once

#include "core/app/settings_store.h"

#include <QString>
#include <memory>

class QSettings;

namespace tonalink {

// The settings store as an INI file through QSettings. Strings are UTF-8 in the
// file and CP932 in memory: a stored text CP932 cannot hold reads as the default;
// bytes that are not valid CP932 are written as a byte array and read back
// unchanged. Integers must be whole decimal 32-bit numbers, else the default.
class QtSettingsStore : public SettingsStore {
public:
    // The user's store: $XDG_CONFIG_HOME/QUILLFERN/Tonalink.ini.
    QtSettingsStore();
    // A store in the given file (tests, portable runs).
    explicit QtSettingsStore(const QString& filePath);
    ~QtSettingsStore() override;

    int32_t readInt(std::string_view section, std::string_view key, int32_t def) override;
    std::string readString(std::string_view section, std::string_view key,
                           std::string_view def) override;
    void writeInt(std::string_view section, std::string_view key, int32_t value) override;
    void writeString(std::string_view section, std::string_view key,
                     std::string_view value) override;

    // Writes pending changes to the file; false when that failed.
    bool sync();
    QString fileName() const;

private:
    explicit QtSettingsStore(std::unique_ptr<QSettings> settings);

    std::unique_ptr<QSettings> m_settings;
};

} // namespace tonalink
