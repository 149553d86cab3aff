#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace tonalink::snpp {

// The argument of HOLD: "YYMMDDHHMM", "YYMMDDHHMMSS" or "YYYYMMDDHHMMSS", then an
// optional offset from GMT ("+HH", "-HHMM"); without it the time is the local
// time here. Seconds since the epoch, or nothing for a malformed or impossible time.
std::optional<int64_t> parseHoldTime(std::string_view argument);

} // namespace tonalink::snpp
