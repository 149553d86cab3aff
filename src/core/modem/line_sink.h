#pragma once

#include <string>

namespace tonalink {

// Takes one complete modem command line (ending in CR LF). Writes never report
// failure: the call goes on whether or not the line reached the modem.
class LineSink {
public:
    virtual ~LineSink() = default;
    virtual void writeLine(const std::string& line) = 0;
};

} // namespace tonalink
