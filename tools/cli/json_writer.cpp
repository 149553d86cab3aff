#include "json_writer.h"

#include "core/common/cp932.h"

#include <cstdio>

namespace tonalink::cli {
namespace {

std::string quoted(std::string_view utf8) {
    std::string out = "\"";
    for (unsigned char c : utf8) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (c < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                out += buf;
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    return out + "\"";
}

} // namespace

void JsonObject::key(std::string_view name) {
    if (!body_.empty())
        body_ += ',';
    body_ += quoted(name) + ':';
}

JsonObject& JsonObject::text(std::string_view name, std::string_view cp932) {
    key(name);
    body_ += quoted(cp932::toUtf8Lossy(cp932));
    return *this;
}

JsonObject& JsonObject::number(std::string_view name, int64_t value) {
    key(name);
    body_ += std::to_string(value);
    return *this;
}

JsonObject& JsonObject::texts(std::string_view name, const std::vector<std::string>& cp932) {
    key(name);
    body_ += '[';
    for (std::size_t i = 0; i < cp932.size(); ++i)
        body_ += (i ? "," : "") + quoted(cp932::toUtf8Lossy(cp932[i]));
    body_ += ']';
    return *this;
}

JsonObject& JsonObject::numbers(std::string_view name, const std::vector<int32_t>& values) {
    key(name);
    body_ += '[';
    for (std::size_t i = 0; i < values.size(); ++i)
        body_ += (i ? "," : "") + std::to_string(values[i]);
    body_ += ']';
    return *this;
}

} // namespace tonalink::cli
