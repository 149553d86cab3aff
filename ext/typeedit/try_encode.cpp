#include "try_encode.h"

#include "core/encoder/encoder.h"

namespace tonalink {

std::array<TryResult, 4> tryEncode(const PagerType& type, std::string_view message) {
    std::array<TryResult, 4> results;
    Encoder encoder;
    for (int32_t mode = 0; mode < 4; ++mode) {
        encoder.MsgParts.assign(1, std::string());
        encoder.LastPart = 0;
        encoder.EncodedMsg.clear();
        TryResult& result = results[static_cast<std::size_t>(mode)];
        result.count = encoder.Encode({type, message, mode});
        result.parts = encoder.MsgParts;
    }
    return results;
}

} // namespace tonalink
