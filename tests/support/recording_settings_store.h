#pragma once

#include "core/app/settings_store.h"

#include <string>
#include <vector>

namespace tonalink::testing {

// A memory store that also records every call, as "read Section/key" and
// "write Section/key=value".
class RecordingSettingsStore : public MemorySettingsStore {
public:
    std::vector<std::string> calls;

    int32_t readInt(std::string_view section, std::string_view key, int32_t def) override {
        calls.push_back(name("read ", section, key));
        return MemorySettingsStore::readInt(section, key, def);
    }
    std::string readString(std::string_view section, std::string_view key,
                           std::string_view def) override {
        calls.push_back(name("read ", section, key));
        return MemorySettingsStore::readString(section, key, def);
    }
    void writeInt(std::string_view section, std::string_view key, int32_t value) override {
        calls.push_back(name("write ", section, key) + "=" + std::to_string(value));
        MemorySettingsStore::writeInt(section, key, value);
    }
    void writeString(std::string_view section, std::string_view key,
                     std::string_view value) override {
        calls.push_back(name("write ", section, key) + "=" + std::string(value));
        MemorySettingsStore::writeString(section, key, value);
    }

private:
    static std::string name(const char* verb, std::string_view section, std::string_view key) {
        return verb + std::string(section) + "/" + std::string(key);
    }
};

} // namespace tonalink::testing
