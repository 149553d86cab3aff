#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>

namespace tonalink {

// Frame bar visibility, kept by the frame itself rather than with the other settings.
struct BarSet {
    int32_t ToolBar = 1;
    int32_t StatusBar = 1;
};

// The per-user store of named sections holding named integers and strings
// (strings as CP932 bytes). Reads never fail: a missing or unreadable value
// yields the default. Writes report nothing.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    virtual int32_t readInt(std::string_view section, std::string_view key, int32_t def) = 0;
    virtual std::string readString(std::string_view section, std::string_view key,
                                   std::string_view def) = 0;
    virtual void writeInt(std::string_view section, std::string_view key, int32_t value) = 0;
    virtual void writeString(std::string_view section, std::string_view key,
                             std::string_view value) = 0;

    BarSet readBarSet();
    void writeBarSet(const BarSet& bars);
};

// A store in memory, for tests and for runs that must not touch the user's file.
class MemorySettingsStore : public SettingsStore {
public:
    using Key = std::pair<std::string, std::string>; // section, key
    struct Value {
        bool isInt = false;
        int32_t number = 0;
        std::string text;
    };

    int32_t readInt(std::string_view section, std::string_view key, int32_t def) override;
    std::string readString(std::string_view section, std::string_view key,
                           std::string_view def) override;
    void writeInt(std::string_view section, std::string_view key, int32_t value) override;
    void writeString(std::string_view section, std::string_view key,
                     std::string_view value) override;

    const std::map<Key, Value>& values() const { return m_values; }

private:
    std::map<Key, Value> m_values;
};

} // namespace tonalink
