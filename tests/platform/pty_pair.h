#pragma once

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <string>
#include <termios.h>
#include <unistd.h>

// A pseudo-terminal standing in for the modem: the program opens slavePath as
// its serial device and the test reads what arrives on the master side.
class PtyPair {
public:
    PtyPair() {
        m_master = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (m_master < 0 || ::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0)
            return;
        const char* name = ::ptsname(m_master);
        if (name == nullptr)
            return;
        // Raw before anyone opens it, so nothing echoes or translates line ends.
        const int slave = ::open(name, O_RDWR | O_NOCTTY);
        termios tio{};
        if (slave >= 0 && ::tcgetattr(slave, &tio) == 0) {
            ::cfmakeraw(&tio);
            if (::tcsetattr(slave, TCSANOW, &tio) == 0)
                m_slavePath = name;
        }
        if (slave >= 0)
            ::close(slave);
    }
    ~PtyPair() {
        if (m_master >= 0)
            ::close(m_master);
    }
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    bool ok() const { return !m_slavePath.empty(); }
    const std::string& slavePath() const { return m_slavePath; }

    // Reads until `count` bytes arrived or `timeoutMs` passed without any.
    std::string read(std::size_t count, int timeoutMs = 2000) {
        std::string bytes;
        pollfd p{m_master, POLLIN, 0};
        while (bytes.size() < count && ::poll(&p, 1, timeoutMs) == 1 && (p.revents & POLLIN)) {
            char buffer[4096];
            const ssize_t n = ::read(m_master, buffer, sizeof buffer);
            if (n <= 0)
                break;
            bytes.append(buffer, static_cast<std::size_t>(n));
        }
        return bytes;
    }

    // True once no one holds the slave side open any more.
    bool slaveClosed() {
        pollfd p{m_master, POLLIN, 0};
        if (::poll(&p, 1, 2000) != 1)
            return false;
        char c;
        return (p.revents & POLLHUP) != 0 || (::read(m_master, &c, 1) < 0 && errno == EIO);
    }

    bool answer(const std::string& bytes) {
        return ::write(m_master, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    }

private:
    int m_master = -1;
    std::string m_slavePath;
};
