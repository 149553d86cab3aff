#include "core/app/reserve_time.h"

#include <cstdio>

namespace tonalink {
namespace {

// One or two decimal digits from `pos`, within [0, max].
bool readField(const std::string& text, std::size_t& pos, int32_t max, int32_t& value) {
    std::size_t digits = 0;
    value = 0;
    while (pos < text.size() && digits < 2 && text[pos] >= '0' && text[pos] <= '9') {
        value = value * 10 + (text[pos] - '0');
        ++pos;
        ++digits;
    }
    return digits > 0 && value <= max;
}

} // namespace

std::string reserveTimeText(const ReserveTime& time) {
    char text[32];
    std::snprintf(text, sizeof text, "%2d:%2d", static_cast<int>(time.hour),
                  static_cast<int>(time.minute));
    return text;
}

bool parseReserveTime(const std::string& text, ReserveTime& time) {
    std::size_t pos = 0;
    ReserveTime parsed;
    if (!readField(text, pos, 23, parsed.hour) || pos >= text.size() || text[pos] != ':')
        return false;
    ++pos;
    if (!readField(text, pos, 59, parsed.minute) || pos != text.size())
        return false;
    time = parsed;
    return true;
}

} // namespace tonalink
