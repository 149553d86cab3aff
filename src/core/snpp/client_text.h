#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tonalink::snpp {

// A pager id or message as a client sent it, in CP932: UTF-8 is converted, and
// bytes that are not UTF-8 are taken as CP932 when they are valid CP932. Nothing
// when the text is neither, or holds a character CP932 lacks.
std::optional<std::string> clientTextToCp932(std::string_view bytes);

} // namespace tonalink::snpp
