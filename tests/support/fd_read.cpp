#include "fd_read.h"

#include <poll.h>
#include <unistd.h>

namespace tonalink::test {

std::string readFor(int fd, std::size_t count, int timeoutMs) {
    std::string bytes;
    pollfd p{fd, POLLIN, 0};
    while (bytes.size() < count && ::poll(&p, 1, timeoutMs) == 1 && (p.revents & POLLIN)) {
        char buffer[4096];
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n <= 0)
            break;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    return bytes;
}

} // namespace tonalink::test
