#include "core/common/file_io.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace tonalink {
namespace {

void setError(std::string* error, const std::string& what) {
    if (error)
        *error = what + ": " + std::strerror(errno);
}

mode_t currentUmask() {
    mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

bool asciiEqualIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

} // namespace

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

std::optional<std::string> readFileBounded(const std::string& path, std::size_t maxBytes,
                                           std::string* error) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        setError(error, path);
        return std::nullopt;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        if (error)
            *error = path + ": not a regular file";
        ::close(fd);
        return std::nullopt;
    }
    std::string out;
    // Sized once: growing by doubling copies a large data file several times.
    out.reserve(std::min(static_cast<std::size_t>(st.st_size), maxBytes));
    char buffer[65536];
    for (;;) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            setError(error, path);
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0)
            break;
        if (out.size() + static_cast<std::size_t>(n) > maxBytes) {
            if (error)
                *error = path + ": file too large";
            ::close(fd);
            return std::nullopt;
        }
        out.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return out;
}

bool writeFileAtomically(const std::string& path, std::string_view bytes, std::string* error) {
    std::string tmp = path + ".tmpXXXXXX";
    int fd = ::mkstemp(tmp.data());
    if (fd < 0) {
        setError(error, path);
        return false;
    }
    // Keep the permissions of the file being replaced; mkstemp makes it 0600.
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0)
        ::fchmod(fd, st.st_mode & 07777);
    else
        ::fchmod(fd, 0666 & ~currentUmask());
    bool ok = writeAll(fd, bytes) && ::fsync(fd) == 0;
    if (!ok)
        setError(error, path);
    if (::close(fd) != 0 && ok) {
        setError(error, path);
        ok = false;
    }
    if (ok && ::rename(tmp.c_str(), path.c_str()) != 0) {
        setError(error, path);
        ok = false;
    }
    if (!ok)
        ::unlink(tmp.c_str());
    return ok;
}

bool appendToFile(const std::string& path, std::string_view bytes, std::string* error) {
    int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) {
        setError(error, path);
        return false;
    }
    bool ok = writeAll(fd, bytes) && ::fsync(fd) == 0;
    if (!ok)
        setError(error, path);
    ::close(fd);
    return ok;
}

std::optional<std::string> findFileIgnoringCase(const std::string& dir, std::string_view name) {
    std::error_code ec;
    std::filesystem::path base =
        dir.empty() ? std::filesystem::current_path(ec) : std::filesystem::path(dir);
    if (ec)
        return std::nullopt;
    std::filesystem::path exact = base / std::string(name);
    if (std::filesystem::is_regular_file(exact, ec))
        return std::filesystem::absolute(exact, ec).lexically_normal().string();
    std::filesystem::directory_iterator it(base, ec), end;
    for (; !ec && it != end; it.increment(ec)) {
        if (asciiEqualIgnoringCase(it->path().filename().string(), name) && it->is_regular_file(ec))
            return std::filesystem::absolute(it->path(), ec).lexically_normal().string();
    }
    return std::nullopt;
}

} // namespace tonalink
