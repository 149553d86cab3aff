#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tonalink {

// One ready message for one phone-book callee (a .tks file). Strings are CP932.
struct ShortcutDocument {
    std::string entryName;
    std::string message;
    uint32_t modeA = 0;
    uint32_t modeB = 0;
    // 0 until the document has been put into the form (or saved).
    uint32_t applied = 0;
};

struct ShortcutModes {
    uint32_t modeA = 0;
    uint32_t modeB = 0;
};

// MessageMode 0..3 <-> the two stored integers; an unknown mode stores as 0.
ShortcutModes shortcutModesFromMessageMode(int32_t messageMode);
// Mode A is tested first, so A 1 with B 2 still gives 1; unknown pairs give 0.
int32_t messageModeFromShortcutModes(uint32_t modeA, uint32_t modeB);

inline constexpr std::string_view kUnexpectedFileFormat = "Unexpected file format.";
// No shortcut the program writes comes near this; anything larger is not one.
inline constexpr std::size_t kMaxShortcutFileBytes = std::size_t{1024} * 1024;

// The file bytes: entry name, message (counted strings), mode A, applied flag, mode B
// (little-endian 32-bit). The applied flag is written as 0 and set to 1 afterwards.
std::string storeShortcut(ShortcutDocument& doc);

struct ShortcutLoadResult {
    std::optional<ShortcutDocument> document;
    std::string error; // kUnexpectedFileFormat, or why the file could not be read
};

// Bytes after the five fields are ignored, as the program always did.
ShortcutLoadResult loadShortcut(std::string_view bytes);
ShortcutLoadResult readShortcutFile(const std::string& path);
// Replaces the file atomically; the document's applied flag ends at 1 either way.
bool writeShortcutFile(const std::string& path, ShortcutDocument& doc,
                       std::string* error = nullptr);

} // namespace tonalink
