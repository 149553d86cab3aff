#pragma once

#include <cstdint>

namespace tonalink {

// Results of a modal run, with the values the callers test for.
inline constexpr int32_t IDOK = 1;
inline constexpr int32_t IDCANCEL = 2;
inline constexpr int32_t kDialogNotCreated = -1;

} // namespace tonalink
