#include "core/app/settings_store.h"

namespace tonalink {
namespace {
constexpr std::string_view kBarSet = "BarSet";
} // namespace

BarSet SettingsStore::readBarSet() {
    BarSet bars;
    bars.ToolBar = readInt(kBarSet, "ToolBar", bars.ToolBar);
    bars.StatusBar = readInt(kBarSet, "StatusBar", bars.StatusBar);
    return bars;
}

void SettingsStore::writeBarSet(const BarSet& bars) {
    writeInt(kBarSet, "ToolBar", bars.ToolBar);
    writeInt(kBarSet, "StatusBar", bars.StatusBar);
}

int32_t MemorySettingsStore::readInt(std::string_view section, std::string_view key, int32_t def) {
    auto it = m_values.find({std::string(section), std::string(key)});
    return it != m_values.end() && it->second.isInt ? it->second.number : def;
}

std::string MemorySettingsStore::readString(std::string_view section, std::string_view key,
                                            std::string_view def) {
    auto it = m_values.find({std::string(section), std::string(key)});
    return it != m_values.end() && !it->second.isInt ? it->second.text : std::string(def);
}

void MemorySettingsStore::writeInt(std::string_view section, std::string_view key, int32_t value) {
    m_values[{std::string(section), std::string(key)}] = Value{true, value, {}};
}

void MemorySettingsStore::writeString(std::string_view section, std::string_view key,
                                      std::string_view value) {
    m_values[{std::string(section), std::string(key)}] = Value{false, 0, std::string(value)};
}

} // namespace tonalink
