#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tonalink::modemsim {

// One log record, {"t_ms":<ms>,"line":"<line>"} and a newline. Bytes outside
// printable ASCII are written as \u00XX, so the record is valid JSON whatever
// the line holds (CP932 text included) and every byte can be read back.
std::string jsonLogRecord(int64_t tMs, std::string_view line);

} // namespace tonalink::modemsim
