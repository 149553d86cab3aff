#pragma once

#include <string>
#include <string_view>

namespace tonalink::test {

// UTF-8 text of a test as the CP932 bytes the program works on; throws on text
// the code page cannot hold, so a typo in a test cannot pass as empty text.
std::string cp932Bytes(std::string_view utf8);

} // namespace tonalink::test
