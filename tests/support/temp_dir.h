#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace tonalink::test {

// A fresh temporary folder removed with everything in it.
struct TempDir {
    std::filesystem::path path;
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string file(std::string_view name) const { return (path / name).string(); }
    // Each returns the full path of the file.
    std::string write(std::string_view name, std::string_view bytes) const;
    // A file of `size` zero bytes that takes no disk space.
    std::string writeSparse(std::string_view name, std::uintmax_t size) const;
    std::string read(std::string_view name) const;
    void copyFrom(const std::filesystem::path& source, std::string_view name) const;
};

std::string readWholeFile(const std::filesystem::path& path);

} // namespace tonalink::test
