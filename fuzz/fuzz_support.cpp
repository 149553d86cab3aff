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
