#include "snpp_client.h"

#include <netdb.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

namespace tonalink::cli {
namespace {

// Far longer than any reply line a gateway sends.
constexpr std::size_t kMaxReplyBytes = 4096;

} // namespace

std::unique_ptr<SnppClient> SnppClient::connect(const std::string& hostPort, std::string* error) {
    const std::size_t colon = hostPort.rfind(':');
    if (colon == std::string::npos || colon + 1 == hostPort.size()) {
        *error = "--via must be HOST:PORT";
        return nullptr;
    }
    std::string host = hostPort.substr(0, colon);
    if (host.size() >= 2 && host.front() == '[' && host.back() == ']')
        host = host.substr(1, host.size() - 2);
    addrinfo hints{};
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (const int rc = ::getaddrinfo(host.c_str(), hostPort.c_str() + colon + 1, &hints, &found)) {
        *error = hostPort + ": " + ::gai_strerror(rc);
        return nullptr;
    }
    const timeval timeout{kReplyTimeoutSeconds, 0};
    int fd = -1;
    for (addrinfo* a = found; a && fd < 0; a = a->ai_next) {
        fd = ::socket(a->ai_family, a->ai_socktype | SOCK_CLOEXEC, a->ai_protocol);
        if (fd < 0)
            continue;
        ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
        ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout);
        if (::connect(fd, a->ai_addr, a->ai_addrlen) != 0) {
            ::close(fd);
            fd = -1;
        }
    }
    ::freeaddrinfo(found);
    if (fd < 0) {
        *error = hostPort + ": no gateway answers there";
        return nullptr;
    }
    std::unique_ptr<SnppClient> client(new SnppClient(fd));
    const std::optional<SnppReply> greeting = client->reply();
    if (!greeting || greeting->code != 220) {
        *error = hostPort + ": no SNPP greeting";
        return nullptr;
    }
    return client;
}

SnppClient::~SnppClient() {
    ::close(m_fd);
}

std::optional<SnppReply> SnppClient::command(const std::string& line) {
    const std::string bytes = line + "\r\n";
    for (std::size_t sent = 0; sent < bytes.size();) {
        const ssize_t n = ::send(m_fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n <= 0)
            return std::nullopt;
        sent += static_cast<std::size_t>(n);
    }
    return reply();
}

std::optional<SnppReply> SnppClient::reply() {
    for (;;) {
        const std::size_t end = m_pending.find('\n');
        if (end != std::string::npos) {
            std::string line = m_pending.substr(0, end);
            m_pending.erase(0, end + 1);
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            // "214" help lines come before the reply that ends them.
            if (line.size() < 3 || line.starts_with("214"))
                continue;
            return SnppReply{std::atoi(line.substr(0, 3).c_str()),
                             line.size() > 4 ? line.substr(4) : std::string()};
        }
        if (m_pending.size() > kMaxReplyBytes)
            return std::nullopt;
        char chunk[1024];
        const ssize_t n = ::recv(m_fd, chunk, sizeof chunk, 0);
        if (n <= 0)
            return std::nullopt;
        m_pending.append(chunk, static_cast<std::size_t>(n));
    }
}

} // namespace tonalink::cli
