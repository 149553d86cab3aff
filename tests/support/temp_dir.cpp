#include "temp_dir.h"

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <stdlib.h>

namespace tonalink::test {
namespace fs = std::filesystem;

TempDir::TempDir() {
    std::string pattern = (fs::temp_directory_path() / "tonalink-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("mkdtemp failed");
    path = pattern;
}

TempDir::~TempDir() {
    std::error_code ec;
    fs::remove_all(path, ec);
}

std::string TempDir::write(std::string_view name, std::string_view bytes) const {
    std::ofstream out(path / name, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return file(name);
}

std::string TempDir::writeSparse(std::string_view name, std::uintmax_t size) const {
    write(name, "");
    fs::resize_file(path / name, size);
    return file(name);
}

std::string TempDir::read(std::string_view name) const {
    return readWholeFile(path / name);
}

void TempDir::copyFrom(const fs::path& source, std::string_view name) const {
    fs::copy_file(source, path / name);
}

std::string readWholeFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

} // namespace tonalink::test
