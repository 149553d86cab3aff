#pragma once

#include "core/pagerdata/pager_type.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tonalink {

// A sample message encoded with one pager type in one message mode, as the
// program would send it.
struct TryResult {
    int32_t count = 0; // counted digits, -1 when the type cannot send the message
    std::vector<std::string> parts;
};

// One result per message mode 0 to 3.
std::array<TryResult, 4> tryEncode(const PagerType& type, std::string_view message);

} // namespace tonalink
