#include "cp932_text.h"

#include "core/common/cp932.h"

#include <stdexcept>

namespace tonalink::test {

std::string cp932Bytes(std::string_view utf8) {
    std::optional<std::string> bytes = cp932::fromUtf8(utf8);
    if (!bytes)
        throw std::invalid_argument("not CP932: " + std::string(utf8));
    return *bytes;
}

} // namespace tonalink::test
