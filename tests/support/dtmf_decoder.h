#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace tonalink::test {

// The digits the independent decoder multimon-ng hears in a 16-bit mono
// WAV file; nothing when multimon-ng is not installed.
std::optional<std::string> decodeDtmfWav(const std::filesystem::path& wav);

} // namespace tonalink::test
