#include "platform/line_lock.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

namespace tonalink {
namespace {

constexpr std::string_view kDevPrefix = "/dev/";

// Every folder a serial tool (Qt's included) may have put its lock in.
std::vector<std::string> searchedFolders() {
    std::vector<std::string> folders{"/run/lock",        "/var/lock",        "/etc/locks",
                                     "/var/spool/locks", "/var/spool/uucp",  "/tmp",
                                     "/var/tmp",         "/var/lock/lockdev"};
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime)
        folders.emplace_back(runtime);
    return folders;
}

// Where this process writes a lock, first choice first.
std::vector<std::string> writableFolders() {
    std::vector<std::string> folders{"/run/lock", "/var/lock"};
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    folders.emplace_back(runtime && *runtime ? runtime : "/tmp");
    return folders;
}

// The process id on the lock file's first line ("%10d\n", or Qt's "%d\n...").
std::optional<pid_t> lockOwner(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        return std::nullopt;
    char text[32] = {};
    const ssize_t n = ::read(fd, text, sizeof text - 1);
    ::close(fd);
    char* end = nullptr;
    const long pid = n > 0 ? std::strtol(text, &end, 10) : 0;
    if (end == text || pid <= 0 || pid > 0x3fffffff)
        return std::nullopt;
    return static_cast<pid_t>(pid);
}

bool aliveElsewhere(pid_t pid) {
    return pid != ::getpid() && (::kill(pid, 0) == 0 || errno == EPERM);
}

// A complete lock file linked into place: a reader never sees half of one, and
// of two takers only one wins.
bool createLock(const std::string& path, int* error) {
    const std::string temporary = path + ".tmp" + std::to_string(::getpid());
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) {
        *error = errno;
        return false;
    }
    char text[16];
    const int length = std::snprintf(text, sizeof text, "%10d\n", static_cast<int>(::getpid()));
    const bool written = ::write(fd, text, static_cast<size_t>(length)) == length;
    ::close(fd);
    const bool linked = written && ::link(temporary.c_str(), path.c_str()) == 0;
    *error = written ? errno : EIO;
    ::unlink(temporary.c_str());
    return linked;
}

} // namespace

std::string LineLock::canonicalLine(const std::string& line) {
    if (line.starts_with("sip:"))
        return line;
    std::error_code ec;
    const std::filesystem::path device = std::filesystem::weakly_canonical(line, ec);
    return ec ? line : device.string();
}

std::string LineLock::lockName(const std::string& canonicalLine) {
    std::string name = canonicalLine;
    if (name.starts_with(kDevPrefix))
        name.erase(0, kDevPrefix.size());
    for (char& c : name) {
        if (c == '/' || c == ':')
            c = '_';
    }
    return "LCK.." + name;
}

std::optional<LineLock::Holder> LineLock::holder(const std::string& canonicalLine) {
    const std::string name = lockName(canonicalLine);
    for (const std::string& folder : searchedFolders()) {
        const std::string path = folder + "/" + name;
        if (const auto pid = lockOwner(path); pid && aliveElsewhere(*pid))
            return Holder{*pid, path};
    }
    return std::nullopt;
}

LineLock::~LineLock() {
    release();
}

bool LineLock::acquire(const std::string& canonicalLine, Holder* holder) {
    release();
    const std::string name = lockName(canonicalLine);
    for (const std::string& folder : writableFolders()) {
        const std::string path = folder + "/" + name;
        const std::optional<pid_t> owner = lockOwner(path);
        if (owner && aliveElsewhere(*owner)) {
            *holder = {*owner, path};
            return false;
        }
        ::unlink(path.c_str()); // stale: its process is gone
        int error = 0;
        if (createLock(path, &error)) {
            m_path = path;
            return true;
        }
        if (error == EEXIST) { // taken between the look and the link
            *holder = {lockOwner(path).value_or(0), path};
            return false;
        }
    }
    *holder = {0, writableFolders().back() + "/" + name};
    return false;
}

void LineLock::release() {
    if (!m_path.empty() && lockOwner(m_path) == ::getpid())
        ::unlink(m_path.c_str());
    m_path.clear();
}

} // namespace tonalink
