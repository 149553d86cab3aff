#pragma once

#include <cstdint>
#include <ctime>
#include <string>

namespace tonalink {

// The hour and minute a reserved send waits for.
struct ReserveTime {
    int32_t hour = 0;   // 0-23
    int32_t minute = 0; // 0-59

    static ReserveTime of(const std::tm& local) { return {local.tm_hour, local.tm_min}; }
    // Equality only: a time already passed today comes round again tomorrow.
    bool reachedAt(const std::tm& local) const {
        return local.tm_hour == hour && local.tm_min == minute;
    }
    bool operator==(const ReserveTime&) const = default;
};

// "%2d:%2d": 9:05 shows as " 9: 5".
std::string reserveTimeText(const ReserveTime& time);

// Reads "HH:MM" (one or two digits each, 0-23 and 0-59); false otherwise.
bool parseReserveTime(const std::string& text, ReserveTime& time);

} // namespace tonalink
