#include "core/snpp/client_text.h"

#include "core/common/cp932.h"

#include <cstdint>

namespace tonalink::snpp {
namespace {

bool isValidUtf8(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<uint8_t>(bytes[i]);
        std::size_t length = lead < 0x80           ? 1
                             : (lead >> 5) == 0x6  ? 2
                             : (lead >> 4) == 0xE  ? 3
                             : (lead >> 3) == 0x1E ? 4
                                                   : 0;
        if (length == 0 || i + length > bytes.size())
            return false;
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<uint8_t>(bytes[i + k]) & 0xC0) != 0x80)
                return false;
        }
        i += length;
    }
    return true;
}

} // namespace

std::optional<std::string> clientTextToCp932(std::string_view bytes) {
    if (isValidUtf8(bytes))
        return cp932::fromUtf8(bytes);
    if (cp932::toUtf8(bytes))
        return std::string(bytes);
    return std::nullopt;
}

} // namespace tonalink::snpp
