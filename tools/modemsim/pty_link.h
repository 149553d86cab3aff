#pragma once

#include <memory>
#include <string>

namespace tonalink::modemsim {

// A pseudo-terminal in raw mode whose slave side is reachable under a path of
// the user's choosing, as if it were the modem's serial device. The slave is
// held open here too, so a client closing and reopening the device never makes
// the master side report end of file.
class PtyLink {
public:
    // Refuses to replace anything at linkPath but a symbolic link.
    static std::unique_ptr<PtyLink> create(const std::string& linkPath, std::string& error);
    ~PtyLink();
    PtyLink(const PtyLink&) = delete;
    PtyLink& operator=(const PtyLink&) = delete;

    int masterFd() const { return m_master; }
    const std::string& slavePath() const { return m_slavePath; }

private:
    PtyLink() = default;

    int m_master = -1;
    int m_slave = -1;
    std::string m_slavePath;
    std::string m_linkPath;
};

} // namespace tonalink::modemsim
