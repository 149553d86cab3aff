#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace tonalink {

// Cuts a byte stream from a serial line into text lines. CR or LF ends a line, in
// any mix (a modem ends a command at CR, and answers with CR LF, or CR alone in
// numeric mode); empty lines are skipped. It holds at most one unfinished line of
// maxLine bytes, whatever arrives: a line that grows past it is delivered cut to
// maxLine bytes and the rest of it, up to its end, is dropped.
class LineSplitter {
public:
    using LineHandler = std::function<void(std::string_view line)>;

    explicit LineSplitter(std::size_t maxLine) : m_maxLine(maxLine) {}

    // Calls onLine for every line the bytes complete, in order.
    void feed(std::string_view bytes, const LineHandler& onLine);

private:
    std::size_t m_maxLine;
    std::string m_pending;
    bool m_dropping = false; // inside a line already delivered cut
};

} // namespace tonalink
