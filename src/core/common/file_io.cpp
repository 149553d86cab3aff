#include "core/common/file_io.h"

#include "core/common/cp932.h"

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
    // open() gives ENXIO only for special files, and requireRegular() for the rest.
    if (error)
        *error = what + ": " + (errno == ENXIO ? "not a regular file" : std::strerror(errno));
}

bool requireRegular(const struct stat& st) {
    if (!S_ISREG(st.st_mode))
        errno = ENXIO;
    return S_ISREG(st.st_mode);
}

// Data files are far smaller; a larger file is not overwritten without a copy.
constexpr std::size_t kMaxInPlaceBytes = 64 * 1024 * 1024;

// For a folder that takes no new file: the new bytes over the old ones, which go
// back if the write fails half way. errno tells why it failed.
bool overwriteInPlace(const std::string& path, std::string_view bytes) {
    errno = EFBIG; // what stays when the file is too large to keep a copy of
    const std::optional<std::string> old = readFileBounded(path, kMaxInPlaceBytes);
    const int fd = old ? openRegularFile(path, O_WRONLY) : -1;
    if (fd < 0)
        return false;
    const auto put = [fd](std::string_view content) {
        return ::lseek(fd, 0, SEEK_SET) == 0 && writeAll(fd, content) &&
               ::ftruncate(fd, static_cast<off_t>(content.size())) == 0 && ::fsync(fd) == 0;
    };
    const bool ok = put(bytes);
    const int why = errno;
    if (!ok)
        put(*old);
    ::close(fd);
    errno = why;
    return ok;
}

mode_t currentUmask() {
    mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
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

int openRegularFile(const std::string& path, int flags, mode_t mode, std::string* error) {
    // O_NONBLOCK: a FIFO opens at once instead of waiting for its other end.
    const int fd = ::open(path.c_str(), flags | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, mode);
    struct stat st {};
    if (fd >= 0 && ::fstat(fd, &st) == 0 && requireRegular(st)) {
        const int status = ::fcntl(fd, F_GETFL);
        if (status >= 0 && ::fcntl(fd, F_SETFL, status & ~O_NONBLOCK) == 0)
            return fd;
    }
    setError(error, path);
    if (fd >= 0) {
        const int saved = errno;
        ::close(fd);
        errno = saved;
    }
    return -1;
}

std::optional<std::string> readFileBounded(const std::string& path, std::size_t maxBytes,
                                           std::string* error) {
    int fd = openRegularFile(path, O_RDONLY, 0, error);
    if (fd < 0)
        return std::nullopt;
    std::string out;
    // Sized once: growing by doubling copies a large data file several times.
    struct stat st {};
    if (::fstat(fd, &st) == 0)
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

FileStamp stampOfBytes(std::string_view bytes) {
    std::uint64_t hash = 14695981039346656037ull;
    for (char c : bytes)
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    return {true, bytes.size(), hash};
}

std::optional<FileStamp> stampOfFile(const std::string& path, std::size_t maxBytes) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec) && !ec)
        return FileStamp{};
    const auto bytes = readFileBounded(path, maxBytes);
    if (!bytes)
        return std::nullopt;
    return stampOfBytes(*bytes);
}

std::optional<std::string> followLinks(const std::string& path) {
    namespace fs = std::filesystem;
    fs::path current(path);
    std::error_code ec;
    for (int depth = 0; depth < 40; ++depth) {
        if (!fs::is_symlink(current, ec))
            return current.string();
        const fs::path target = fs::read_symlink(current, ec);
        if (ec)
            return std::nullopt;
        current = target.is_absolute() ? target : current.parent_path() / target;
    }
    return std::nullopt;
}

bool writeFileAtomically(const std::string& path, std::string_view bytes, std::string* error) {
    // Errors name the path as given; the work is done on the link's target.
    const std::optional<std::string> followed = followLinks(path);
    if (!followed) {
        errno = ELOOP;
        setError(error, path);
        return false;
    }
    const std::string& target = *followed;
    struct stat st {};
    const bool exists = ::stat(target.c_str(), &st) == 0;
    // rename() would put the file in place of a FIFO or a device.
    if (exists && !requireRegular(st)) {
        setError(error, path);
        return false;
    }
    std::string tmp = target + ".tmpXXXXXX";
    int fd = ::mkostemp(tmp.data(), O_CLOEXEC);
    if (fd < 0 && exists && (errno == EACCES || errno == EPERM)) {
        const bool written = overwriteInPlace(target, bytes);
        if (!written)
            setError(error, path);
        return written;
    }
    if (fd < 0) {
        setError(error, path);
        return false;
    }
    // Keep the permissions of the file being replaced; mkostemp makes it 0600.
    if (exists)
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
    if (ok && ::rename(tmp.c_str(), target.c_str()) != 0) {
        setError(error, path);
        ok = false;
    }
    if (!ok)
        ::unlink(tmp.c_str());
    return ok;
}

bool appendToFile(const std::string& path, std::string_view bytes, std::string* error) {
    int fd = openRegularFile(path, O_WRONLY | O_APPEND | O_CREAT, 0644, error);
    if (fd < 0)
        return false;
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
        if (cp932::equalIgnoringAsciiCase(it->path().filename().string(), name) &&
            it->is_regular_file(ec))
            return std::filesystem::absolute(it->path(), ec).lexically_normal().string();
    }
    return std::nullopt;
}

} // namespace tonalink
