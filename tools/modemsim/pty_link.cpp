#include "pty_link.h"

#include "core/common/errno_text.h"
#include "core/common/raw_pty.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace tonalink::modemsim {
namespace {

std::string lastError(const std::string& what) {
    return what + ": " + errnoText();
}

std::string readLink(const std::string& path) {
    char target[4096];
    const ssize_t n = ::readlink(path.c_str(), target, sizeof target);
    if (n < 0 || static_cast<std::size_t>(n) == sizeof target)
        return {};
    return std::string(target, static_cast<std::size_t>(n));
}

// Points linkPath at target through a rename, so a stale link is replaced in one step.
bool replaceLink(const std::string& linkPath, const std::string& target, std::string& error) {
    struct stat st {};
    if (::lstat(linkPath.c_str(), &st) == 0 && !S_ISLNK(st.st_mode)) {
        error = linkPath + " exists and is not a symbolic link";
        return false;
    }
    const std::string temp = linkPath + ".new." + std::to_string(::getpid());
    ::unlink(temp.c_str());
    if (::symlink(target.c_str(), temp.c_str()) != 0) {
        error = lastError(temp);
        return false;
    }
    if (::rename(temp.c_str(), linkPath.c_str()) != 0) {
        error = lastError(linkPath);
        ::unlink(temp.c_str());
        return false;
    }
    return true;
}

} // namespace

std::unique_ptr<PtyLink> PtyLink::create(const std::string& linkPath, std::string& error) {
    // The master never blocks: answers to a client that stopped reading are
    // dropped rather than blocking the loop.
    std::optional<RawPty> raw = openRawPty(&error);
    if (!raw)
        return nullptr;
    std::unique_ptr<PtyLink> pty(new PtyLink);
    pty->m_master = raw->master;
    pty->m_slave = raw->slave;
    pty->m_slavePath = raw->slavePath;
    if (!replaceLink(linkPath, pty->m_slavePath, error))
        return nullptr;
    pty->m_linkPath = linkPath;
    return pty;
}

PtyLink::~PtyLink() {
    // Another simulator may have taken the path over since: leave its link alone.
    if (!m_linkPath.empty() && readLink(m_linkPath) == m_slavePath)
        ::unlink(m_linkPath.c_str());
    if (m_slave >= 0)
        ::close(m_slave);
    if (m_master >= 0)
        ::close(m_master);
}

} // namespace tonalink::modemsim
