#pragma once

#include <cstddef>
#include <string>

namespace tonalink::test {

// Reads from `fd` until `count` bytes arrived or `timeoutMs` passed without any.
std::string readFor(int fd, std::size_t count, int timeoutMs = 2000);

} // namespace tonalink::test
