#include "core/app/integer_field.h"

#include <cstdint>

namespace tonalink {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

IntegerField parseIntegerField(std::string_view text, IntRange range) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty())
        return {IntegerFieldError::NotAnInteger, 0};
    // Saturates well past 32 bits, so a long run of digits is simply out of range.
    constexpr int64_t kCeiling = int64_t{1} << 40;
    int64_t magnitude = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return {IntegerFieldError::NotAnInteger, 0};
        if (magnitude < kCeiling)
            magnitude = magnitude * 10 + (c - '0');
    }
    const int64_t value = negative ? -magnitude : magnitude;
    if (value < range.min || value > range.max)
        return {IntegerFieldError::OutOfRange, 0};
    return {IntegerFieldError::None, static_cast<int32_t>(value)};
}

} // namespace tonalink
