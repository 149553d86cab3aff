#include "json_log.h"

namespace tonalink::modemsim {

std::string jsonLogRecord(int64_t tMs, std::string_view line) {
    static constexpr char hex[] = "0123456789abcdef";
    std::string out = "{\"t_ms\":" + std::to_string(tMs) + ",\"line\":\"";
    for (char c : line) {
        const auto b = static_cast<unsigned char>(c);
        if (b == '"' || b == '\\') {
            out += '\\';
            out += c;
        } else if (b < 0x20 || b >= 0x7F) {
            out += "\\u00";
            out += hex[b >> 4];
            out += hex[b & 0xF];
        } else {
            out += c;
        }
    }
    out += "\"}\n";
    return out;
}

} // namespace tonalink::modemsim
