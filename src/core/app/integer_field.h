#pragma once

#include <cstdint>
#include <string_view>

namespace tonalink {

struct IntRange {
    int32_t min = 0;
    int32_t max = 0;
};

enum class IntegerFieldError { None, NotAnInteger, OutOfRange };

struct IntegerField {
    IntegerFieldError error = IntegerFieldError::None;
    int32_t value = 0; // meaningful only without error
};

// Reads a dialog box's text as the framework's integer exchange does: blanks
// around an optionally signed run of decimal digits, nothing else; then checks it
// against `range`. Numbers too large for 32 bits count as out of range.
IntegerField parseIntegerField(std::string_view text, IntRange range);

} // namespace tonalink
