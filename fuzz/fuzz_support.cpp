#include "fuzz_support.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace tonalink::fuzz {

const std::string& scratchFolder() {
    // Never destroyed: the exit handler below still reads it.
    static const std::string& folder = *new std::string([] {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "tonalink-fuzz-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            fail(__FILE__, __LINE__, "mkdtemp");
        std::atexit([] { std::filesystem::remove_all(scratchFolder()); });
        return pattern;
    }());
    return folder;
}

std::optional<std::u32string> decodeUtf8(std::string_view s) {
    std::u32string out;
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        const int length = b < 0x80         ? 1
                           : (b >> 5) == 6  ? 2
                           : (b >> 4) == 14 ? 3
                           : (b >> 3) == 30 ? 4
                                            : 0;
        if (length == 0 || i + static_cast<std::size_t>(length) > s.size())
            return std::nullopt;
        char32_t c = length == 1 ? b : b & (0x7F >> length);
        for (int k = 1; k < length; ++k) {
            const auto t = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
            if ((t >> 6) != 2)
                return std::nullopt;
            c = (c << 6) | (t & 0x3F);
        }
        constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (c < kSmallest[length] || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000))
            return std::nullopt;
        out.push_back(c);
        i += static_cast<std::size_t>(length);
    }
    return out;
}

std::string emptyScratchFolder(const std::string& name) {
    const std::string path = scratchFolder() + "/" + name;
    std::filesystem::remove_all(path);
    std::filesystem::create_directory(path);
    return path;
}

std::string scratchFile(const std::string& name, std::string_view bytes) {
    const std::string path = scratchFolder() + "/" + name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush())
        fail(__FILE__, __LINE__, "scratch file not written");
    return path;
}

} // namespace tonalink::fuzz
