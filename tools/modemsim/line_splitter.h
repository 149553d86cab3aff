#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tonalink::modemsim {

// Cuts the byte stream from the port into command lines. A modem ends a command
// at CR; LF and empty lines are skipped. A line that grows past maxLine bytes
// without an end is delivered as it stands, so a client that never sends CR
// cannot grow the buffer without bound.
class LineSplitter {
public:
    explicit LineSplitter(std::size_t maxLine = 4096) : m_maxLine(maxLine) {}

    std::vector<std::string> feed(std::string_view bytes);

private:
    std::size_t m_maxLine;
    std::string m_pending;
};

} // namespace tonalink::modemsim
