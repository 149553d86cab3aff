#pragma once

#include "core/common/raw_pty.h"
#include "fd_read.h"

#include <cerrno>
#include <optional>
#include <poll.h>
#include <string>
#include <unistd.h>

// A pseudo-terminal standing in for the modem: the program opens slavePath as
// its serial device and the test reads what arrives on the master side.
class PtyPair {
public:
    PtyPair() {
        if (std::optional<tonalink::RawPty> pty = tonalink::openRawPty()) {
            // Closed here, so that slaveClosed() speaks of the program alone.
            ::close(pty->slave);
            m_master = pty->master;
            m_slavePath = pty->slavePath;
        }
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
        return tonalink::test::readFor(m_master, count, timeoutMs);
    }

    // True once no one holds the slave side open any more.
    // Lines still unread are drained first: until they are, the hang-up may not show.
    bool slaveClosed() {
        for (int reads = 0; reads < 10000; ++reads) {
            pollfd p{m_master, POLLIN, 0};
            if (::poll(&p, 1, 2000) != 1)
                return false;
            if ((p.revents & POLLHUP) != 0)
                return true;
            char buffer[256];
            const ssize_t got = ::read(m_master, buffer, sizeof buffer);
            if (got <= 0)
                return got == 0 || errno == EIO;
        }
        return false;
    }

    bool answer(const std::string& bytes) {
        return ::write(m_master, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    }

private:
    int m_master = -1;
    std::string m_slavePath;
};
