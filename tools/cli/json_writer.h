#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tonalink::cli {

// Builds one JSON object. Text fields take CP932 bytes and are written as UTF-8;
// bytes that are not valid CP932 are shown as U+FFFD (display only).
class JsonObject {
public:
    JsonObject& text(std::string_view name, std::string_view cp932);
    JsonObject& number(std::string_view name, int64_t value);
    JsonObject& texts(std::string_view name, const std::vector<std::string>& cp932);
    JsonObject& numbers(std::string_view name, const std::vector<int32_t>& values);
    std::string str() const { return "{" + body_ + "}"; }

private:
    void key(std::string_view name);
    std::string body_;
};

} // namespace tonalink::cli
