#pragma once

#include <string>

namespace tonalink {

// The telephone line a call is made on: takes one complete modem command line
// (ending in CR LF) at a time.
class LineSink {
public:
    virtual ~LineSink() = default;
    // False when no command can reach the modem (its port is not open).
    virtual bool isOpen() const = 0;
    // False when the line did not take the bytes; the call cannot go on then.
    virtual bool writeLine(const std::string& line) = 0;
};

} // namespace tonalink
