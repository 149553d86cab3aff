#pragma once

#include "core/common/cp932.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tonalink::test {

// UTF-8 text of a test written as the CP932 bytes the data files hold.
inline std::string cp932(std::string_view utf8) {
    auto bytes = cp932::fromUtf8(utf8);
    if (!bytes)
        throw std::invalid_argument("not CP932: " + std::string(utf8));
    return *bytes;
}

// A fresh folder that is removed with everything in it.
class TempDir {
public:
    TempDir() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "tonalink-pagerdata-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            throw std::runtime_error("mkdtemp failed");
        path_ = pattern;
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string path() const { return path_.string(); }
    std::string file(std::string_view name) const { return (path_ / name).string(); }

    std::string write(std::string_view name, std::string_view bytes) const {
        std::ofstream out(path_ / name, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return file(name);
    }
    // A file of `size` zero bytes that takes no disk space.
    std::string writeSparse(std::string_view name, std::uintmax_t size) const {
        write(name, "");
        std::filesystem::resize_file(path_ / name, size);
        return file(name);
    }
    std::string read(std::string_view name) const {
        std::ifstream in(path_ / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    void copyFrom(const std::string& source, std::string_view name) const {
        std::filesystem::copy_file(source, path_ / name);
    }

private:
    std::filesystem::path path_;
};

inline std::string fixture(std::string_view name) {
    return std::string(PAGERDATA_FIXTURE_DIR) + "/" + std::string(name);
}

} // namespace tonalink::test
