#pragma once

#include <cstdint>
#include <string>

namespace tonalink {

// The form's fields as copied into the application for one preview or send
// (CP932 bytes).
struct CurrentSend {
    std::string CallNumber;
    std::string CentreNumber;
    std::string CallPassword;
    std::string MessageText;
    std::string PagerTypeName;
    int32_t MessageMode = 0; // 0 free words + phrases, 1 digits + phrases, 2 free words, 3 direct
};

} // namespace tonalink
