#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tonalink {

// What the encoder leaves for the preview, the send-command assembly, the call
// and the log. Never empty: at least one (possibly empty) part.
struct MessageParts {
    std::vector<std::string> MsgParts{std::string()};
    int32_t LastPart = 0;
    // Byte position in the message where each part starts, plus the text length.
    std::vector<int32_t> PartStarts;
    std::string EncodedMsg;
};

} // namespace tonalink
